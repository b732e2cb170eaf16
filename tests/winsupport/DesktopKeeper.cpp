// Holds a Wine session open while test suites come and go. With the session's
// desktop (explorer.exe) already up, a new suite does not wait for one; an
// emulated machine under load can miss Wine's 10 s for that, and every dialog
// of the suite then fails (error 1400). Creates the file named on its command
// line once the desktop exists, then waits to be killed.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR marker, int)
{
    // The first call starts the desktop; under load it may time out once.
    HWND desktop = nullptr;
    for (int attempt = 0; attempt < 10 && desktop == nullptr; ++attempt)
        desktop = GetDesktopWindow();
    if (desktop == nullptr)
        return 1;
    HANDLE file = CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    CloseHandle(file);
    Sleep(INFINITE);
    return 0;
}
