#pragma once

#include "traces/CoefficientPass.h"
#include "traces/TraceVerdict.h"

// The verdict on a coefficient pass: whether an earlier compression shows,
// and at what first quality.
struct TraceThresholds
{
    // The detection score that single-compressed files stay under: above the
    // highest of 328 made for it (41 photos at 8 qualities; see the README).
    static constexpr double kFound = 21.0;
    // A first quantization finer than the last one leaves a fainter lattice,
    // which a crop between the saves, a camera's or a trellis quantizer's
    // rounding can mimic: such a first quality needs more evidence. On the
    // made files, 90 % of the finer first qualities found at 45 are exact;
    // mozjpeg's trellis-quantized files with IJG's tables scored up to 40.6.
    static constexpr double kFoundFiner = 45.0;
    // Fewer frequencies than this say too little.
    static constexpr int kFewestFrequencies = 3;
};

TraceVerdict JudgeTraces(const CoefficientPass& pass);
