#include "cli/ReportCommand.h"

#include "cli/ConsoleOutput.h"
#include "cli/OutcomeText.h"
#include "inspect/InspectionRun.h"

namespace {

const wchar_t kUsage[] =
    L"用法: quantlens-report [--json] 文件...\n"
    L"Usage: quantlens-report [--json] FILE...\n"
    L"\n"
    L"Inspects each JPEG file's headers as Quantlens does (the same source-file\n"
    L"check, header reader, quality estimate and report) and prints the report.\n"
    L"\n"
    L"  --json   one JSON object per file per line instead of text\n"
    L"  --help   this text\n"
    L"  --       every later argument is a file name\n"
    L"\n"
    L"A refused or unreadable file is named on standard error with its message;\n"
    L"the other files go on. Exit status: 0 all reported, 1 any file failed,\n"
    L"2 usage error.\n";

struct ReportOptions
{
    bool json = false;
    bool help = false;
    std::vector<std::wstring> files;
    std::wstring badOption;
};

ReportOptions ParseOptions(const std::vector<std::wstring>& args)
{
    ReportOptions options;
    bool onlyFiles = false;
    for (const std::wstring& arg : args) {
        if (onlyFiles || arg.empty() || arg[0] != L'-' || arg == L"-")
            options.files.push_back(arg);
        else if (arg == L"--")
            onlyFiles = true;
        else if (arg == L"--json")
            options.json = true;
        else if (arg == L"--help" || arg == L"-h")
            options.help = true;
        else if (options.badOption.empty())
            options.badOption = arg;
    }
    return options;
}

bool ReportFile(const std::wstring& path, const ReportOptions& options, bool first)
{
    const InspectionOutcome outcome = InspectSourceFile(path);
    if (options.json)
        WriteOutUtf8(OutcomeJson(path, outcome) + "\n");
    else
        WriteOut((first ? L"" : L"\n") + OutcomeText(path, outcome));
    if (outcome.status == InspectionOutcome::Status::Ok)
        return true;
    WriteErr(path + L": " + outcome.message + L"\n");
    return false;
}

} // namespace

int RunReportCommand(const std::vector<std::wstring>& args)
{
    const ReportOptions options = ParseOptions(args);
    if (options.help) {
        WriteOut(kUsage);
        return 0;
    }
    if (!options.badOption.empty() || options.files.empty()) {
        if (!options.badOption.empty())
            WriteErr(L"quantlens-report: unknown option " + options.badOption + L"\n");
        WriteErr(kUsage);
        return 2;
    }
    bool allReported = true;
    for (size_t i = 0; i < options.files.size(); ++i)
        allReported = ReportFile(options.files[i], options, i == 0) && allReported;
    return allReported ? 0 : 1;
}
