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
    // which a crop between the saves or a camera's own rounding can mimic:
    // such a first quality needs more evidence. On the made files it keeps
    // 85 % of the finer first qualities found exact, against 74 % at kFound.
    static constexpr double kFoundFiner = 30.0;
    // Fewer frequencies than this say too little.
    static constexpr int kFewestFrequencies = 3;
};

TraceVerdict JudgeTraces(const CoefficientPass& pass);
