#include "provenance/TableEvidence.h"

#include "encoders/FileMaker.h"
#include "provenance/TableSetKey.h"

#include <algorithm>

namespace {

std::wstring JoinedModels(const std::vector<std::wstring>& models)
{
    std::wstring text;
    for (const std::wstring& model : models)
        text += (text.empty() ? L"" : L"、") + model;
    return text;
}

void AddSupport(const FileClaims& claims, const CameraMatch& match, std::vector<Evidence>& evidence)
{
    const bool modelSeen = std::find(match.models.begin(), match.models.end(), claims.model) != match.models.end();
    if (modelSeen)
        evidence.push_back({EvidenceCode::TablesOfModel, claims.model, L"", {}, {}});
    else
        evidence.push_back({EvidenceCode::TablesOfMaker, claims.maker, JoinedModels(match.models),
                            {static_cast<std::int64_t>(match.models.size())}, {}});
}

// A program's own tables (not IJG's): settings, or an observed Photoshop level.
bool AddSoftwareTables(const FileClaims& claims, const CameraCatalogue& catalogue, std::vector<Evidence>& evidence)
{
    const MakerSettings settings = FileMakerSettings(claims.encoders);
    if (!settings.empty() && settings.front().encoder != Encoder::Ijg) {
        evidence.push_back({EvidenceCode::SoftwareTables, claims.maker, L"", {}, settings});
        return true;
    }
    const std::vector<PhotoshopLevelMatch>& levels =
        catalogue.PhotoshopLevels(TableSetKey(std::string(), claims.facts));
    if (levels.empty())
        return false;
    evidence.push_back({EvidenceCode::SoftwareTables, claims.maker, levels.front().version, {levels.front().level}, {}});
    return true;
}

} // namespace

void AddTableEvidence(const FileClaims& claims, const CameraCatalogue& catalogue, std::vector<Evidence>& evidence)
{
    if (claims.maker.empty() || claims.facts.tableCount == 0)
        return;
    if (const CameraMatch* own = catalogue.MakerMatch(claims.tableSetKey, claims.maker)) {
        AddSupport(claims, *own, evidence);
        return;
    }
    AddSoftwareTables(claims, catalogue, evidence);
    const EvidenceCode known = catalogue.Habits(claims.maker) ? EvidenceCode::TablesUnseen : EvidenceCode::MakerUnknown;
    evidence.push_back({known, claims.maker, L"", {}, {}});
}
