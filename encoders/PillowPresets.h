#pragma once

#include "inspect/QuantTable.h"

// Pillow's nine JPEG presets. Six of them are the tables Photoshop writes.
const int kPillowPresetCount = 9;

struct PillowPreset
{
    // Which Photoshop command writes the preset's tables, at photoshopQuality.
    enum class Photoshop { None, SaveAs, SaveForWeb };

    const char* name;
    Photoshop photoshop;
    int photoshopQuality;   // 0 when photoshop is None
    QuantTable luminance;
    QuantTable chrominance;
};

const PillowPreset& PillowPresetAt(int index);
