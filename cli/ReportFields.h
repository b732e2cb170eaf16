#pragma once

#include "inspect/InspectionReport.h"

#include <string>

// One report field as the dialog shows it: the label before the value, the
// unit after it, the JSON name and the value's place in the report.
struct ReportField
{
    const char* jsonName;
    const wchar_t* label;
    const wchar_t* unit;
    std::wstring InspectionReport::*text;
};

// The thirteen fields in the dialog's order.
extern const ReportField kReportFields[13];
