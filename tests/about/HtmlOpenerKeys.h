#pragma once

#include "tests/winsupport/FileTypeOpener.h"

#include <gtest/gtest.h>

#include <string>

// A test class as the opener of ".htm" files while the test runs.
class HtmlOpenerKeys : public testing::Test
{
protected:
    static constexpr const wchar_t* kClassName = L"QuantlensTest.LinkOpener";

    // Makes the test class the ".htm" opener, without a command.
    void ClaimHtml() { ASSERT_TRUE(m_opener.Claim()); }
    // Makes the test class the ".htm" opener, running commandTemplate.
    void RegisterOpener(const std::wstring& commandTemplate) { ASSERT_TRUE(m_opener.Register(commandTemplate)); }

private:
    FileTypeOpener m_opener{L".htm", kClassName};
};
