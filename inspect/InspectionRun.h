#pragma once

#include "inspect/InspectionReport.h"
#include "inspect/JpegFacts.h"

#include <string>

// One run of the Start command without a window: the source-file check, the
// header reader (both through one open of the file) and the report, with
// every failure caught and kept as text.
struct InspectionOutcome
{
    enum class Status { Ok, Refused, Error };

    Status status = Status::Error;
    std::wstring message;        // the refusal or error text, when not Ok
    JpegFacts facts{};
    InspectionReport report;
    std::wstring tablesText;     // the file-table box's text
};

InspectionOutcome InspectSourceFile(const std::wstring& path);

// The message shown when the header reader cannot open a file that passed the check.
extern const wchar_t kSourceReadFailedMessage[];
