// What a file says about its maker, from byte-built segments: every kind read
// as written, in the forms the real samples lack (XMP elements, progressive
// Photoshop, text that is not UTF-8, long comments), and every damaged kind
// said unreadable without costing the header report or another statement.
#include "cli/FileReport.h"
#include "cli/StatementText.h"
#include "framework/TextEncoding.h"
#include "tests/generator/ByteStreams.h"
#include "tests/generator/MakerSegments.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {

FileReport Inspect(const std::vector<unsigned char>& bytes)
{
    static const IjgMatchFinder finder;
    static const EncoderCatalogue catalogue;
    TempDir dir;
    return InspectFile(dir.Write(L"file.jpg", bytes), finder, catalogue);
}

std::vector<std::string> Utf8(const std::vector<std::wstring>& texts)
{
    std::vector<std::string> utf8;
    for (const std::wstring& text : texts)
        utf8.push_back(WideToUtf8(text));
    return utf8;
}

} // namespace

TEST(Statements, WellFormedSegmentsReadAsWritten)
{
    const FileReport report = Inspect(BaselineWithSegments(WellFormedMakerSegments()));
    ASSERT_TRUE(report.statements.has_value());
    const FileStatements& s = *report.statements;
    EXPECT_EQ(WideToUtf8(s.make.value_or(L"")), "Caf\xEF\xBF\xBD");
    EXPECT_EQ(WideToUtf8(s.model.value_or(L"")), "Caf\xC3\xA9 Model");
    EXPECT_EQ(s.dateTime, L"2016:01:02 03:04:05");
    EXPECT_EQ(s.dateTimeOriginal, L"2015:11:20 05:20:30");
    EXPECT_EQ(s.orientation, 6);
    EXPECT_EQ(s.exifWidth, 3648);
    EXPECT_EQ(s.exifHeight, 2736);
    EXPECT_EQ(s.makerNoteBytes, 37);
    ASSERT_TRUE(s.photoshop.has_value());
    EXPECT_EQ(s.photoshop->quality, 10);
    EXPECT_EQ(s.photoshop->format, 2);
    EXPECT_EQ(s.photoshop->scans, 4);
    EXPECT_EQ(s.saveForWebQuality, 60);
    EXPECT_EQ(s.xmpCreatorTool, L"Adobe Photoshop 21.0 (Macintosh)");
    EXPECT_EQ(Utf8(s.xmpHistoryAgents), (std::vector<std::string>{"Adobe Photoshop 21.0 (Macintosh)", "GIMP 2.10",
                                                                   "Adobe Photoshop 22.1 (Windows)"}));
    const std::string longComment = std::string(10, 'c') + "\xEF\xBF\xBD" + std::string(245, 'c');
    EXPECT_EQ(Utf8(s.comments), (std::vector<std::string>{
                                    longComment, "CREATOR: gd-jpeg v1.0 (using IJG JPEG v62), quality = 75"}));
    EXPECT_FALSE(s.jfif.has_value());
    EXPECT_FALSE(s.adobe.has_value());
    EXPECT_TRUE(s.unreadable.empty());

    // The thumbnail is BaselineStream() itself, read as the file would be.
    ASSERT_TRUE(s.thumbnail.has_value());
    const FileReport thumbnail = Inspect(BaselineStream());
    EXPECT_EQ(s.thumbnail->bytes, static_cast<std::int64_t>(BaselineStream().size()));
    EXPECT_EQ(s.thumbnail->facts.width, 16);
    EXPECT_EQ(s.thumbnail->facts.tableCount, 2);
    EXPECT_EQ(s.thumbnail->facts.tables[1], thumbnail.outcome.facts.tables[1]);
    EXPECT_EQ(s.thumbnail->encoders.size(), 2u);
    EXPECT_EQ(s.thumbnail->encoders[0].makers, thumbnail.encoders[0].makers);

    EXPECT_EQ(WideToUtf8(StatementBlockText(s)),
              "文件自述:\n"
              "  相机: Caf\xEF\xBF\xBD Caf\xC3\xA9 Model\n"
              "  拍摄时间: 2015:11:20 05:20:30\n"
              "  修改时间: 2016:01:02 03:04:05\n"
              "  方向: 6（顺时针旋转 90°）\n"
              "  EXIF 图像尺寸: 3648x2736\n"
              "  制造商注释: 有（37 字节）\n"
              "  Photoshop 品质: 10（渐进，4 次扫描）\n"
              "  存储为 Web 所用格式 品质: 60\n"
              "  XMP 创建工具: Adobe Photoshop 21.0 (Macintosh)\n"
              "  XMP 编辑历史: Adobe Photoshop 21.0 (Macintosh) → GIMP 2.10 → Adobe Photoshop 22.1 (Windows)\n"
              "  注释: " + longComment + "\n"
              "  注释: CREATOR: gd-jpeg v1.0 (using IJG JPEG v62), quality = 75\n"
              "  缩略图: 16x16，量化表 1: 与 IJG 质量 75（基线或非基线）相同，量化表 2: 与 IJG 质量 75（基线或非基线）相同\n");
}

TEST(Statements, HostileSegmentsLoseOnlyTheirOwnStatement)
{
    const FileReport plain = Inspect(BaselineWithSegments({}));
    ASSERT_TRUE(Succeeded(plain));
    EXPECT_EQ(WideToUtf8(StatementBlockText(*plain.statements)), "文件自述: 无\n");
    const MarkerSegment comment{0xFE, {'k', 'e', 'p', 't'}};
    for (const HostileSegment& hostile : HostileMakerSegments()) {
        SCOPED_TRACE(hostile.name);
        const FileReport report = Inspect(BaselineWithSegments({hostile.segment, comment}));
        ASSERT_TRUE(Succeeded(report)) << WideToUtf8(report.outcome.message);
        EXPECT_EQ(report.outcome.tablesText, plain.outcome.tablesText);
        EXPECT_EQ(report.outcome.report.sampling, plain.outcome.report.sampling);
        EXPECT_EQ(report.encoders[0].makers, plain.encoders[0].makers);
        ASSERT_TRUE(report.statements.has_value());
        EXPECT_EQ(report.statements->unreadable, std::vector<std::string>{hostile.unreadable});
        EXPECT_EQ(report.statements->comments, std::vector<std::wstring>{L"kept"});
        EXPECT_NE(StatementBlockText(*report.statements).find(L"（无法读取）"), std::wstring::npos);
    }
}
