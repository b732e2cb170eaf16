#pragma once

#include "inspect/JpegFacts.h"

#include <string>

// The texts of the main dialog's report fields for one file, in dialog order.
struct InspectionReport
{
    std::wstring width;
    std::wstring height;
    std::wstring colorSpace;
    std::wstring components;
    std::wstring sampling;
    std::wstring precision;
    std::wstring progressive;
    std::wstring optimized;
    std::wstring tableCount;
    std::wstring sixteenBit;
    std::wstring quality;
    std::wstring variance;
    std::wstring identity;
    bool qualityMismatch = false;   // the quality text is drawn red
};

InspectionReport BuildInspectionReport(const JpegFacts& facts);

// One "是"/"否" per found table, joined by "/": whether the table is exactly
// IJG's table at the estimated quality.
std::wstring IdentityVerdict(const JpegFacts& facts);

// The estimates differ by more than 2: both are shown, in red.
bool QualityMismatch(const JpegFacts& facts);
