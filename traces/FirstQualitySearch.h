#pragma once

#include "traces/CoefficientHistograms.h"

// The evidence, summed over frequencies, that the luminance coefficients
// were quantized before with IJG's luminance table at a first quality Q.
struct FirstQualityScores
{
    static constexpr int kLowestQuality = 20;
    static constexpr int kHighestQuality = 100;

    int informativeFrequencies = 0;   // frequencies with enough non-zero coefficients
    int tellingFrequencies = 0;       // the most of them any candidate's steps can show in
    double score = 0;                 // the best candidate's sum
    int quality = 0;                  // the best candidate
    int rangeLow = 0;                 // the candidates within kRangeNats of the best
    int rangeHigh = 0;
};

FirstQualityScores SearchFirstQuality(const CoefficientHistograms& histograms);
