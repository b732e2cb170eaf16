#pragma once

#include "inspect/JpegObjects.h"
#include "inspect/QuantTable.h"

// IJG's quality scaling applied to any base table, by the JPEG library itself
// (jpeg_quality_scaling and jpeg_add_quant_table): the rule mozjpeg applies to
// its table sets. One compression object serves every call.
class IjgRuleScaler
{
public:
    QuantTable Scale(const QuantTable& base, int quality, bool forceBaseline);

private:
    JpegCompressor m_compressor;
};
