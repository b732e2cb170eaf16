#include "tests/winsupport/FileTypeOpener.h"

#include <windows.h>
#include <shlwapi.h>

namespace {

bool ReadDefaultValue(const std::wstring& keyPath, std::wstring& value)
{
    wchar_t buffer[512] = {};
    LONG bytes = sizeof buffer;
    if (RegQueryValueW(HKEY_CLASSES_ROOT, keyPath.c_str(), buffer, &bytes) != ERROR_SUCCESS)
        return false;
    value = buffer;
    return true;
}

// Makes the key when it is missing.
bool SetDefaultValue(const std::wstring& keyPath, const std::wstring& value)
{
    return RegSetValueW(HKEY_CLASSES_ROOT, keyPath.c_str(), REG_SZ, value.c_str(), 0) == ERROR_SUCCESS;
}

} // namespace

FileTypeOpener::FileTypeOpener(const wchar_t* extension, const wchar_t* className)
    : m_strExtension(extension), m_strClassName(className)
{
    m_bHadClass = ReadDefaultValue(m_strExtension, m_strOldClass);
}

FileTypeOpener::~FileTypeOpener()
{
    SHDeleteKeyW(HKEY_CLASSES_ROOT, m_strClassName.c_str());
    if (m_bHadClass)
        SetDefaultValue(m_strExtension, m_strOldClass);
    else
        SHDeleteKeyW(HKEY_CLASSES_ROOT, m_strExtension.c_str());
}

bool FileTypeOpener::Claim() const
{
    return SetDefaultValue(m_strExtension, m_strClassName);
}

bool FileTypeOpener::Register(const std::wstring& commandTemplate) const
{
    return Claim() && SetDefaultValue(m_strClassName + L"\\shell\\open\\command", commandTemplate);
}
