// The string table, the version information and the application manifest.

#include "tests/resources/DialogTemplate.h"
#include "tests/resources/ResourceModule.h"

#include "res/AboutInfo.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <iterator>
#include <string>
#include <vector>

namespace {

std::wstring LoadText(int id)
{
    wchar_t text[256] = {};
    int length = LoadStringW(Program().Handle(), static_cast<UINT>(id), text,
                             static_cast<int>(std::size(text)));
    return std::wstring(text, static_cast<size_t>(length));
}

TEST(StringTable, HoldsTheTwoButtonTooltips)
{
    EXPECT_EQ(LoadText(1010), L"选择源文件");
    EXPECT_EQ(LoadText(1012), L"打开源文件");
}

// The main dialog gives a tooltip to every control whose id names a string.
TEST(StringTable, NamesNoOtherControlOfTheMainDialog)
{
    DialogTemplate dialog = ParseDialogTemplate(Program().Bytes(RT_DIALOG, 102));
    for (const DialogItem& item : dialog.items) {
        if (item.id != 1010 && item.id != 1012 && item.id > 0) {
            EXPECT_EQ(LoadText(item.id), L"") << "control " << item.id;
        }
    }
}

class VersionInfo : public testing::Test {
protected:
    void SetUp() override
    {
        DWORD ignored = 0;
        DWORD size = GetFileVersionInfoSizeW(Program().Path().c_str(), &ignored);
        ASSERT_NE(size, 0u) << "error " << GetLastError();
        m_block.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(Program().Path().c_str(), 0, size, m_block.data()));
    }

    const void* Value(const wchar_t* path, UINT& length)
    {
        void* value = nullptr;
        length = 0;
        if (!VerQueryValueW(m_block.data(), path, &value, &length))
            return nullptr;
        return value;
    }

    std::wstring Text(const wchar_t* name)
    {
        UINT length = 0;
        std::wstring path = std::wstring(L"\\StringFileInfo\\080404b0\\") + name;
        auto text = static_cast<const wchar_t*>(Value(path.c_str(), length));
        return text ? std::wstring(text) : L"(missing)";
    }

    std::vector<char> m_block;
};

TEST_F(VersionInfo, SaysVersionOnePointZero)
{
    UINT length = 0;
    auto fixed = static_cast<const VS_FIXEDFILEINFO*>(Value(L"\\", length));
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(Text(L"FileVersion"), L"1.00");
    EXPECT_EQ(Text(L"ProductVersion"), L"1.00");
}

TEST_F(VersionInfo, IsSimplifiedChineseInUnicode)
{
    UINT length = 0;
    auto translation = static_cast<const WORD*>(Value(L"\\VarFileInfo\\Translation", length));
    ASSERT_NE(translation, nullptr);
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 1200);
}

TEST_F(VersionInfo, NamesTheProductAndItsMakers)
{
    EXPECT_EQ(Text(L"ProductName"), L"Quantlens");
    EXPECT_EQ(Text(L"OriginalFilename"), L"Quantlens.exe");
    EXPECT_EQ(Text(L"CompanyName"), L"" ABOUT_COMPANY);
    EXPECT_EQ(Text(L"LegalCopyright"), L"" ABOUT_COPYRIGHT);
    EXPECT_NE(Text(L"FileDescription").find(L"JPEG"), std::wstring::npos);
}

// One class of information about an activation context; the system appends
// strings to the record, so the buffer is sized by asking first.
std::vector<char> QueryContext(HANDLE context, DWORD* index, ULONG infoClass)
{
    SIZE_T size = 0;
    QueryActCtxW(0, context, index, infoClass, nullptr, 0, &size);
    std::vector<char> buffer(size);
    if (size == 0 || !QueryActCtxW(0, context, index, infoClass, buffer.data(), size, &size))
        buffer.clear();
    return buffer;
}

// The identities of the assemblies that an activation context holds, as
// "Name,processorArchitecture=...,version=..." strings.
std::vector<std::wstring> AssemblyIdentities(HANDLE context)
{
    std::vector<std::wstring> identities;
    std::vector<char> details = QueryContext(context, nullptr, ActivationContextDetailedInformation);
    if (details.empty())
        return identities;
    DWORD count =
        reinterpret_cast<const ACTIVATION_CONTEXT_DETAILED_INFORMATION*>(details.data())->ulAssemblyCount;
    for (DWORD index = 1; index <= count; ++index) {
        std::vector<char> buffer =
            QueryContext(context, &index, AssemblyDetailedInformationInActivationContext);
        if (buffer.empty())
            continue;
        auto assembly = reinterpret_cast<const ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(
            buffer.data());
        identities.emplace_back(assembly->lpAssemblyEncodedAssemblyIdentity,
                                assembly->ulEncodedAssemblyIdentityLength / sizeof(wchar_t));
    }
    return identities;
}

// The manifest makes the system bind the program to version 6 of the common
// controls (the themed ones).
TEST(Manifest, BindsCommonControlsVersionSix)
{
    ACTCTXW request = {};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = Program().Path().c_str();
    request.lpResourceName = MAKEINTRESOURCEW(1);
    HANDLE context = CreateActCtxW(&request);
    ASSERT_NE(context, INVALID_HANDLE_VALUE) << "error " << GetLastError();
    std::vector<std::wstring> identities = AssemblyIdentities(context);
    ReleaseActCtx(context);

    bool commonControls6 = false;
    for (std::wstring identity : identities) {
        CharLowerW(&identity[0]);
        commonControls6 |= identity.rfind(L"microsoft.windows.common-controls,", 0) == 0
                           && identity.find(L"version=\"6.") != std::wstring::npos;
    }
    EXPECT_TRUE(commonControls6) << identities.size() << " assemblies, none of them common controls 6";
}

}  // namespace
