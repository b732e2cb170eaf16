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
    // Fewer frequencies than this say too little.
    static constexpr int kFewestFrequencies = 3;
};

TraceVerdict JudgeTraces(const CoefficientPass& pass);
