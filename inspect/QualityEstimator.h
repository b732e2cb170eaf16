#pragma once

#include "inspect/QualityEstimate.h"
#include "inspect/QuantTable.h"

#include <array>

using BaseTable = std::array<int, 64>;

// The JPEG standard's Annex K example tables (K.1 luminance, K.2 chrominance),
// natural order: the tables the IJG quality scaling starts from.
extern const BaseTable LuminanceBase;
extern const BaseTable ChrominanceBase;

// Works the IJG quality factor back from a table by taking each entry as a
// percentage of the base table's entry and inverting the IJG scaling rule.
QualityEstimate EstimateQuality(const QuantTable& table, const BaseTable& base);
