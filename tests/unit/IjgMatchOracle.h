#pragma once

#include "tests/unit/IjgRule.h"

#include <utility>
#include <vector>

// A quality and a baseline forcing, as the exact-match search reports them.
using IjgSetting = std::pair<int, bool>;

// Every setting, ascending quality and forced before unforced, at which the
// IJG rule written out in IjgRule.h turns base into exactly table.
inline std::vector<IjgSetting> SettingsMaking(const BaseTable& base, const QuantTable& table)
{
    std::vector<IjgSetting> settings;
    for (int quality = 1; quality <= 100; ++quality)
        for (bool forced : {true, false})
            if (IjgRuleTable(base, quality, forced) == table)
                settings.push_back({quality, forced});
    return settings;
}
