#include "encoders/FileMaker.h"

#include <algorithm>

namespace {

bool Contains(const MakerSettings& settings, const MakerSetting& setting)
{
    return std::find(settings.begin(), settings.end(), setting) != settings.end();
}

bool AllOneEncoder(const MakerSettings& settings)
{
    for (const MakerSetting& setting : settings)
        if (setting.encoder != settings.front().encoder)
            return false;
    return true;
}

} // namespace

MakerSettings FileMakerSettings(const std::vector<EncoderMatches>& perTable)
{
    if (perTable.empty())
        return {};
    MakerSettings common;
    for (const MakerSetting& setting : perTable.front().makers) {
        const bool everywhere = std::all_of(perTable.begin() + 1, perTable.end(), [&](const EncoderMatches& m) {
            return Contains(m.makers, setting);
        });
        if (everywhere)
            common.push_back(setting);
    }
    return AllOneEncoder(common) ? common : MakerSettings();
}
