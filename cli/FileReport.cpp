#include "cli/FileReport.h"

#include "statements/StatementReader.h"
#include "traces/TracesHook.h"

namespace {

const wchar_t kFolderReadFailedMessage[] = L"文件夹读取失败。";

} // namespace

FileReport InspectFile(const std::wstring& path, const IjgMatchFinder& finder, const EncoderCatalogue& catalogue,
                       const ProvenanceJudge* judge, bool traces)
{
    StatementReader statements(catalogue);
    TracesHook tracesHook;
    // The traces read through the scan, so they come after every other hook.
    DecoderHooks hooks{&statements};
    if (traces)
        hooks.push_back(&tracesHook);
    FileReport report{path, InspectSourceFile(path, hooks), {}, {}, {}, {}, {}};
    if (Succeeded(report)) {
        report.ijgMatch = finder.FindAll(report.outcome.facts);
        report.encoders = catalogue.FindAll(report.outcome.facts);
        report.statements = statements.Take();
        if (traces)
            report.traces = tracesHook.Verdict();
        if (judge)
            report.provenance = judge->Judge(report.outcome.facts, report.encoders, *report.statements,
                                             report.traces ? &*report.traces : nullptr);
    }
    return report;
}

FileReport UnreadableFolderReport(const std::wstring& path)
{
    FileReport report{path, {}, {}, {}, {}, {}, {}};
    report.outcome.status = InspectionOutcome::Status::Error;
    report.outcome.message = kFolderReadFailedMessage;
    return report;
}

bool Succeeded(const FileReport& report)
{
    return report.outcome.status == InspectionOutcome::Status::Ok;
}
