#pragma once

#include <vector>

// The encoders whose tables the catalogue reproduces exactly.
enum class Encoder { Ijg, Mozjpeg, Ffmpeg, Pillow };

// One setting of one encoder at which it writes a given table.
struct MakerSetting
{
    Encoder encoder;
    int table;       // mozjpeg: its table set (quant_table) 1..8; pillow: preset index; else 0
    int quality;     // ijg, mozjpeg: quality 1..100; ffmpeg: -q:v 2..31; pillow: 0
    bool baseline;   // ijg, mozjpeg: baseline forcing; else false

    bool operator==(const MakerSetting& other) const
    {
        return encoder == other.encoder && table == other.table && quality == other.quality &&
               baseline == other.baseline;
    }
};

using MakerSettings = std::vector<MakerSetting>;
