#include "provenance/SizeEvidence.h"

namespace {

const std::int64_t kBlock = 16;

bool DividesEvenly(std::int64_t width, std::int64_t height, std::int64_t statedWidth, std::int64_t statedHeight)
{
    return statedWidth % width == 0 && statedHeight % height == 0 &&
           statedWidth / width == statedHeight / height;
}

bool WithinABlock(std::int64_t size, std::int64_t stated)
{
    return size - stated < kBlock && stated - size < kBlock;
}

} // namespace

void AddSizeEvidence(const FileClaims& claims, std::vector<Evidence>& evidence)
{
    const FileStatements& statements = claims.statements;
    if (!statements.exifWidth || !statements.exifHeight)
        return;
    const std::int64_t width = claims.facts.width, height = claims.facts.height;
    const std::int64_t statedWidth = *statements.exifWidth, statedHeight = *statements.exifHeight;
    if (width <= 0 || height <= 0 || statedWidth <= 0 || statedHeight <= 0)
        return;   // a size that says nothing
    const Evidence item{EvidenceCode::SizeDiffers, L"", L"", {width, height, statedWidth, statedHeight}, {}};
    if (width == statedHeight && height == statedWidth && width != height) {
        evidence.push_back(item);
        evidence.back().code = EvidenceCode::SizeTurned;
    } else if (!DividesEvenly(width, height, statedWidth, statedHeight) &&
               !(WithinABlock(width, statedWidth) && WithinABlock(height, statedHeight))) {
        evidence.push_back(item);
    }
}
