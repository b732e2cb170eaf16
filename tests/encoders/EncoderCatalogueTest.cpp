#include "cli/EncoderJson.h"
#include "cli/EncoderText.h"
#include "encoders/EncoderCatalogue.h"
#include "encoders/FileMaker.h"
#include "encoders/FfmpegMjpeg.h"
#include "encoders/MozjpegTables.h"
#include "encoders/PillowPresets.h"
#include "framework/TextEncoding.h"
#include "inspect/IjgTables.h"
#include "inspect/NumberText.h"
#include "tests/support/JsonTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

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
std::uint16_t ScaledEntry(std::uint16_t base, double percent, Rounding rounding)
{
    const double product = base * percent / 100.0;
    const double whole = rounding == Rounding::Down ? std::floor(product)
                         : rounding == Rounding::Up ? std::ceil(product)
                                                    : std::floor(product + 0.5);
    return static_cast<std::uint16_t>(std::clamp(whole, 1.0, 255.0));
}

QuantTable Scaled(const QuantTable& base, double percent, Rounding rounding)
{
    QuantTable table;
    for (size_t i = 0; i < table.size(); ++i)
        table[i] = ScaledEntry(base[i], percent, rounding);
    return table;
}

bool Makes(const QuantTable& table, const QuantTable& base, double percent, Rounding rounding)
{
    for (size_t i = 0; i < table.size(); ++i)
        if (ScaledEntry(base[i], percent, rounding) != table[i])
            return false;
    return true;
}

// The range of factors that reproduce table from base: a grid of 0.001 %
// around the entry of largest base below the clamp, its ends then narrowed by
// bisection. None when no entry bounds the factor from above or none from below.
std::optional<ScaleRange> FactorsMaking(const QuantTable& table, const QuantTable& base, Rounding rounding)
{
    int pivot = -1;
    for (int i = 0; i < 64; ++i)
        if (table[i] < 255 && (pivot < 0 || base[i] > base[pivot]))
            pivot = i;
    if (pivot < 0 || *std::max_element(table.begin(), table.end()) == 1)
        return std::nullopt;
    const double low = 100.0 * (table[pivot] - 1) / base[pivot], high = 100.0 * (table[pivot] + 1) / base[pivot];
    double first = 0, last = 0;
    for (long step = std::lround(low * 1000); step <= std::lround(high * 1000); ++step)
        if (Makes(table, base, step / 1000.0, rounding)) {
            first = first == 0 ? step / 1000.0 : first;
            last = step / 1000.0;
        }
    if (first == 0)
        return std::nullopt;
    const auto edge = [&](double in, double out) {
        for (int k = 0; k < 40; ++k) {
            const double middle = (in + out) / 2;
            (Makes(table, base, middle, rounding) ? in : out) = middle;
        }
        return in;
    };
    return ScaleRange{edge(first, first - 0.001), edge(last, last + 0.001)};
}

// A base table of the catalogue with the names the text and the JSON give it.
struct NamedBase
{
    QuantTable table;
    std::wstring name;
    std::string id;
};

// The bases one role is compared with, in the order their fits are listed.
std::vector<NamedBase> BasesOf(bool luminance)
{
    const IjgTables annexK = BuildIjgTables(50, false);
    const std::wstring role = luminance ? L"亮度表" : L"色度表";
    const std::string roleId = luminance ? "luminance" : "chrominance";
    std::vector<NamedBase> bases = {
        {luminance ? annexK.luminance : annexK.chrominance, L"标准" + role, "annex-k-" + roleId}};
    for (int set = 1; set <= 8; ++set)
        bases.push_back({MozjpegBase(set, luminance), L"mozjpeg 表方案 " + IntText(set) + L" " + role,
                         "mozjpeg-" + std::to_string(set) + "-" + roleId});
    bases.push_back({Mpeg1IntraMatrix(), L"MPEG-1 默认帧内矩阵", "mpeg-1-intra"});
    return bases;
}

std::wstring PercentShown(double value)
{
    return IntText(PercentTenths(value) / 10) + L"." + IntText(PercentTenths(value) % 10) + L"%";
}

const Rounding kRoundings[] = {Rounding::Nearest, Rounding::Down, Rounding::Up};
const wchar_t* const kRoundingNames[] = {L"四舍五入", L"向下取整", L"向上取整"};
const char* const kRoundingIds[] = {"nearest", "down", "up"};

// The catalogue's scalings of table, as text and JSON: every base that fits,
// in the order of the bases, then of the roundings.
void ExpectFitsOf(const QuantTable& table, const std::vector<NamedBase>& bases, const EncoderMatches& matches)
{
    std::vector<std::pair<const NamedBase*, ScaledMatch>> expected;
    for (const NamedBase& base : bases)
        for (Rounding rounding : kRoundings)
            if (const auto range = FactorsMaking(table, base.table, rounding))
                expected.push_back({&base, {{}, rounding, *range}});
    ASSERT_EQ(matches.scaled.size(), expected.size());
    JsonWriter writer;
    writer.BeginObject();
    WriteEncoders(writer, {matches});
    writer.EndObject();
    const JsonValue json = ParseJson(writer.TakeText())["encoders"].array.at(0);
    std::wstring text;
    for (size_t k = 0; k < expected.size(); ++k) {
        const auto& [base, want] = expected[k];
        const ScaleRange& got = matches.scaled[k].range;
        const int rounding = static_cast<int>(want.rounding);
        EXPECT_EQ(matches.scaled[k].rounding, want.rounding) << k;
        EXPECT_NEAR(got.minPercent, want.range.minPercent, 1e-6) << k;
        EXPECT_NEAR(got.maxPercent, want.range.maxPercent, 1e-6) << k;
        // Shown from the fitted ends: an open end at a half tenth rounds up.
        const std::wstring low = PercentShown(got.minPercent), high = PercentShown(got.maxPercent);
        text += (k > 0 ? L"；" : L"") + base->name + L"按 " + (low == high ? low : low + L"～" + high) + L" 缩放、" +
                kRoundingNames[rounding];
        EXPECT_EQ(json.array.at(k)["base"].string, base->id);
        EXPECT_EQ(json.array.at(k)["rounding"].string, kRoundingIds[rounding]);
        EXPECT_EQ(json.array.at(k)["scaleMin"].number, PercentTenths(got.minPercent) / 10.0);
        EXPECT_EQ(json.array.at(k)["scaleMax"].number, PercentTenths(got.maxPercent) / 10.0);
    }
    EXPECT_EQ(EncoderMatchText(matches), text);
}

} // namespace

