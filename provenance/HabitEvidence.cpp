#include "provenance/HabitEvidence.h"

#include "encoders/FileMaker.h"

namespace {

// Enough originals to speak of a maker's habit at all.
const int kHabitOriginals = 5;

// At most one in ten of enough originals.
bool Seldom(const MakerHabits* habits, int count)
{
    return habits && habits->originals >= kHabitOriginals && count * 10 <= habits->originals;
}

// More than half of at least three originals.
bool Usual(const MakerHabits* habits, int count)
{
    return habits && habits->originals >= 3 && count * 2 > habits->originals;
}

bool JfifAgainst(const FileClaims& claims, const MakerHabits* habits)
{
    if (!claims.statements.jfif || (habits && Usual(habits, habits->jfif)))
        return false;
    return (habits && Seldom(habits, habits->jfif)) || !FileMakerSettings(claims.encoders).empty();
}

bool MakerNoteAgainst(const FileClaims& claims, const CameraCatalogue& catalogue, const MakerHabits* habits)
{
    return !claims.statements.makerNoteBytes && habits && habits->originals >= kHabitOriginals &&
           habits->makerNote == habits->originals && catalogue.ModelCarriesMakerNote(claims.maker, claims.model);
}

} // namespace

void AddHabitEvidence(const FileClaims& claims, const CameraCatalogue& catalogue, std::vector<Evidence>& evidence)
{
    if (claims.maker.empty())
        return;
    const MakerHabits* habits = catalogue.Habits(claims.maker);
    if (claims.facts.progressive && !(habits && habits->progressive > 0))
        evidence.push_back({EvidenceCode::Progressive, claims.maker, L"", {}, {}});
    if (!claims.facts.standardHuffman && habits && Seldom(habits, habits->optimized))
        evidence.push_back({EvidenceCode::OptimizedHuffman, claims.maker, L"", {}, {}});
    if (JfifAgainst(claims, habits))
        evidence.push_back({EvidenceCode::JfifSegment, claims.maker, L"", {}, {}});
    if (MakerNoteAgainst(claims, catalogue, habits))
        evidence.push_back({EvidenceCode::MakerNoteMissing, claims.model, L"", {}, {}});
}
