#include "inspect/InspectionReport.h"

#include "inspect/IjgTables.h"
#include "inspect/NumberText.h"

#include <cstdlib>

namespace {

const wchar_t kYes[] = L"是";
const wchar_t kNo[] = L"否";

const wchar_t* YesNo(bool value) { return value ? kYes : kNo; }

std::wstring ColorSpaceText(int colorSpace)
{
    switch (colorSpace) {
    case 1: return L"灰度";
    case 2: return L"RGB";
    case 3: return L"YCbCr";
    case 4: return L"CMYK";
    case 5: return L"YCCK";
    default: return L"未知";
    }
}

// Ratios exist for the first four components only; the text stops there.
std::wstring SamplingText(const JpegFacts& facts)
{
    std::wstring text;
    for (int i = 0; i < facts.components && i < 4; ++i) {
        if (i > 0)
            text += L' ';
        text += IntText(facts.hSampling[i]) + L'x' + IntText(facts.vSampling[i]);
    }
    return text;
}

std::wstring QualityText(const JpegFacts& facts)
{
    const int luma = facts.estimates[0].quality;
    if (QualityMismatch(facts))
        return IntText(luma) + L'/' + IntText(facts.estimates[1].quality);
    return IntText(luma);
}

std::wstring VarianceText(const JpegFacts& facts)
{
    if (facts.tableCount == 1)
        return FixedText2(facts.estimates[0].variance);
    return FixedText2(facts.estimates[0].variance) + L'/' + FixedText2(facts.estimates[1].variance);
}

} // namespace

bool QualityMismatch(const JpegFacts& facts)
{
    return std::abs(facts.estimates[0].quality - facts.estimates[1].quality) > 2;
}

std::wstring IdentityVerdict(const JpegFacts& facts)
{
    const bool forceBaseline = facts.sixteenBit == 0;
    std::wstring verdict;
    for (int t = 0; t < facts.tableCount; ++t) {
        // The first table is judged against IJG's luminance table, every later
        // one against IJG's chrominance table at the chrominance estimate.
        const bool luminance = t == 0;
        const IjgTables ijg = BuildIjgTables(facts.estimates[luminance ? 0 : 1].quality, forceBaseline);
        const QuantTable& reference = luminance ? ijg.luminance : ijg.chrominance;
        if (t > 0)
            verdict += L'/';
        verdict += YesNo(facts.tables[t] == reference);
    }
    return verdict;
}

InspectionReport BuildInspectionReport(const JpegFacts& facts)
{
    InspectionReport report;
    report.width = IntText(facts.width);
    report.height = IntText(facts.height);
    report.colorSpace = ColorSpaceText(facts.colorSpace);
    report.components = IntText(facts.components);
    report.sampling = SamplingText(facts);
    report.precision = IntText(facts.precision);
    report.progressive = YesNo(facts.progressive != 0);
    report.optimized = YesNo(facts.standardHuffman == 0);
    report.tableCount = IntText(facts.tableCount);
    report.sixteenBit = YesNo(facts.sixteenBit != 0);
    report.quality = QualityText(facts);
    report.variance = VarianceText(facts);
    report.identity = IdentityVerdict(facts);
    report.qualityMismatch = QualityMismatch(facts);
    return report;
}
