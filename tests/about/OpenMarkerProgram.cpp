// A program that records how it was started: its whole command line and its
// working folder, one a line in UTF-8, in the file named by its first
// argument. Registered as the opener of ".htm" files, it shows what the shell
// ran for a page and from which folder.
#include "framework/TextEncoding.h"
#include "tests/about/FirstArgument.h"
#include "tests/support/TempDir.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

std::wstring WorkingFolder()
{
    std::vector<wchar_t> folder(GetCurrentDirectoryW(0, nullptr) + 1);
    GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
    return folder.data();
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    const std::wstring recordPath = FirstArgument();
    if (recordPath.empty())
        return 2;
    const std::string record = WideToUtf8(GetCommandLineW()) + "\n" + WideToUtf8(WorkingFolder()) + "\n";
    // Written aside and renamed, so that a reader never sees half a record.
    const std::wstring part = recordPath + L".part";
    WriteBytes(part, std::vector<unsigned char>(record.begin(), record.end()));
    return MoveFileExW(part.c_str(), recordPath.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
