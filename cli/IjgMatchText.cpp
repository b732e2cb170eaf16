#include "cli/IjgMatchText.h"

#include "cli/QualityListText.h"

namespace {

const wchar_t kNoMatch[] = L"无精确匹配";
const wchar_t kMatchPrefix[] = L"精确匹配 IJG 质量 ";

} // namespace

std::wstring IjgMatchText(const IjgMatches& matches)
{
    if (matches.empty())
        return kNoMatch;
    return kMatchPrefix + QualityListText(matches);
}

std::wstring IjgMatchSummary(const std::vector<IjgMatches>& perTable)
{
    std::wstring summary;
    for (size_t t = 0; t < perTable.size(); ++t) {
        if (t > 0)
            summary += L'/';
        summary += IjgMatchText(perTable[t]);
    }
    return summary;
}
