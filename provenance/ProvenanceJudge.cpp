#include "provenance/ProvenanceJudge.h"

#include "provenance/DateEvidence.h"
#include "provenance/HabitEvidence.h"
#include "provenance/SizeEvidence.h"
#include "provenance/StatementEvidence.h"
#include "provenance/TableEvidence.h"
#include "provenance/TableSetKey.h"

#include <algorithm>

namespace {

bool Weighs(const std::vector<Evidence>& evidence, EvidenceWeight weight)
{
    return std::any_of(evidence.begin(), evidence.end(),
                       [weight](const Evidence& item) { return WeightOf(item.code) == weight; });
}

Verdict VerdictOf(const std::vector<Evidence>& evidence, bool cameraNamed)
{
    if (Weighs(evidence, EvidenceWeight::Hard))
        return Verdict::Edited;
    if (!cameraNamed)
        return Verdict::NoCameraStatement;
    return Weighs(evidence, EvidenceWeight::Soft) ? Verdict::LikelyEdited : Verdict::ConsistentWithCamera;
}

} // namespace

ProvenanceJudge::ProvenanceJudge() = default;

ProvenanceVerdict ProvenanceJudge::Judge(const JpegFacts& facts, const std::vector<EncoderMatches>& encoders,
                                         const FileStatements& statements, const TraceVerdict* traces) const
{
    const std::wstring make = statements.make ? CollapseBlanks(*statements.make) : std::wstring();
    const std::wstring model = statements.model ? CollapseBlanks(*statements.model) : std::wstring();
    const FileClaims claims{facts, encoders, statements, make.empty() ? make : m_makers.MakerOf(make), model,
                            TableSetKey(SamplingText(facts), facts)};
    std::vector<Evidence> evidence;
    AddStatementEvidence(claims, m_programs, evidence);
    AddSizeEvidence(claims, evidence);
    AddTableEvidence(claims, m_cameras, evidence);
    AddHabitEvidence(claims, m_cameras, evidence);
    if (!claims.maker.empty())
        AddDateEvidence(claims, evidence);
    // Soft, as its threshold allows a false alarm in a few hundred single saves.
    if (traces && traces->FoundEarlierCompression())
        evidence.push_back({EvidenceCode::EarlierCompression, {}, {}, {traces->firstQuality}, {}});
    std::stable_sort(evidence.begin(), evidence.end(), [](const Evidence& a, const Evidence& b) {
        return WeightOf(a.code) < WeightOf(b.code);
    });

    const Verdict answer = VerdictOf(evidence, !claims.maker.empty());
    ProvenanceVerdict verdict{answer, std::move(evidence), {}, {}};
    if (claims.maker.empty()) {
        for (const CameraMatch& camera : m_cameras.Cameras(claims.tableSetKey))
            verdict.cameras.push_back(&camera);
    } else if (const CameraMatch* own = m_cameras.MakerMatch(claims.tableSetKey, claims.maker)) {
        verdict.cameras.push_back(own);
    }
    if (facts.tableCount > 0)
        for (const PhotoshopLevelMatch& level : m_cameras.PhotoshopLevels(TableSetKey(std::string(), facts)))
            verdict.photoshop.push_back(&level);
    return verdict;
}
