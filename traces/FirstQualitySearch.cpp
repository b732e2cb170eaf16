#include "traces/FirstQualitySearch.h"

#include "inspect/IjgTables.h"
#include "traces/FrequencyEvidence.h"

#include <algorithm>
#include <array>
#include <map>
#include <numeric>
#include <vector>

namespace {

constexpr int kCandidates = FirstQualityScores::kHighestQuality - FirstQualityScores::kLowestQuality + 1;
// One frequency may not decide alone: a smooth sky can lend hundreds of nats.
constexpr double kMostPerFrequency = 10;
constexpr double kLeastPerFrequency = -50;
constexpr double kRangeNats = 2;
// First a cheap fit of every candidate step, then full fits of the best few.
constexpr int kQuickRounds = 3;
constexpr double kQuickNoise = 0.45;
constexpr int kFullRounds = 30;
constexpr std::array<double, 2> kNoiseSigmas = {0.35, 0.55};
constexpr int kRefinedCandidates = 6;
// The quick fits rank near candidates roughly: the best one's neighbours are refitted too.
constexpr int kNeighbourhood = 2;
// Candidates this close to the best are alike; a round quality, as people choose, is preferred.
constexpr double kTieNats = 0.5;

int CandidateQuality(int index)
{
    return FirstQualityScores::kLowestQuality + index;
}

// The first quantizer leaves a lattice the second one keeps only where its
// step is not much finer than the file's.
bool Telling(int firstStep, int lastStep)
{
    return firstStep != lastStep && 2 * firstStep > lastStep;
}

struct Frequency
{
    int index;
    FrequencyEvidence evidence;
    std::map<int, double> quick;    // first step -> log-likelihood gain, quick fit
    std::map<int, double> full;     // likewise, full fit with the best noise
};

double Clipped(double gain)
{
    return std::clamp(gain, kLeastPerFrequency, kMostPerFrequency);
}

double Gain(Frequency& f, int firstStep, bool full)
{
    auto& cache = full ? f.full : f.quick;
    auto found = cache.find(firstStep);
    if (found != cache.end())
        return found->second;
    double best = -1e300;
    if (full) {
        for (double noise : kNoiseSigmas)
            best = std::max(best, f.evidence.DoubleLogLikelihood(firstStep, noise, kFullRounds));
    } else {
        best = f.evidence.DoubleLogLikelihood(firstStep, kQuickNoise, kQuickRounds);
    }
    const double gain = best - f.evidence.SingleLogLikelihood();
    cache.emplace(firstStep, gain);
    return gain;
}

const std::vector<QuantTable>& CandidateTables()
{
    static const std::vector<QuantTable> tables = [] {
        std::vector<QuantTable> made;
        for (int i = 0; i < kCandidates; ++i)
            made.push_back(BuildIjgTables(CandidateQuality(i), true).luminance);
        return made;
    }();
    return tables;
}

int TellingCount(const std::vector<Frequency>& frequencies, int candidate)
{
    const QuantTable& table = CandidateTables()[candidate];
    return static_cast<int>(std::count_if(frequencies.begin(), frequencies.end(), [&](const Frequency& f) {
        return Telling(table[f.index], f.evidence.Step());
    }));
}

// A candidate's evidence: the clipped sum says whether there is a trace at
// all; the sum of gains without the upper clip chooses among candidates,
// since that clip would make every near candidate look alike.
struct Score
{
    double clipped = 0;
    double plain = 0;   // each gain floored at kLeastPerFrequency only
};

Score ScoreOf(std::vector<Frequency>& frequencies, int candidate, bool full)
{
    const QuantTable& table = CandidateTables()[candidate];
    Score score;
    for (Frequency& f : frequencies) {
        const int firstStep = table[f.index];
        if (!Telling(firstStep, f.evidence.Step()))
            continue;
        const double gain = Gain(f, firstStep, full);
        score.plain += std::max(gain, kLeastPerFrequency);
        score.clipped += Clipped(gain);
    }
    return score;
}

using Scores = std::vector<Score>;
using Refitted = std::vector<bool>;

void Refit(std::vector<Frequency>& frequencies, int candidate, Scores& scores, Refitted& refitted)
{
    if (!refitted[candidate]) {
        scores[candidate] = ScoreOf(frequencies, candidate, true);
        refitted[candidate] = true;
    }
}

// The refitted candidate with the best sum; among equals, first (the best quick score).
int BestRefitted(const Scores& scores, const Refitted& refitted, int first)
{
    int best = first;
    for (int i = 0; i < kCandidates; ++i)
        if (refitted[i] && scores[i].plain > scores[best].plain)
            best = i;
    return best;
}

// Refits the candidates of the best few distinct quick scores (candidates whose
// tables agree on every telling frequency score alike), then the best one's
// neighbours until the best stays; returns the best.
int RefitBest(std::vector<Frequency>& frequencies, Scores& scores, Refitted& refitted)
{
    std::vector<int> order(kCandidates);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return scores[a].plain > scores[b].plain; });
    int distinct = 0;
    double lastQuick = 1e300;
    for (int i : order) {
        if (scores[i].plain != lastQuick && ++distinct > kRefinedCandidates)
            break;
        lastQuick = scores[i].plain;
        Refit(frequencies, i, scores, refitted);
    }
    const int first = order.front();
    for (int best = BestRefitted(scores, refitted, first);;) {
        for (int i = std::max(0, best - kNeighbourhood); i <= std::min(kCandidates - 1, best + kNeighbourhood); ++i)
            Refit(frequencies, i, scores, refitted);
        const int next = BestRefitted(scores, refitted, first);
        if (next == best)
            break;
        best = next;
    }
    const int best = BestRefitted(scores, refitted, first);
    for (int i = 0; i < kCandidates; ++i)
        if (refitted[i] && CandidateQuality(i) % 5 == 0 && CandidateQuality(best) % 5 != 0 &&
            scores[i].plain >= scores[best].plain - kTieNats)
            return i;
    return best;
}

} // namespace

FirstQualityScores SearchFirstQuality(const CoefficientHistograms& histograms)
{
    std::vector<Frequency> frequencies;
    for (int k = 1; k < DCTSIZE2; ++k) {
        FrequencyEvidence evidence(histograms, k);
        if (evidence.Informative())
            frequencies.push_back({k, std::move(evidence), {}, {}});
    }
    FirstQualityScores result;
    result.informativeFrequencies = static_cast<int>(frequencies.size());
    for (int i = 0; i < kCandidates; ++i)
        result.tellingFrequencies = std::max(result.tellingFrequencies, TellingCount(frequencies, i));
    if (result.tellingFrequencies == 0)
        return result;

    Scores scores(kCandidates);
    for (int i = 0; i < kCandidates; ++i)
        scores[i] = ScoreOf(frequencies, i, false);
    Refitted refitted(kCandidates, false);
    const int best = RefitBest(frequencies, scores, refitted);
    result.score = scores[best].clipped;
    result.quality = CandidateQuality(best);
    result.rangeLow = result.rangeHigh = result.quality;
    for (int i = 0; i < kCandidates; ++i) {
        if (refitted[i] && scores[i].plain >= scores[best].plain - kRangeNats) {
            result.rangeLow = std::min(result.rangeLow, CandidateQuality(i));
            result.rangeHigh = std::max(result.rangeHigh, CandidateQuality(i));
        }
    }
    return result;
}
