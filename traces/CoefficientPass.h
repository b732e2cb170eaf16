#pragma once

#include "inspect/JpegLibrary.h"
#include "traces/CoefficientHistograms.h"

// The coefficient pass: reads the quantized coefficients of the luminance
// component through a decompression object whose header has been read, and
// counts a regular subsample of its blocks. Baseline files are counted row by
// row as they are decoded; files of several scans (progressive ones) need the
// library's whole-image arrays, which may take at most kMemoryCap bytes.
// Pictures above kMostPixels are not read: arithmetic coding can claim a
// huge picture of zeros in a few bytes, and decoding it would take minutes.
struct CoefficientPass
{
    enum class Problem { None, NoImage, NoLuminance, TooLarge, EndsEarly, Corrupt };

    static constexpr unsigned long long kMemoryCap = 256ull << 20;
    static constexpr unsigned long long kMostPixels = 1ull << 28;

    Problem problem = Problem::None;
    CoefficientHistograms histograms;
};

CoefficientPass ReadLuminanceCoefficients(j_decompress_ptr cinfo);
