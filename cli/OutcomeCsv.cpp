#include "cli/OutcomeCsv.h"

#include "cli/CsvLine.h"
#include "cli/EncoderText.h"
#include "cli/IjgMatchText.h"
#include "cli/OutcomeText.h"
#include "cli/ProvenanceText.h"
#include "cli/ReportFields.h"
#include "cli/TraceText.h"
#include "inspect/NumberText.h"
#include "framework/TextEncoding.h"

namespace {

std::string TextField(const std::optional<std::wstring>& text)
{
    return text ? WideToUtf8(*text) : std::string();
}

std::string NumberField(const std::optional<int>& number)
{
    return number ? std::to_string(*number) : std::string();
}

void AddStatementFields(const FileStatements& statements, std::vector<std::string>& fields)
{
    fields.push_back(TextField(statements.make));
    fields.push_back(TextField(statements.model));
    fields.push_back(TextField(statements.software));
    fields.push_back(statements.photoshop ? std::to_string(statements.photoshop->quality) : std::string());
    fields.push_back(NumberField(statements.saveForWebQuality));
    fields.push_back(TextField(statements.xmpCreatorTool));
}

} // namespace

std::string CsvHeaderLine()
{
    std::vector<std::string> names = {"path", "status", "message"};
    for (const ReportField& field : kReportFields)
        names.push_back(field.jsonName);
    names.push_back("qualityMismatch");
    names.push_back("ijgMatch");
    names.push_back("encoders");
    for (const char* name : {"make", "model", "software", "photoshopQuality", "saveForWebQuality", "creatorTool"})
        names.push_back(name);
    names.push_back("provenance");
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
    fields.push_back(WideToUtf8(file.provenance ? EncoderLineSummary(file.encoders, *file.provenance)
                                                : EncoderMatchSummary(file.encoders)));
    AddStatementFields(file.statements.value_or(FileStatements{}), fields);
    fields.push_back(file.provenance ? ProvenanceSummary(*file.provenance) : std::string());
    // Empty unless --traces asked for them.
    fields.push_back(file.traces ? TraceKindName(file.traces->kind) : "");
    fields.push_back(file.traces && file.traces->firstQuality != 0 ? WideToUtf8(IntText(file.traces->firstQuality))
                                                                   : "");
    return CsvLine(fields);
}
