#include "cli/ReportCommand.h"

#ifdef _WIN32

int wmain(int argc, wchar_t** argv)
{
    return RunReportCommand(std::vector<std::wstring>(argv + 1, argv + argc));
}

#else

#include "framework/TextEncoding.h"

int main(int argc, char** argv)
{
    std::vector<std::wstring> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(Utf8ToWide(argv[i]));
    return RunReportCommand(args);
}

#endif
