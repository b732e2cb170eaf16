#include "tests/about/HtmlOpenerKeys.h"

#include <windows.h>
#include <shlwapi.h>

void HtmlOpenerKeys::SetUp()
{
    m_bHadOpener = ReadDefaultValue(L".htm", m_strOldOpener);
}

void HtmlOpenerKeys::TearDown()
{
    SHDeleteKeyW(HKEY_CLASSES_ROOT, kClassName);
    if (m_bHadOpener)
        SetDefaultValue(L".htm", m_strOldOpener);
    else
        SHDeleteKeyW(HKEY_CLASSES_ROOT, L".htm");
}

bool HtmlOpenerKeys::ReadDefaultValue(const wchar_t* keyPath, std::wstring& value)
{
    wchar_t buffer[512] = {};
    LONG bytes = sizeof buffer;
    if (RegQueryValueW(HKEY_CLASSES_ROOT, keyPath, buffer, &bytes) != ERROR_SUCCESS)
        return false;
    value = buffer;
    return true;
}

void HtmlOpenerKeys::SetDefaultValue(const std::wstring& keyPath, const std::wstring& value)
{
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CLASSES_ROOT, keyPath.c_str(), 0, nullptr, 0,
                                             KEY_SET_VALUE, nullptr, &key, nullptr));
    RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

void HtmlOpenerKeys::RegisterOpener(const std::wstring& commandTemplate)
{
    SetDefaultValue(L".htm", kClassName);
    SetDefaultValue(std::wstring(kClassName) + L"\\shell\\open\\command", commandTemplate);
}
