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

// The checked file is read where it is, without a second open.
void ReadAndReport(COpenSourceFile& file, InspectionOutcome& outcome, const DecoderHooks& hooks)
{
    std::FILE* stream = file.RewindAsStream();
    if (stream == nullptr) {
        outcome.message = kSourceReadFailedMessage;
        return;
    }
    ReadJpegStreamFacts(stream, outcome.facts, hooks);
    outcome.report = BuildInspectionReport(outcome.facts);
    outcome.tablesText = FileTablesText(outcome.facts);
    outcome.status = InspectionOutcome::Status::Ok;
}

} // namespace

InspectionOutcome InspectSourceFile(const std::wstring& path, const DecoderHooks& hooks)
{
    InspectionOutcome outcome;
    try {
        COpenSourceFile file;
        if (auto refusal = FindSourceRefusal(path, file)) {
            outcome.status = InspectionOutcome::Status::Refused;
            outcome.message = *refusal;
            return outcome;
        }
        ReadAndReport(file, outcome, hooks);
    } catch (CException* e) {
        outcome.status = InspectionOutcome::Status::Error;
        outcome.message = TakeMessage(e);
    }
    return outcome;
}
