#pragma once

#include <gtest/gtest.h>

#include <string>

// Registers a test class as the opener of ".htm" files in HKEY_CLASSES_ROOT
// (the test's own Wine prefix), and puts the previous opener back.
class HtmlOpenerKeys : public testing::Test
{
protected:
    static constexpr const wchar_t* kClassName = L"QuantlensTest.LinkOpener";

    void SetUp() override;
    void TearDown() override;

    static bool ReadDefaultValue(const wchar_t* keyPath, std::wstring& value);
    static void SetDefaultValue(const std::wstring& keyPath, const std::wstring& value);
    // Makes the test class the ".htm" opener, running commandTemplate.
    static void RegisterOpener(const std::wstring& commandTemplate);

private:
    bool m_bHadOpener = false;
    std::wstring m_strOldOpener;
};
