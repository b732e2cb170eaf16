#include "tests/support/TempDir.h"

#include "tests/support/FileTree.h"

#include "framework/TextEncoding.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace {

const wchar_t kSeparator = std::filesystem::path::preferred_separator;

std::wstring WidePath(const std::filesystem::path& path)
{
#ifdef _WIN32
    return path.wstring();
#else
    return Utf8ToWide(path.string());
#endif
}

std::FILE* OpenFile(const std::wstring& path, const char* mode)
{
#ifdef _WIN32
    return _wfopen(path.c_str(), Utf8ToWide(mode).c_str());
#else
    return std::fopen(FsPath(path).c_str(), mode);
#endif
}

int ProcessId()
{
#ifdef _WIN32
    return _getpid();
#else
    return getpid();
#endif
}

} // namespace

TempDir::TempDir()
{
    static std::atomic<int> counter{0};
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    const std::string name = "quantlens-test-" + std::to_string(ProcessId()) + "-" + std::to_string(counter++);
    std::filesystem::remove_all(base / name);
    std::filesystem::create_directory(base / name);
    m_path = WidePath(base / name);
}

TempDir::~TempDir()
{
    RemoveTree(m_path);
}

std::wstring TempDir::File(const std::wstring& name) const
{
    return m_path + kSeparator + name;
}

std::wstring TempDir::Write(const std::wstring& name, const std::vector<unsigned char>& bytes) const
{
    const std::wstring path = File(name);
    WriteBytes(path, bytes);
    return path;
}

std::wstring TempDir::MakeDir(const std::wstring& name) const
{
    const std::wstring path = File(name);
    std::filesystem::create_directory(FsPath(path));
    return path;
}

void WriteBytes(const std::wstring& path, const std::vector<unsigned char>& bytes)
{
    std::FILE* file = OpenFile(path, "wb");
    if (file == nullptr)
        throw std::runtime_error("cannot create " + WideToUtf8(path));
    const size_t written = bytes.empty() ? 0 : std::fwrite(bytes.data(), 1, bytes.size(), file);
    if (std::fclose(file) != 0 || written != bytes.size())
        throw std::runtime_error("cannot write " + WideToUtf8(path));
}

std::vector<unsigned char> ReadBytes(const std::wstring& path)
{
    std::FILE* file = OpenFile(path, "rb");
    if (file == nullptr)
        throw std::runtime_error("cannot open " + WideToUtf8(path));
    std::vector<unsigned char> bytes;
    unsigned char buffer[65536];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        bytes.insert(bytes.end(), buffer, buffer + n);
    std::fclose(file);
    return bytes;
}
