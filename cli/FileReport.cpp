#include "cli/FileReport.h"

#include "traces/TracesHook.h"

namespace {

const wchar_t kFolderReadFailedMessage[] = L"文件夹读取失败。";

} // namespace

FileReport InspectFile(const std::wstring& path, const IjgMatchFinder& finder, const EncoderCatalogue& catalogue,
                       bool traces)
{
    TracesHook tracesHook;
    DecoderHooks hooks;
    if (traces)
        hooks.push_back(&tracesHook);
    FileReport report{path, InspectSourceFile(path, hooks), {}, {}, {}};
    if (Succeeded(report)) {
        report.ijgMatch = finder.FindAll(report.outcome.facts);
        report.encoders = catalogue.FindAll(report.outcome.facts);
        if (traces)
            report.traces = tracesHook.Verdict();
    }
    return report;
}

FileReport UnreadableFolderReport(const std::wstring& path)
{
    FileReport report{path, {}, {}, {}, {}};
    report.outcome.status = InspectionOutcome::Status::Error;
    report.outcome.message = kFolderReadFailedMessage;
    return report;
}

bool Succeeded(const FileReport& report)
{
    return report.outcome.status == InspectionOutcome::Status::Ok;
}
