#include "tests/about/FirstArgument.h"

#include <windows.h>
#include <shellapi.h>

std::wstring FirstArgument()
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const std::wstring first = argv != nullptr && argc > 1 ? argv[1] : L"";
    LocalFree(argv);
    return first;
}
