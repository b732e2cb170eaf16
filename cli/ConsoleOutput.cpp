#include "cli/ConsoleOutput.h"

#include "framework/TextEncoding.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

const size_t kOutputBufferSize = 1 << 16;

#ifdef _WIN32

// The console behind stream, or null when it goes elsewhere.
HANDLE ConsoleOf(std::FILE* stream)
{
    HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) ? handle : nullptr;
}

// Standard streams do not change their target while the program runs.
HANDLE CachedConsoleOf(std::FILE* stream)
{
    static const HANDLE out = ConsoleOf(stdout);
    static const HANDLE err = ConsoleOf(stderr);
    return stream == stdout ? out : err;
}

bool IsConsole(std::FILE* stream)
{
    return CachedConsoleOf(stream) != nullptr;
}

// A console takes wide text directly.
void WriteConsoleText(std::FILE* stream, const std::wstring& text)
{
    std::fflush(stream);
    DWORD written = 0;
    WriteConsoleW(CachedConsoleOf(stream), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

#else

bool IsConsole(std::FILE*)
{
    return false;
}

void WriteConsoleText(std::FILE*, const std::wstring&) {}

#endif

bool IsTerminal(std::FILE* stream)
{
#ifdef _WIN32
    return IsConsole(stream);
#else
    return isatty(fileno(stream)) != 0;
#endif
}

// A reader that went away (| head) ends the program at once and quietly, as
// the broken-pipe signal does on Linux; any other failure to write standard
// output is told on standard error.
[[noreturn]] void StopOnOutputFailure(int error)
{
    if (error != EPIPE)
        std::fprintf(stderr, "quantlens-report: cannot write standard output: %s\n", std::strerror(error));
    std::_Exit(1);
}

void WriteBytes(std::FILE* stream, const std::string& bytes)
{
    if (std::fwrite(bytes.data(), 1, bytes.size(), stream) != bytes.size() && stream == stdout)
        StopOnOutputFailure(errno);
}

void Write(std::FILE* stream, const std::wstring& text)
{
    if (IsConsole(stream))
        WriteConsoleText(stream, text);
    else
        WriteBytes(stream, WideToUtf8(text));
}

} // namespace

void WriteOut(const std::wstring& text)
{
    Write(stdout, text);
}

void WriteOutUtf8(const std::string& text)
{
    if (IsConsole(stdout))
        WriteConsoleText(stdout, Utf8ToWide(text));
    else
        WriteBytes(stdout, text);
}

void WriteErr(const std::wstring& text)
{
    Write(stderr, text);
}

void PrepareStandardStreams()
{
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);   // path lists may hold any byte
#endif
    if (!IsTerminal(stdout))
        std::setvbuf(stdout, nullptr, _IOFBF, kOutputBufferSize);
}

void FinishOutput()
{
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        StopOnOutputFailure(errno);
}

bool StandardErrorIsTerminal()
{
    return IsTerminal(stderr);
}
