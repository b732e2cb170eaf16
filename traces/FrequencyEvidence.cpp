#include "traces/FrequencyEvidence.h"

#include "traces/NormalCdf.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kModelledSpan = 150;   // bins cover about this many DCT units
constexpr int kFewestBins = 8;
constexpr int kMostBins = 48;
constexpr double kWideNoiseSigma = 3;   // clipped pixels and outliers escape the lattice
constexpr double kFlatNoiseSigma = 0.1; // a block decoded flat rounds alike at every pixel: no noise
constexpr int kNoiseCopies = 3;          // narrow, wide and flat noise per envelope
constexpr double kStrayShare = 0.002;   // of pure single compression, under the double hypothesis
constexpr int kFullRounds = 100;
constexpr double kTolerance = 1e-4;

} // namespace

FrequencyEvidence::FrequencyEvidence(const CoefficientHistograms& histograms, int frequency)
    : m_step(std::max<int>(1, histograms.table[frequency]))
{
    m_lastBin = std::clamp(static_cast<int>(std::lround(kModelledSpan / m_step)), kFewestBins, kMostBins);
    const auto& counts = histograms.counts[frequency];
    m_counts.assign(m_lastBin + 2, 0.0);
    for (int magnitude = 0; magnitude <= CoefficientHistograms::kMagnitudes; ++magnitude)
        m_counts[std::min(magnitude, m_lastBin + 1)] += counts[magnitude];
    for (int magnitude = 1; magnitude <= CoefficientHistograms::kMagnitudes; ++magnitude)
        m_nonZero += counts[magnitude];
    if (!Informative())
        return;
    for (int b = 0; b < m_lastBin + 2; ++b)
        if (m_counts[b] > 0)
            m_active.push_back(b);
    // Octaves from far below the step (a frequency that is almost always
    // zero), then half octaves from a quarter of the step to twice the
    // largest modelled value.
    for (int i = -5; i < -2; ++i)
        m_sigmas.push_back(m_step * std::pow(2.0, i));
    const int widest = static_cast<int>(std::ceil(2 * std::log2(2.0 * m_lastBin)));
    for (int i = -4; i <= widest; ++i)
        m_sigmas.push_back(m_step * std::pow(2.0, i / 2.0));

    std::vector<std::vector<double>> components;
    for (double sigma : m_sigmas)
        components.push_back(SingleBins(sigma));
    const MixtureProblem problem = Problem(components);
    m_singleLogLikelihood = FitMixture(problem, kFullRounds, kTolerance, m_singleWeights);
    m_singleFitted.assign(m_active.size(), 0.0);
    for (size_t c = 0; c < components.size(); ++c)
        for (size_t a = 0; a < m_active.size(); ++a)
            m_singleFitted[a] += m_singleWeights[c] * problem.probability[c * m_active.size() + a];
}

// P(|round(D / q2)| = b) for D ~ N(0, sigma^2), over bins 0..m and the tail.
std::vector<double> FrequencyEvidence::SingleBins(double sigma) const
{
    std::vector<double> bins(m_lastBin + 2);
    double below = NormalCdf(0.5 * m_step / sigma);
    bins[0] = 2 * below - 1;
    for (int b = 1; b <= m_lastBin; ++b) {
        const double upper = NormalCdf((b + 0.5) * m_step / sigma);
        bins[b] = 2 * (upper - below);
        below = upper;
    }
    bins[m_lastBin + 1] = 2 * (1 - below);
    return bins;
}

