#pragma once

#include "inspect/QualityEstimate.h"
#include "inspect/QuantTable.h"

#include <cstdint>

// Everything the header reader learns from one file, plus the quality estimates.
// The caller hands it over zeroed (JpegFacts facts{}).
struct JpegFacts
{
    std::int32_t tableCount;          // quantization tables found, 0..4
    std::int32_t sixteenBit;          // 1 when a found table holds a value above 255
    QuantTable tables[4];             // found tables, packed by ascending table number
    QualityEstimate estimates[2];     // [0] luminance, [1] chrominance
    std::int32_t standardHuffman;     // 1 when DC and AC table 0 carry the standard counts
    std::int32_t progressive;
    std::int32_t precision;
    std::int32_t width;
    std::int32_t height;
    std::int32_t components;
    std::int32_t colorSpace;          // libjpeg's J_COLOR_SPACE value
    std::int32_t hSampling[4];        // largest horizontal factor / component's own
    std::int32_t vSampling[4];        // largest vertical factor / component's own
};
