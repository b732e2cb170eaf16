#pragma once

#include <array>
#include <cstdint>

// One quantization table: 64 values in natural (row-major) order, entry
// 8 * row + column, the order in which libjpeg holds quantval.
using QuantValues = std::array<std::uint16_t, 64>;

// kZigzagToNatural[k] is the natural-order index of the k-th coefficient in
// zigzag order, the order in which DQT segments store their values.
extern const int kZigzagToNatural[64];

// The one place where tables change order between the file and libjpeg.
QuantValues ToZigzag(const QuantValues& natural);
QuantValues ToNatural(const QuantValues& zigzag);
