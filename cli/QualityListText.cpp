#include "cli/QualityListText.h"

#include "inspect/NumberText.h"

#include <vector>

namespace {

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

std::wstring QualityListText(const IjgMatches& settings)
{
    const std::vector<QualityForcing> qualities = ByQuality(settings);
    const bool sayOnce = AllSameForcing(qualities);
    std::wstring text;
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
