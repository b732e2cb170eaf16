#include "cli/OutcomeCsv.h"

#include "cli/CsvLine.h"
#include "cli/EncoderText.h"
#include "cli/IjgMatchText.h"
#include "cli/OutcomeText.h"
#include "cli/ReportFields.h"
#include "cli/TraceText.h"
#include "inspect/NumberText.h"
#include "framework/TextEncoding.h"

std::string CsvHeaderLine()
{
    std::vector<std::string> names = {"path", "status", "message"};
    for (const ReportField& field : kReportFields)
        names.push_back(field.jsonName);
    names.push_back("qualityMismatch");
    names.push_back("ijgMatch");
    names.push_back("encoders");
    names.push_back("traces");
    names.push_back("firstQuality");
    return CsvLine(names);
}

std::string OutcomeCsvLine(const FileReport& file)
{
    const InspectionOutcome& outcome = file.outcome;
    const bool ok = Succeeded(file);
    std::vector<std::string> fields = {WideToUtf8(file.path), WideToUtf8(StatusName(outcome.status)),
                                       WideToUtf8(outcome.message)};
    for (const ReportField& field : kReportFields)
        fields.push_back(ok ? WideToUtf8(outcome.report.*field.text) : std::string());
    fields.push_back(ok ? (outcome.report.qualityMismatch ? "true" : "false") : "");
    fields.push_back(WideToUtf8(IjgMatchSummary(file.ijgMatch)));
    fields.push_back(WideToUtf8(EncoderMatchSummary(file.encoders)));
    // Empty unless --traces asked for them.
    fields.push_back(file.traces ? TraceKindName(file.traces->kind) : "");
    fields.push_back(file.traces && file.traces->firstQuality != 0 ? WideToUtf8(IntText(file.traces->firstQuality))
                                                                   : "");
    return CsvLine(fields);
}
