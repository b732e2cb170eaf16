#include "traces/LastTableCheck.h"

#include "encoders/PillowPresets.h"
#include "inspect/IjgTables.h"

#include <algorithm>
#include <vector>

namespace {

const std::vector<QuantTable>& KnownTables()
{
    static const std::vector<QuantTable> tables = [] {
        std::vector<QuantTable> made;
        for (int quality = 1; quality <= 100; ++quality)
            for (bool forced : {true, false})
                made.push_back(BuildIjgTables(quality, forced).luminance);
        for (int i = 0; i < kPillowPresetCount; ++i)
            made.push_back(PillowPresetAt(i).luminance);
        return made;
    }();
    return tables;
}

} // namespace

bool IsLibjpegStyleTable(const QuantTable& luminance)
{
    const std::vector<QuantTable>& known = KnownTables();
    return std::find(known.begin(), known.end(), luminance) != known.end();
}
