#include "encoders/EncoderCatalogue.h"

#include "encoders/FfmpegMjpeg.h"
#include "encoders/IjgRuleScaler.h"
#include "encoders/MozjpegTables.h"
#include "encoders/PillowPresets.h"
#include "inspect/IjgTables.h"

namespace {

const Rounding kRoundings[] = {Rounding::Nearest, Rounding::Down, Rounding::Up};

// The JPEG standard's tables, as IJG writes them at quality 50 (scale 100).
QuantTable AnnexK(bool luminance)
{
    const IjgTables tables = BuildIjgTables(50, false);
    return luminance ? tables.luminance : tables.chrominance;
}

size_t Role(bool luminance)
{
    return luminance ? 0 : 1;
}

} // namespace

EncoderCatalogue::EncoderCatalogue()
{
    AddIjgRuleFamilies();
    AddFfmpeg();
    AddPillow();
    AddScaleBases();
}

void EncoderCatalogue::Add(const QuantTable& table, bool luminance, const MakerSetting& setting)
{
    m_tables[Role(luminance)][table].push_back(setting);
}

// IJG's own tables and mozjpeg's sets 1..8, at every quality and forcing.
void EncoderCatalogue::AddIjgRuleFamilies()
{
    IjgRuleScaler scaler;
    for (int set = 0; set <= kMozjpegTableSets; ++set) {
        const Encoder encoder = set == 0 ? Encoder::Ijg : Encoder::Mozjpeg;
        for (bool luminance : {true, false}) {
            const QuantTable base = set == 0 ? AnnexK(luminance) : MozjpegBase(set, luminance);
            for (int quality = 1; quality <= 100; ++quality)
                for (bool forced : {true, false})
                    Add(scaler.Scale(base, quality, forced), luminance, {encoder, set, quality, forced});
        }
    }
}

void EncoderCatalogue::AddFfmpeg()
{
    for (int qscale = kFfmpegMinQscale; qscale <= kFfmpegMaxQscale; ++qscale)
        for (bool luminance : {true, false})
            Add(FfmpegMjpegTable(qscale), luminance, {Encoder::Ffmpeg, 0, qscale, false});
}

void EncoderCatalogue::AddPillow()
{
    for (int index = 0; index < kPillowPresetCount; ++index) {
        const PillowPreset& preset = PillowPresetAt(index);
        Add(preset.luminance, true, {Encoder::Pillow, index, 0, false});
        Add(preset.chrominance, false, {Encoder::Pillow, index, 0, false});
    }
}

void EncoderCatalogue::AddScaleBases()
{
    for (bool luminance : {true, false}) {
        std::vector<std::pair<ScaleBase, QuantTable>>& bases = m_bases[Role(luminance)];
        bases.push_back({{ScaleBase::Family::AnnexK, 0, luminance}, AnnexK(luminance)});
        for (int set = 1; set <= kMozjpegTableSets; ++set)
            bases.push_back({{ScaleBase::Family::Mozjpeg, set, luminance}, MozjpegBase(set, luminance)});
        bases.push_back({{ScaleBase::Family::Mpeg1Intra, 0, luminance}, Mpeg1IntraMatrix()});
    }
}

EncoderMatches EncoderCatalogue::Find(const QuantTable& table, bool luminance) const
{
    EncoderMatches matches;
    const TableMap& tables = m_tables[Role(luminance)];
    const TableMap::const_iterator found = tables.find(table);
    if (found != tables.end()) {
        matches.makers = found->second;
        return matches;
    }
    for (const auto& [base, baseTable] : m_bases[Role(luminance)])
        for (Rounding rounding : kRoundings)
            if (const std::optional<ScaleRange> range = FitScale(table, baseTable, rounding))
                matches.scaled.push_back({base, rounding, *range});
    return matches;
}

std::vector<EncoderMatches> EncoderCatalogue::FindAll(const JpegFacts& facts) const
{
    std::vector<EncoderMatches> perTable;
    for (int t = 0; t < facts.tableCount; ++t)
        perTable.push_back(Find(facts.tables[t], t == 0));
    return perTable;
}
