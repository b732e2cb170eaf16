// Every refusal of the source-file check, reached through the Start command:
// one exclamation box with the exact text, and the window left as it was.

#include "tests/gui/InspectorWindow.h"

#include "res/resource.h"
#include "tests/generator/ByteStreams.h"

namespace {

class SourceCheck : public InspectorWindow
{
protected:
    // Starts on path and expects exactly one more box, with text.
    void ExpectRefused(const std::wstring& path, const std::wstring& text)
    {
        const size_t before = Boxes().size();
        Start(path);
        ASSERT_EQ(Boxes().size(), before + 1) << path.c_str();
        EXPECT_EQ(Boxes().back().text, text) << path.c_str();
        EXPECT_EQ(Boxes().back().type & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
        EXPECT_EQ(Text(IDC_WIDTH), L"");
        EXPECT_EQ(Selection(IDC_LUMA_QUALITY), CB_ERR);
    }

    std::wstring Head(const std::wstring& name, std::vector<unsigned char> bytes)
    {
        bytes.resize(32, 'x');
        return WriteFile(name, bytes);
    }
};

const wchar_t kUnrecognised[] = L"所选文件无法识别，请重新选择。";
const wchar_t kOpenFailed[] = L"所选源文件打开失败。如果其他软件正在使用此文件，请先关闭。";
const wchar_t kNotJpg[] = L"所选源文件不是jpg文件，请重新选择。";

std::wstring KindMessage(const std::wstring& kind)
{
    return L"所选源文件其实是一个" + kind + L"文件，请重新选择。";
}

TEST_F(SourceCheck, EmptyPathAsksForAFile)
{
    Start(L"");
    ExpectOneBox(L"请先选择源文件。", MB_ICONEXCLAMATION);
}

TEST_F(SourceCheck, MissingFileIsRefused)
{
    Start(m_dir.File(L"missing.jpg"));
    ExpectOneBox(L"所选源文件已不存在，请重新选择。", MB_ICONEXCLAMATION);
}

TEST_F(SourceCheck, NamesAreJudgedByTheirExtension)
{
    ExpectRefused(m_dir.MakeDir(L"folder"), kNotJpg);
    ExpectRefused(WriteFile(L"sample.png", SoiOnlyStream()), kNotJpg);
    ExpectRefused(WriteFile(L"sample.jfif", SoiOnlyStream()), kNotJpg);
    ExpectRefused(m_dir.MakeDir(L"x.jpg"), kOpenFailed);
}

TEST_F(SourceCheck, UpperAndMixedCaseExtensionsPass)
{
    Start(WriteFile(L"upper.JPG", SoiOnlyStream()));
    Start(WriteFile(L"mixed.JpEg", SoiOnlyStream()));
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Text(IDC_WIDTH), L"0");
}

TEST_F(SourceCheck, ContentIsJudgedBySignature)
{
    ExpectRefused(WriteFile(L"empty.jpg", {}), kUnrecognised);
    ExpectRefused(Head(L"rar.jpg", {'R', 'a', 'r', '!'}), L"所选源文件其实是个RAR文件，请先解压再试");
    ExpectRefused(Head(L"zip.jpg", {'P', 'K', 3, 4}), L"所选源文件其实是个ZIP文件，请先解压再试");
    ExpectRefused(Head(L"png.jpg", {0x89, 'P', 'N', 'G'}), KindMessage(L"PNG"));
    ExpectRefused(Head(L"gif.jpg", {'G', 'I', 'F', '8', '9', 'a'}), KindMessage(L"GIF"));
    ExpectRefused(Head(L"bmp.jpg", {'B', 'M'}), KindMessage(L"BMP"));
    ExpectRefused(Head(L"ii.jpg", {'I', 'I', '*', 0}), KindMessage(L"TIFF"));
    ExpectRefused(Head(L"mm.jpg", {'M', 'M', 0, '*'}), KindMessage(L"TIFF"));
    ExpectRefused(Head(L"djvu.jpg", {'A', 'T', '&', 'T'}), KindMessage(L"DjVu"));
    ExpectRefused(Head(L"j2c.jpg", {0xFF, 0x4F, 0xFF, 0x51}), KindMessage(L"JPEG 2000"));
    ExpectRefused(Head(L"jp2.jpg", {0, 0, 0, 0x0C, 'j', 'P', ' ', ' ', 0x0D, 0x0A, 0x87, 0x0A}),
                  KindMessage(L"JPEG 2000"));
    ExpectRefused(Head(L"pdg.jpg", {'H', 'H'}), KindMessage(L"PDG"));
    ExpectRefused(Head(L"ffd9.jpg", {0xFF, 0xD9}), kUnrecognised);
}

TEST_F(SourceCheck, FileHeldOpenForWritingCannotBeOpened)
{
    const std::wstring path = WriteFile(L"busy.jpg", SoiOnlyStream());
    HANDLE hWriter = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hWriter, INVALID_HANDLE_VALUE);
    Start(path);
    CloseHandle(hWriter);
    ExpectOneBox(kOpenFailed, MB_ICONEXCLAMATION);
}

} // namespace
