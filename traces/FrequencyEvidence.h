#pragma once

#include "traces/CoefficientHistograms.h"
#include "traces/MixtureFit.h"

#include <vector>

// What the coefficients of one AC frequency say about how they were made.
// Their magnitudes are counted into bins 0..m and a tail. Two hypotheses
// explain them, each with a mixture of zero-mean Gaussian envelopes of fixed
// widths whose weights are fitted:
//  - compressed once: the envelope quantized by the file's step q2;
//  - compressed first with step q1: the envelope quantized by q1, rebuilt
//    with rounding noise (a narrow Gaussian, and a wide one for clipped
//    pixels), then quantized by q2; a small share of the first hypothesis
//    takes stray counts.
class FrequencyEvidence
{
public:
    static constexpr int kMinimumNonZero = 10;   // fewer coefficients say nothing

    FrequencyEvidence(const CoefficientHistograms& histograms, int frequency);

    bool Informative() const { return m_nonZero >= kMinimumNonZero; }
    int Step() const { return m_step; }

    // The log-likelihood under "compressed once", fitted fully (Informative only).
    double SingleLogLikelihood() const { return m_singleLogLikelihood; }

    // The log-likelihood under "compressed first with step q1", with rounding
    // noise of the given width, fitted for at most `rounds` accelerated steps.
    double DoubleLogLikelihood(int firstStep, double noiseSigma, int rounds) const;

private:
    // P(|c2| = b | |c1| = j), row by row; each row is non-zero only from first[j] to last[j].
    struct Transition
    {
        std::vector<double> table;
        std::vector<int> first;
        std::vector<int> last;
    };

    std::vector<double> SingleBins(double sigma) const;
    std::vector<double> DoubleBins(double sigma, int firstStep, const Transition& transition) const;
    Transition MakeTransition(int firstStep, double noiseSigma, int firstLevels) const;
    MixtureProblem Problem(const std::vector<std::vector<double>>& components) const;

    int m_step;
    int m_lastBin;                      // m: bins 0..m, then the tail at m + 1
    long m_nonZero = 0;
    std::vector<double> m_counts;       // all m + 2 bins
    std::vector<int> m_active;          // bins that hold counts
    std::vector<double> m_sigmas;       // the envelopes' widths
    std::vector<double> m_singleFitted; // the fitted single-compression distribution, active bins
    std::vector<double> m_singleWeights; // its weight per envelope
    double m_singleLogLikelihood = 0;
};
