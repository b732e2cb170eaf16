#include "intake/SourceFileCheck.h"

#include "intake/SignatureTable.h"
#include "intake/SourceFileAccess.h"

#include <cwctype>

namespace {

bool EqualIgnoringCase(const std::wstring& a, const wchar_t* b)
{
    size_t i = 0;
    for (; i < a.size() && b[i] != L'\0'; ++i)
        if (std::towlower(a[i]) != std::towlower(b[i]))
            return false;
    return i == a.size() && b[i] == L'\0';
}

} // namespace

bool HasJpegExtension(const std::wstring& path)
{
    const std::wstring extension = SourcePathExtension(path);
    return EqualIgnoringCase(extension, L".jpg") || EqualIgnoringCase(extension, L".jpeg");
}

std::optional<std::wstring> FindSourceRefusal(const std::wstring& path, COpenSourceFile& file)
{
    if (path.empty())
        return std::wstring(L"请先选择源文件。");
    // A file that opens exists: the existence test is needed only when the
    // open fails (or is not tried), which saves a batch one call per file.
    const bool jpegName = HasJpegExtension(path);
    const bool opened = jpegName && file.Open(path);
    if (!opened && !SourcePathExists(path))
        return std::wstring(L"所选源文件已不存在，请重新选择。");
    if (!jpegName)
        return std::wstring(L"所选源文件不是jpg文件，请重新选择。");

    unsigned char head[16] = {};
    if (!opened || !file.ReadHead(head))
        return std::wstring(L"所选源文件打开失败。如果其他软件正在使用此文件，请先关闭。");
    return JudgeSignature(head);
}

std::optional<std::wstring> FindSourceRefusal(const std::wstring& path)
{
    COpenSourceFile file;
    auto refusal = FindSourceRefusal(path, file);
    file.Close();
    return refusal;
}
