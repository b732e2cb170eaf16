#include "tests/generator/FileOutput.h"

#include <cstdio>
#include <sys/stat.h>

#ifdef _WIN32
#include <direct.h>
#else
#include <cerrno>

#include "framework/TextEncoding.h"
#endif

namespace {

std::FILE* OpenForWriting(const std::wstring& path)
{
#ifdef _WIN32
    return _wfopen(path.c_str(), L"wb");
#else
    return std::fopen(WideToUtf8(path).c_str(), "wb");
#endif
}

} // namespace

bool WriteFileBytes(const std::wstring& path, const std::vector<unsigned char>& bytes)
{
    std::FILE* file = OpenForWriting(path);
    if (file == nullptr)
        return false;
    const bool written =
        bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

bool MakeDirectory(const std::wstring& path)
{
#ifdef _WIN32
    if (_wmkdir(path.c_str()) == 0)
        return true;
    struct _stat info;
    return _wstat(path.c_str(), &info) == 0 && (info.st_mode & _S_IFDIR) != 0;
#else
    const std::string narrow = WideToUtf8(path);
    if (mkdir(narrow.c_str(), 0777) == 0)
        return true;
    struct stat info;
    return errno == EEXIST && stat(narrow.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
#endif
}
