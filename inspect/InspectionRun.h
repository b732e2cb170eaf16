#pragma once

#include "inspect/DecoderHook.h"
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

// The hooks ride along on the header read (see DecoderHook).
InspectionOutcome InspectSourceFile(const std::wstring& path, const DecoderHooks& hooks = {});

// The message shown when the header reader cannot open a file that passed the check.
extern const wchar_t kSourceReadFailedMessage[];
