#include "traces/TraceJudgement.h"

#include "traces/FirstQualitySearch.h"
#include "traces/LastTableCheck.h"

namespace {

using Kind = TraceVerdict::Kind;
using Reason = TraceVerdict::Reason;

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
    } else if (scores.score >= TraceThresholds::kFound) {
        verdict.kind = Kind::Found;
        verdict.firstQuality = scores.quality;
        verdict.rangeLow = scores.rangeLow;
        verdict.rangeHigh = scores.rangeHigh;
    } else {
        verdict.kind = Kind::None;
    }
    return verdict;
}
