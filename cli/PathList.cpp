#include "cli/PathList.h"

#include "framework/TextEncoding.h"

#include <cstdio>
#include <memory>

namespace {

struct FileCloser
{
    void operator()(FILE* file) const { std::fclose(file); }
};

FILE* OpenList(const std::wstring& listPath)
{
#ifdef _WIN32
    return _wfopen(listPath.c_str(), L"rb");
#else
    return std::fopen(WideToUtf8(listPath).c_str(), "rb");
#endif
}

void AddEntry(std::string& entry, bool nulSeparated, std::vector<std::wstring>& paths)
{
    if (!nulSeparated && !entry.empty() && entry.back() == '\r')
        entry.pop_back();   // a list written on Windows
    if (!entry.empty())
        paths.push_back(Utf8ToWide(entry));
    entry.clear();
}

bool ReadEntries(FILE* file, bool nulSeparated, std::vector<std::wstring>& paths)
{
    const int separator = nulSeparated ? '\0' : '\n';
    std::string entry;
    for (int c; (c = std::fgetc(file)) != EOF;) {
        if (c == separator)
            AddEntry(entry, nulSeparated, paths);
        else
            entry.push_back(static_cast<char>(c));
    }
    AddEntry(entry, nulSeparated, paths);
    return !std::ferror(file);
}

} // namespace

bool ReadPathList(const std::wstring& listPath, bool nulSeparated, std::vector<std::wstring>& paths)
{
    if (listPath == L"-")
        return ReadEntries(stdin, nulSeparated, paths);
    const std::unique_ptr<FILE, FileCloser> file(OpenList(listPath));
    return file && ReadEntries(file.get(), nulSeparated, paths);
}
