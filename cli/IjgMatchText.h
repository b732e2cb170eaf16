#pragma once

#include "cli/IjgMatch.h"

#include <string>
#include <vector>

// The exact-match line of one table: "无精确匹配", or the matching qualities
// with how the baseline forcing was set, e.g. "精确匹配 IJG 质量 10（基线）",
// "精确匹配 IJG 质量 75（基线或非基线）" when forcing changes nothing, and
// "精确匹配 IJG 质量 1、2、3（基线）" for several qualities.
// matches come in the order IjgMatchFinder::Find gives them.
std::wstring IjgMatchText(const IjgMatches& matches);

// The lines of all found tables joined by "/", as one summary text.
std::wstring IjgMatchSummary(const std::vector<IjgMatches>& perTable);
