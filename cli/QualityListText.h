#pragma once

#include "cli/IjgMatch.h"

#include <string>

// Qualities with how baseline forcing was set, as the exact-match lines write
// them: "10（基线）", "75（基线或非基线）", "1、2、3（基线）" (one forcing for
// all is said once), "5（基线或非基线）、7（非基线）". settings come in
// ascending quality, forced before unforced, and are not empty.
std::wstring QualityListText(const IjgMatches& settings);
