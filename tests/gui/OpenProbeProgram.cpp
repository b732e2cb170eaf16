// What the open button's association runs in the tests: writes its command
// line and its current folder, one per line in UTF-16, to the file that the
// environment variable QUANTLENS_OPEN_MARKER names, then ends.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    wchar_t marker[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"QUANTLENS_OPEN_MARKER", marker, MAX_PATH) == 0)
        return 1;
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    const std::wstring record = std::wstring(GetCommandLineW()) + L"\n" + folder;

    // Written under a temporary name and renamed, so the test never reads half a record.
    const std::wstring partial = std::wstring(marker) + L".part";
    HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    WriteFile(file, record.data(), static_cast<DWORD>(record.size() * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(file);
    return MoveFileW(partial.c_str(), marker) ? 0 : 1;
}
