#include "cli/ConsoleOutput.h"

#include "framework/TextEncoding.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#endif

namespace {

#ifdef _WIN32
// A console takes wide text directly; a redirected stream gets UTF-8.
bool WriteConsoleText(std::FILE* stream, const std::wstring& text)
{
    HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode))
        return false;
    std::fflush(stream);
    DWORD written = 0;
    return WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != FALSE;
}
#endif

void Write(std::FILE* stream, const std::wstring& text)
{
#ifdef _WIN32
    if (WriteConsoleText(stream, text))
        return;
#endif
    const std::string bytes = WideToUtf8(text);
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
}

} // namespace

void WriteOut(const std::wstring& text)
{
    Write(stdout, text);
}

void WriteOutUtf8(const std::string& text)
{
    Write(stdout, Utf8ToWide(text));
}

void WriteErr(const std::wstring& text)
{
    Write(stderr, text);
}