// Every base scaled by factors no quality setting gives, with each rounding:
// 2.7 % clamps most entries to 1, 300 % fits every rounding.
TEST(EncoderCatalogue, ScalingsBetweenSettingsFitEveryBaseExactlyInOrder)
{
    for (bool luminance : {true, false}) {
        const std::vector<NamedBase> bases = BasesOf(luminance);
        for (const NamedBase& source : bases)
            for (double percent : {2.7, 37.3, 63.3, 151.7, 300.0})
                for (Rounding rounding : kRoundings) {
                    SCOPED_TRACE(source.id + " " + std::to_string(percent) + " " + kRoundingIds[int(rounding)]);
                    const QuantTable table = Scaled(source.table, percent, rounding);
                    const EncoderMatches matches = Catalogue().Find(table, luminance);
                    // A table some setting writes (the flat set 1's, mostly) is named by it alone.
                    if (matches.makers.empty())
                        ExpectFitsOf(table, bases, matches);
                    else
                        EXPECT_TRUE(matches.scaled.empty());
                }
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
    flat.fill(1);   // no entry bounds the factor from below
    EXPECT_FALSE(FitScale(flat, BuildIjgTables(50, false).luminance, Rounding::Down).has_value());
    QuantTable zero = Scaled(BuildIjgTables(50, false).luminance, 2.7, Rounding::Down);
    zero[0] = 0;   // where the product is below 1; yet no scaling writes a 0
    EXPECT_TRUE(Catalogue().Find(zero, true).scaled.empty());
}

TEST(EncoderText, NamesEachEncoderAndItsSettingAsTheIjgLineListsThem)
{
    EXPECT_EQ(Text({{Encoder::Mozjpeg, 3, 75, true}}), L"与 mozjpeg 表方案 3 质量 75（基线）相同");
    EXPECT_EQ(Text({{Encoder::Ijg, 0, 75, true}, {Encoder::Ffmpeg, 0, 2, false}, {Encoder::Ffmpeg, 0, 3, false}}),
              L"与 IJG 质量 75（基线）相同；与 ffmpeg MJPEG -q:v 2、3 相同");
    // ffmpeg's one table stands for chrominance too.
    EXPECT_EQ(EncoderMatchText(Catalogue().Find(FfmpegMjpegTable(5), false)), L"与 ffmpeg MJPEG -q:v 5 相同");
    const wchar_t* presets[kPillowPresetCount] = {
        L"Photoshop 存储为 Web 所用格式 品质 10 相同（Pillow 预设 web_low）",
        L"Photoshop 存储为 Web 所用格式 品质 30 相同（Pillow 预设 web_medium）",
        L"Photoshop 存储为 Web 所用格式 品质 60 相同（Pillow 预设 web_high）", L"Pillow 预设 web_very_high 相同",
        L"Pillow 预设 web_maximum 相同", L"Pillow 预设 low 相同", L"Photoshop 存储为 品质 5 相同（Pillow 预设 medium）",
        L"Photoshop 存储为 品质 8 相同（Pillow 预设 high）", L"Photoshop 存储为 品质 10 相同（Pillow 预设 maximum）"};
    MakerSettings all;
    std::wstring joined;
    for (int index = 0; index < kPillowPresetCount; ++index) {
        all.push_back({Encoder::Pillow, index, 0, false});
        joined += (index > 0 ? L"；与 " : L"与 ") + std::wstring(presets[index]);
    }
    EXPECT_EQ(Text(all), joined);   // each preset its own clause
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
    EXPECT_EQ(EncoderFileText({{Encoder::Pillow, 2, 0, false}}), L"Photoshop 存储为 Web 所用格式 品质 60（Pillow 预设 web_high）");
    EXPECT_TRUE(FileMakerSettings({both75, {{{Encoder::Mozjpeg, 3, 60, true}}, {}}}).empty());
    const EncoderMatches twoMakers = {{{Encoder::Ijg, 0, 100, true}, {Encoder::Mozjpeg, 1, 100, true}}, {}};
    EXPECT_TRUE(FileMakerSettings({twoMakers, twoMakers}).empty());
    EXPECT_TRUE(FileMakerSettings({{{{Encoder::Ijg, 0, 50, true}, {Encoder::Ffmpeg, 0, 8, false}}, {}}}).empty());
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
    EXPECT_EQ(tables[1].array[0]["encoder"].string, "ffmpeg");
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
