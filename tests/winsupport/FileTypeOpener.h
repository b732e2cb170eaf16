#pragma once

#include <string>

// A test class in HKEY_CLASSES_ROOT (the test's own Wine prefix) as the
// opener of one file extension. The extension's class is read when this is
// made; when it goes, the test class is deleted and that class put back.
class FileTypeOpener
{
public:
    FileTypeOpener(const wchar_t* extension, const wchar_t* className);
    ~FileTypeOpener();
    FileTypeOpener(const FileTypeOpener&) = delete;
    FileTypeOpener& operator=(const FileTypeOpener&) = delete;

    // Makes the test class the extension's class, with no command of its own.
    bool Claim() const;
    // Makes the test class the extension's class, running commandTemplate.
    bool Register(const std::wstring& commandTemplate) const;

private:
    std::wstring m_strExtension;
    std::wstring m_strClassName;
    bool m_bHadClass = false;
    std::wstring m_strOldClass;
};
