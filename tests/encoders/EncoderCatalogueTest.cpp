#include "cli/EncoderJson.h"
#include "cli/EncoderText.h"
#include "encoders/EncoderCatalogue.h"
#include "encoders/FileMaker.h"
#include "encoders/MozjpegTables.h"
#include "framework/TextEncoding.h"
#include "inspect/IjgTables.h"
#include "inspect/NumberText.h"
#include "tests/support/JsonTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

const EncoderCatalogue& Catalogue()
{
    static const EncoderCatalogue catalogue;
    return catalogue;
}

std::wstring Text(const MakerSettings& makers)
{
    return EncoderMatchText({makers, {}});
}

// base * factor / 100 rounded as said and clamped to 1..255, written out here
// independently of the fitting.
QuantTable Scaled(const QuantTable& base, double percent, Rounding rounding)
{
    QuantTable table;
    for (size_t i = 0; i < table.size(); ++i) {
        const double product = base[i] * percent / 100.0;
        const double whole = rounding == Rounding::Down ? std::floor(product)
                             : rounding == Rounding::Up ? std::ceil(product)
                                                        : std::floor(product + 0.5);
        table[i] = static_cast<std::uint16_t>(std::clamp(whole, 1.0, 255.0));
    }
    return table;
}

// The lowest and highest factor, in steps of 0.001 %, that reproduce table.
std::pair<double, double> FactorsMaking(const QuantTable& table, const QuantTable& base, double near,
                                        Rounding rounding)
{
    double low = 0, high = 0;
    for (long step = std::lround(near * 500); step <= std::lround(near * 2000); ++step) {
        const double percent = step / 1000.0;
        if (Scaled(base, percent, rounding) == table) {
            if (low == 0)
                low = percent;
            high = percent;
        }
    }
    return {low, high};
}

} // namespace

TEST(EncoderCatalogue, ConstantScalingsOfBaseTablesGiveTheirRangeAndRounding)
{
    const IjgTables annexK = BuildIjgTables(50, false);
    struct Case
    {
        QuantTable base;
        bool luminance;
        double percent;
        Rounding rounding;
        std::wstring baseName;
    };
    const Case cases[] = {
        {annexK.luminance, true, 37.0, Rounding::Down, L"标准亮度表"},
        {annexK.luminance, true, 37.3, Rounding::Down, L"标准亮度表"},
        {annexK.chrominance, false, 63.3, Rounding::Up, L"标准色度表"},
        {MozjpegBase(2, true), true, 151.7, Rounding::Nearest, L"mozjpeg 表方案 2 亮度表"},
    };
    const wchar_t* roundings[] = {L"四舍五入", L"向下取整", L"向上取整"};
    for (const Case& c : cases) {
        SCOPED_TRACE(WideToUtf8(c.baseName));
        const QuantTable table = Scaled(c.base, c.percent, c.rounding);
        const EncoderMatches matches = Catalogue().Find(table, c.luminance);
        ASSERT_TRUE(matches.makers.empty());
        ASSERT_FALSE(matches.scaled.empty());
        const ScaledMatch& match = matches.scaled.front();
        const auto [low, high] = FactorsMaking(table, c.base, c.percent, c.rounding);
        EXPECT_EQ(match.rounding, c.rounding);
        EXPECT_NEAR(match.range.minPercent, low, 0.001);
        EXPECT_NEAR(match.range.maxPercent, high, 0.001);
        const auto percent = [](double value) {
            return IntText(PercentTenths(value) / 10) + L"." + IntText(PercentTenths(value) % 10) + L"%";
        };
        // Bounds that show alike are said once.
        const std::wstring range = percent(low) == percent(high) ? percent(low) : percent(low) + L"～" + percent(high);
        EXPECT_EQ(EncoderMatchText({{}, {match}}),
                  c.baseName + L"按 " + range + L" 缩放、" + roundings[static_cast<int>(c.rounding)]);
    }
}

TEST(EncoderCatalogue, HandMadeTablesNameNoEncoder)
{
    QuantTable nearly = BuildIjgTables(75, true).luminance;
    nearly[63] += 1;
    EXPECT_TRUE(Catalogue().Find(nearly, true).makers.empty());
    QuantTable scrambled;
    std::uint32_t state = 12345;
    for (std::uint16_t& value : scrambled) {
        state = state * 1103515245u + 12345u;
        value = static_cast<std::uint16_t>(1 + (state >> 16) % 255);
    }
    const EncoderMatches none = Catalogue().Find(scrambled, false);
    EXPECT_TRUE(none.makers.empty());
    EXPECT_TRUE(none.scaled.empty());
    EXPECT_EQ(EncoderMatchText(none), L"无已知编码器");
    QuantTable flat;
    flat.fill(65535);
    EXPECT_EQ(EncoderMatchText(Catalogue().Find(flat, true)), L"无已知编码器");
}

