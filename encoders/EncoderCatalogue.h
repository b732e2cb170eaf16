#pragma once

#include "encoders/MakerSetting.h"
#include "encoders/QuantTableHash.h"
#include "encoders/ScaledMatch.h"
#include "inspect/JpegFacts.h"

#include <unordered_map>
#include <utility>
#include <vector>

// What the catalogue says about one table: the encoder settings that write it
// exactly, or, when none does, the base tables it is a constant scaling of.
struct EncoderMatches
{
    MakerSettings makers;               // ijg, mozjpeg, ffmpeg, pillow, each ascending
    std::vector<ScaledMatch> scaled;    // only when makers is empty
};

// Every table the known encoders write at every setting, made once and kept
// in a hash from table to settings, so that a search is one look-up.
class EncoderCatalogue
{
public:
    EncoderCatalogue();

    // luminance: compare with the encoders' luminance tables, else their
    // chrominance tables (ffmpeg's single table counts as both).
    EncoderMatches Find(const QuantTable& table, bool luminance) const;

    // One result per found table: the first as luminance, the others as chrominance.
    std::vector<EncoderMatches> FindAll(const JpegFacts& facts) const;

private:
    void Add(const QuantTable& table, bool luminance, const MakerSetting& setting);
    void AddIjgRuleFamilies();
    void AddFfmpeg();
    void AddPillow();
    void AddScaleBases();

    using TableMap = std::unordered_map<QuantTable, MakerSettings, QuantTableHash>;
    TableMap m_tables[2];                                      // [0] luminance, [1] chrominance
    std::vector<std::pair<ScaleBase, QuantTable>> m_bases[2];  // likewise
};
