#include "cli/FileReport.h"

#include "statements/StatementReader.h"

namespace {

const wchar_t kFolderReadFailedMessage[] = L"文件夹读取失败。";

} // namespace

FileReport InspectFile(const std::wstring& path, const IjgMatchFinder& finder, const EncoderCatalogue& catalogue)
{
    StatementReader statements(catalogue);
    FileReport report{path, InspectSourceFile(path, {&statements}), {}, {}, {}};
    if (Succeeded(report)) {
        report.ijgMatch = finder.FindAll(report.outcome.facts);
        report.encoders = catalogue.FindAll(report.outcome.facts);
        report.statements = statements.Take();
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
