#pragma once

#include "inspect/JpegLibrary.h"
#include "inspect/QuantTable.h"

#include <array>
#include <cstdint>

// How often each magnitude of quantized coefficient occurs, per frequency of
// the luminance blocks counted, with the quantization table they were read with.
struct CoefficientHistograms
{
    static constexpr int kMagnitudes = 64;   // |c| 0..63 counted one by one; [64] holds the larger

    std::array<std::array<std::uint32_t, kMagnitudes + 1>, DCTSIZE2> counts{};   // natural order
    std::uint32_t blocks = 0;
    QuantTable table{};

    void Add(const JBLOCK& block);
};
