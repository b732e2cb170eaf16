#include "inspect/InspectionRun.h"

#include "framework/Exception.h"
#include "inspect/JpegHeaderReader.h"
#include "intake/SourceFileCheck.h"
#include "ui/QuantTableText.h"

const wchar_t kSourceReadFailedMessage[] = L"源文件读取失败。";

namespace {

std::wstring TakeMessage(CException* e)
{
    wchar_t text[512];
    e->GetErrorMessage(text, 512);
    e->Delete();
    return text;
}

void ReadAndReport(const std::wstring& path, InspectionOutcome& outcome)
{
    if (ReadJpegFacts(path.c_str(), outcome.facts) == 0) {
        outcome.message = kSourceReadFailedMessage;
        return;
    }
    outcome.report = BuildInspectionReport(outcome.facts);
    outcome.tablesText = FileTablesText(outcome.facts);
    outcome.status = InspectionOutcome::Status::Ok;
}

} // namespace

InspectionOutcome InspectSourceFile(const std::wstring& path)
{
    InspectionOutcome outcome;
    try {
        if (auto refusal = FindSourceRefusal(path)) {
            outcome.status = InspectionOutcome::Status::Refused;
            outcome.message = *refusal;
            return outcome;
        }
        ReadAndReport(path, outcome);
    } catch (CException* e) {
        outcome.status = InspectionOutcome::Status::Error;
        outcome.message = TakeMessage(e);
    }
    return outcome;
}