TEST(EncoderText, NamesEachEncoderAndItsSettingAsTheIjgLineListsThem)
{
    EXPECT_EQ(Text({{Encoder::Mozjpeg, 3, 75, true}}), L"与 mozjpeg 表方案 3 质量 75（基线）相同");
    EXPECT_EQ(Text({{Encoder::Ffmpeg, 0, 2, false}}), L"与 ffmpeg MJPEG -q:v 2 相同");
    EXPECT_EQ(Text({{Encoder::Pillow, 2, 0, false}}),
              L"与 Photoshop 存储为 Web 所用格式 品质 60 相同（Pillow 预设 web_high）");
    EXPECT_EQ(Text({{Encoder::Pillow, 5, 0, false}, {Encoder::Pillow, 8, 0, false}}),
              L"与 Pillow 预设 low 相同；与 Photoshop 存储为 品质 10 相同（Pillow 预设 maximum）");
    // A table of ones: IJG and every mozjpeg set at 100, set 1 from 96 up.
    QuantTable ones;
    ones.fill(1);
    EXPECT_EQ(EncoderMatchText(Catalogue().Find(ones, true)),
              L"与 IJG 质量 100（基线或非基线）相同；与 mozjpeg 表方案 1 质量 96、97、98、99、100（基线或非基线）相同；"
              L"与 mozjpeg 表方案 2、3、4、5、6、7、8 质量 100（基线或非基线）相同");
}

TEST(EncoderText, TheFileIsNamedOnlyWhenAllTablesShareSettingsOfOneEncoder)
{
    const EncoderMatches both75 = {{{Encoder::Mozjpeg, 3, 75, true}, {Encoder::Mozjpeg, 3, 75, false}}, {}};
    const EncoderMatches forced75 = {{{Encoder::Mozjpeg, 3, 75, true}}, {}};
    EXPECT_EQ(EncoderFileText(FileMakerSettings({both75, both75})), L"mozjpeg 表方案 3 质量 75（基线或非基线）");
    EXPECT_EQ(EncoderFileText(FileMakerSettings({both75, forced75})), L"mozjpeg 表方案 3 质量 75（基线）");
    EXPECT_TRUE(FileMakerSettings({both75, {{{Encoder::Mozjpeg, 3, 60, true}}, {}}}).empty());
    const EncoderMatches twoMakers = {{{Encoder::Ijg, 0, 100, true}, {Encoder::Mozjpeg, 1, 100, true}}, {}};
    EXPECT_TRUE(FileMakerSettings({twoMakers, twoMakers}).empty());
    EXPECT_TRUE(FileMakerSettings({}).empty());
    EXPECT_EQ(EncoderMatchSummary({forced75, {}}), L"与 mozjpeg 表方案 3 质量 75（基线）相同/无已知编码器");
}

TEST(EncoderJson, OneListPerTableOfSettingsOrScalings)
{
    const ScaledMatch scaled = {{ScaleBase::Family::AnnexK, 0, true}, Rounding::Down, {37.0, 37.17}};
    ScaledMatch up = scaled, nearest = scaled;
    up.rounding = Rounding::Up;
    nearest.rounding = Rounding::Nearest;
    JsonWriter writer;
    writer.BeginObject();
    WriteEncoders(writer, {{{{Encoder::Ijg, 0, 75, true}, {Encoder::Mozjpeg, 3, 75, false}}, {}},
                           {{{Encoder::Ffmpeg, 0, 2, false}, {Encoder::Pillow, 2, 0, false},
                             {Encoder::Pillow, 5, 0, false}}, {}},
                           {{}, {scaled, up, nearest}},
                           {}});
    writer.EndObject();
    const JsonValue json = ParseJson(writer.TakeText());
    const std::vector<JsonValue>& tables = json["encoders"].array;
    ASSERT_EQ(tables.size(), 4u);
    ASSERT_EQ(tables[0].array.size(), 2u);
    EXPECT_EQ(tables[0].array[0]["encoder"].string, "ijg");
    EXPECT_EQ(tables[0].array[0]["quality"].number, 75);
    EXPECT_TRUE(tables[0].array[0]["baseline"].boolean);
    EXPECT_EQ(tables[0].array[1]["encoder"].string, "mozjpeg");
    EXPECT_EQ(tables[0].array[1]["table"].number, 3);
    EXPECT_FALSE(tables[0].array[1]["baseline"].boolean);
    ASSERT_EQ(tables[1].array.size(), 3u);
    EXPECT_EQ(tables[1].array[0]["qscale"].number, 2);
    EXPECT_EQ(tables[1].array[1]["preset"].string, "web_high");
    EXPECT_EQ(tables[1].array[1]["photoshop"].string, "save-for-web 60");
    EXPECT_EQ(tables[1].array[2]["preset"].string, "low");
    EXPECT_FALSE(tables[1].array[2].Has("photoshop"));
    ASSERT_EQ(tables[2].array.size(), 3u);
    EXPECT_EQ(tables[2].array[0]["encoder"].string, "scaled");
    EXPECT_EQ(tables[2].array[0]["base"].string, "annex-k-luminance");
    EXPECT_EQ(tables[2].array[0]["scaleMin"].number, 37.0);
    EXPECT_DOUBLE_EQ(tables[2].array[0]["scaleMax"].number, 37.2);
    EXPECT_EQ(tables[2].array[0]["rounding"].string, "down");
    EXPECT_EQ(tables[2].array[1]["rounding"].string, "up");
    EXPECT_EQ(tables[2].array[2]["rounding"].string, "nearest");
    EXPECT_TRUE(tables[3].array.empty());
}
