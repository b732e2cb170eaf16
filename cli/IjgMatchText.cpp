#include "cli/IjgMatchText.h"

#include "inspect/NumberText.h"

namespace {

const wchar_t kNoMatch[] = L"无精确匹配";
const wchar_t kMatchPrefix[] = L"精确匹配 IJG 质量 ";
const wchar_t kSeparator[] = L"、";

// One quality and the forcings at which it matches.
struct QualityForcing
{
    int quality;
    bool forced;
    bool unforced;
};

std::vector<QualityForcing> ByQuality(const IjgMatches& matches)
{
    std::vector<QualityForcing> qualities;
    for (const IjgMatch& match : matches) {
        if (qualities.empty() || qualities.back().quality != match.quality)
            qualities.push_back({match.quality, false, false});
        (match.baseline ? qualities.back().forced : qualities.back().unforced) = true;
    }
    return qualities;
}

const wchar_t* ForcingText(const QualityForcing& q)
{
    if (q.forced && q.unforced)
        return L"（基线或非基线）";
    return q.forced ? L"（基线）" : L"（非基线）";
}

bool SameForcing(const QualityForcing& a, const QualityForcing& b)
{
    return a.forced == b.forced && a.unforced == b.unforced;
}

bool AllSameForcing(const std::vector<QualityForcing>& qualities)
{
    for (const QualityForcing& q : qualities)
        if (!SameForcing(q, qualities.front()))
            return false;
    return true;
}

} // namespace

std::wstring IjgMatchText(const IjgMatches& matches)
{
    const std::vector<QualityForcing> qualities = ByQuality(matches);
    if (qualities.empty())
        return kNoMatch;
    // One forcing for all qualities is said once, after the list.
    const bool sayOnce = AllSameForcing(qualities);
    std::wstring text = kMatchPrefix;
    for (size_t i = 0; i < qualities.size(); ++i) {
        if (i > 0)
            text += kSeparator;
        text += IntText(qualities[i].quality);
        if (!sayOnce)
            text += ForcingText(qualities[i]);
    }
    if (sayOnce)
        text += ForcingText(qualities.front());
    return text;
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