// P(|round((q1 j + e) / q2)| = b) for j = 0..J-1 and e ~ N(0, noise^2):
// row j holds the m + 2 bins.
FrequencyEvidence::Transition FrequencyEvidence::MakeTransition(int firstStep, double noise, int firstLevels) const
{
    const int bins = m_lastBin + 2;
    Transition transition{std::vector<double>(static_cast<size_t>(firstLevels) * bins, 0.0),
                          std::vector<int>(firstLevels, bins), std::vector<int>(firstLevels, -1)};
    const double reach = 6 * noise;
    for (int j = 0; j < firstLevels; ++j) {
        const double centre = static_cast<double>(firstStep) * j;
        const int lowest = static_cast<int>(std::floor((centre - reach) / m_step - 0.5));
        const int highest = static_cast<int>(std::ceil((centre + reach) / m_step + 0.5));
        double* row = &transition.table[static_cast<size_t>(j) * bins];
        double below = NormalCdf(((lowest - 0.5) * m_step - centre) / noise);
        for (int c = lowest; c <= highest; ++c) {
            const double upper = NormalCdf(((c + 0.5) * m_step - centre) / noise);
            const int b = std::min(std::abs(c), m_lastBin + 1);
            row[b] += upper - below;
            transition.first[j] = std::min(transition.first[j], b);
            transition.last[j] = std::max(transition.last[j], b);
            below = upper;
        }
    }
    return transition;
}

// The bins of |c2| when D ~ N(0, sigma^2) was first quantized with q1 and
// then passed through the transition.
std::vector<double> FrequencyEvidence::DoubleBins(double sigma, int firstStep, const Transition& transition) const
{
    const int firstLevels = static_cast<int>(transition.first.size());
    const int bins = m_lastBin + 2;
    std::vector<double> result(bins, 0.0);
    double below = NormalCdf(0.5 * firstStep / sigma);
    double level = 2 * below - 1;
    // Past the envelope's reach every further level is empty.
    for (int j = 0; j < firstLevels && below < 1.0; ++j) {
        if (j > 0) {
            const double upper = NormalCdf((j + 0.5) * firstStep / sigma);
            level = 2 * (upper - below);
            below = upper;
        }
        if (level < 1e-15)
            continue;
        const double* row = &transition.table[static_cast<size_t>(j) * bins];
        for (int b = transition.first[j]; b <= transition.last[j]; ++b)
            result[b] += level * row[b];
    }
    result[bins - 1] += 2 * (1 - below);   // first levels beyond the modelled ones
    return result;
}

MixtureProblem FrequencyEvidence::Problem(const std::vector<std::vector<double>>& components) const
{
    MixtureProblem problem;
    problem.components = static_cast<int>(components.size());
    for (int b : m_active)
        problem.counts.push_back(m_counts[b]);
    problem.probability.reserve(components.size() * m_active.size());
    for (const auto& component : components)
        for (int b : m_active)
            problem.probability.push_back(component[b]);
    return problem;
}

double FrequencyEvidence::DoubleLogLikelihood(int firstStep, double noiseSigma, int rounds) const
{
    const double highest = (m_lastBin + 0.5) * m_step + 6 * kWideNoiseSigma;
    const int firstLevels = static_cast<int>(highest / firstStep) + 2;
    const Transition narrow = MakeTransition(firstStep, noiseSigma, firstLevels);
    const Transition wide = MakeTransition(firstStep, kWideNoiseSigma, firstLevels);
    const Transition flat = MakeTransition(firstStep, kFlatNoiseSigma, firstLevels);
    std::vector<std::vector<double>> components;
    for (double sigma : m_sigmas) {
        components.push_back(DoubleBins(sigma, firstStep, narrow));
        components.push_back(DoubleBins(sigma, firstStep, wide));
        components.push_back(DoubleBins(sigma, firstStep, flat));
    }
    MixtureProblem problem = Problem(components);
    problem.fixedShare = kStrayShare;
    for (double p : m_singleFitted)
        problem.fixed.push_back(kStrayShare * p);
    // Half uniform, so that the narrow envelopes the lattice needs start
    // alive; half the single fit's envelope, so that a few rounds come near.
    std::vector<double> weights;
    for (double single : m_singleWeights)
        for (int copy = 0; copy < kNoiseCopies; ++copy)
            weights.push_back(0.5 / problem.components + 0.5 / kNoiseCopies * single);
    return FitMixture(problem, rounds, kTolerance, weights);
}
