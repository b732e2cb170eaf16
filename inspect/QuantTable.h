#pragma once

#include <array>
#include <cstdint>

// One quantization table: 64 values in natural (row-major) order, entry
// 8 * row + column; the order in which libjpeg holds parsed and generated tables.
using QuantTable = std::array<std::uint16_t, 64>;
