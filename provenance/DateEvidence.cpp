#include "provenance/DateEvidence.h"

#include "provenance/ExifTime.h"

namespace {

const std::int64_t kLaterSeconds = 30;

} // namespace

void AddDateEvidence(const FileClaims& claims, std::vector<Evidence>& evidence)
{
    const FileStatements& statements = claims.statements;
    if (!statements.dateTime || !statements.dateTimeOriginal)
        return;
    const std::optional<std::int64_t> modified = ExifSeconds(*statements.dateTime);
    const std::optional<std::int64_t> original = ExifSeconds(*statements.dateTimeOriginal);
    if (modified && original && *modified - *original > kLaterSeconds)
        evidence.push_back({EvidenceCode::ModifiedLater, *statements.dateTimeOriginal, *statements.dateTime,
                            {*modified - *original}, {}});
}
