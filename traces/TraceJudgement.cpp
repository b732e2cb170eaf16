#include "traces/TraceJudgement.h"

#include "traces/FirstQualitySearch.h"
#include "traces/LastTableCheck.h"
#include "inspect/IjgTables.h"

#include <numeric>

namespace {

using Kind = TraceVerdict::Kind;
using Reason = TraceVerdict::Reason;

// Whether IJG's table at the first quality has finer steps, on the whole, than the file's.
bool FinerThan(int firstQuality, const QuantTable& last)
{
    const QuantTable first = BuildIjgTables(firstQuality, true).luminance;
    return std::accumulate(first.begin() + 1, first.end(), 0) < std::accumulate(last.begin() + 1, last.end(), 0);
}

TraceVerdict CannotTell(Reason reason)
{
    TraceVerdict verdict;
    verdict.kind = Kind::CannotTell;
    verdict.reason = reason;
    return verdict;
}

Reason ReasonOf(CoefficientPass::Problem problem)
{
    switch (problem) {
    case CoefficientPass::Problem::NoImage: return Reason::NoImage;
    case CoefficientPass::Problem::NoLuminance: return Reason::NoLuminance;
    case CoefficientPass::Problem::TooLarge: return Reason::TooLarge;
    case CoefficientPass::Problem::EndsEarly: return Reason::EndsEarly;
    case CoefficientPass::Problem::Corrupt: return Reason::Corrupt;
    case CoefficientPass::Problem::None: break;
    }
    return Reason::None;
}

} // namespace

TraceVerdict JudgeTraces(const CoefficientPass& pass)
{
    if (pass.problem != CoefficientPass::Problem::None)
        return CannotTell(ReasonOf(pass.problem));
    const FirstQualityScores scores = SearchFirstQuality(pass.histograms);
    if (scores.informativeFrequencies < TraceThresholds::kFewestFrequencies)
        return CannotTell(Reason::TooFewCoefficients);
    if (scores.tellingFrequencies < TraceThresholds::kFewestFrequencies)
        return CannotTell(Reason::TableTooCoarse);

    TraceVerdict verdict;
    verdict.scored = true;
    verdict.score = scores.score;
    if (!IsLibjpegStyleTable(pass.histograms.table)) {
        verdict.kind = Kind::CannotTell;
        verdict.reason = Reason::NotLibjpegTable;
    } else if (scores.score >= (FinerThan(scores.quality, pass.histograms.table) ? TraceThresholds::kFoundFiner
                                                                                   : TraceThresholds::kFound)) {
        verdict.kind = Kind::Found;
        verdict.firstQuality = scores.quality;
        verdict.rangeLow = scores.rangeLow;
        verdict.rangeHigh = scores.rangeHigh;
    } else {
        verdict.kind = Kind::None;
    }
    return verdict;
}
