// The version resource of the built program, as Windows reads it from the file.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

class ProgramVersion : public testing::Test
{
protected:
    void SetUp() override
    {
        DWORD handle = 0;
        const DWORD size = GetFileVersionInfoSizeW(QUANTLENS_EXE, &handle);
        ASSERT_NE(0u, size) << "no version resource, error " << GetLastError();
        m_data.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(QUANTLENS_EXE, 0, size, m_data.data()));
    }

    void* Query(const std::wstring& subBlock, UINT& length)
    {
        void* value = nullptr;
        length = 0;
        if (!VerQueryValueW(m_data.data(), subBlock.c_str(), &value, &length))
            return nullptr;
        return value;
    }

    // A string of the first language and code page the resource lists.
    std::wstring StringValue(const wchar_t* name)
    {
        UINT length = 0;
        const auto* translation = static_cast<const WORD*>(Query(L"\\VarFileInfo\\Translation", length));
        if (translation == nullptr || length < 2 * sizeof(WORD))
            return L"(no translation)";
        wchar_t block[64];
        swprintf(block, 64, L"\\StringFileInfo\\%04x%04x\\%ls", translation[0], translation[1], name);
        const auto* text = static_cast<const wchar_t*>(Query(block, length));
        return text != nullptr ? std::wstring(text) : L"(missing)";
    }

    std::vector<BYTE> m_data;
};

TEST_F(ProgramVersion, FixedVersionIsOneZero)
{
    UINT length = 0;
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(Query(L"\\", length));
    ASSERT_NE(nullptr, fixed);
    ASSERT_EQ(sizeof(VS_FIXEDFILEINFO), length);
    EXPECT_EQ(0xFEEF04BDu, fixed->dwSignature);
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(0, 1)), fixed->dwFileVersionMS);
    EXPECT_EQ(0u, fixed->dwFileVersionLS);
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(0, 1)), fixed->dwProductVersionMS);
    EXPECT_EQ(0u, fixed->dwProductVersionLS);
    EXPECT_EQ(static_cast<DWORD>(VFT_APP), fixed->dwFileType);
}

TEST_F(ProgramVersion, VersionStringsRead100)
{
    EXPECT_EQ(L"1.00", StringValue(L"FileVersion"));
    EXPECT_EQ(L"1.00", StringValue(L"ProductVersion"));
    EXPECT_EQ(L"Quantlens.exe", StringValue(L"OriginalFilename"));
}

} // namespace
