// quantlens-report as scripts use it: a separate process, JSON lines on
// standard output, messages on standard error, and its exit status.
#include "framework/TextEncoding.h"
#include "inspect/QualityEstimator.h"
#include "tests/generator/ByteStreams.h"
#include "tests/generator/JpegProbe.h"
#include "tests/generator/JpegWriter.h"
#include "tests/generator/LibraryTables.h"
#include "tests/unit/IjgMatchOracle.h"
#include "tests/unit/ReportProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

std::string Fixed2(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// The estimate the IJG rule implies for a file made at quality and forcing;
// -1 where only the bounds checked below are implied.
int ImpliedEstimate(int quality, bool forced, bool luminance)
{
    if (quality == 99 && luminance)
        return 98;
    if (quality >= 19 || !forced)
        return quality;
    if (quality == 10)
        return luminance ? 12 : 17;
    if (quality == 1)
        return luminance ? 7 : 13;
    return -1;
}

std::string YesNo(bool same) { return same ? "是" : "否"; }

// The settings of one table's "ijgMatch" list.
std::vector<IjgSetting> Settings(const JsonValue& matches)
{
    std::vector<IjgSetting> settings;
    for (const JsonValue& match : matches.array)
        settings.push_back({static_cast<int>(match["quality"].number), match["baseline"].boolean});
    return settings;
}

bool Contains(const std::vector<IjgSetting>& settings, IjgSetting wanted)
{
    return std::find(settings.begin(), settings.end(), wanted) != settings.end();
}

} // namespace

TEST(ReportCommand, EveryIjgQualityWithAndWithoutForcing)
{
    TempDir dir;
    // In a folder of their own, walked with -r: 200 names overflow a Windows command line.
    const std::wstring folder = dir.MakeDir(L"ijg");
    std::vector<std::wstring> files;
    for (bool forced : {true, false}) {
        for (int quality = 1; quality <= 100; ++quality) {
            JpegOptions options;
            options.width = 16;
            options.height = 16;
            options.quality = quality;
            options.forceBaseline = forced;
            files.push_back(folder + kSeparator + L"q" + std::to_wstring(quality) + (forced ? L"f" : L"u") + L".jpg");
            WriteBytes(files.back(), WriteJpeg(options));
        }
    }
    const CommandResult result = RunReport(dir, {L"--json", L"-r", folder});
    ASSERT_EQ(result.status, 0) << result.err;
    std::map<std::string, JsonValue> lineOfPath;
    for (JsonValue& line : JsonLines(result.out))
        lineOfPath[line["path"].string] = std::move(line);
    ASSERT_EQ(lineOfPath.size(), files.size());

    struct Variance { int quality; const char* luma; const char* chroma; };
    const Variance variances[] = {{100, "6.13", "1.58"}, {95, "1.25", "0.26"}, {90, "1.14", "0.34"},
                                  {75, "0.81", "0.19"}, {50, "0.00", "0.00"}, {25, "0.00", "0.00"}};
    for (size_t i = 0; i < files.size(); ++i) {
        const bool forced = i < 100;
        const int quality = static_cast<int>(i % 100) + 1;
        SCOPED_TRACE("quality " + std::to_string(quality) + (forced ? " forced" : " unforced"));
        ASSERT_EQ(lineOfPath.count(WideToUtf8(files[i])), 1u);
        const JsonValue& line = lineOfPath[WideToUtf8(files[i])];
        ASSERT_EQ(line["status"].string, "ok");
        const JsonValue& estimates = line["facts"]["estimates"];
        const int luma = static_cast<int>(estimates.array[0]["quality"].number);
        const int chroma = static_cast<int>(estimates.array[1]["quality"].number);
        for (int k = 0; k < 2; ++k) {
            const int implied = ImpliedEstimate(quality, forced, k == 0);
            const int actual = k == 0 ? luma : chroma;
            if (implied >= 0) {
                EXPECT_EQ(actual, implied);
            } else {
                EXPECT_TRUE(actual > quality && actual <= 19) << actual;
            }
        }
        const JsonValue& report = line["report"];
        const bool mismatch = std::abs(luma - chroma) > 2;
        EXPECT_EQ(report["quality"].string, mismatch ? std::to_string(luma) + "/" + std::to_string(chroma)
                                                     : std::to_string(luma));
        EXPECT_EQ(report["qualityMismatch"].boolean, mismatch);
        for (const Variance& v : variances) {
            if (v.quality == quality) {
                EXPECT_EQ(report["variance"].string, std::string(v.luma) + "/" + v.chroma);
            }
        }
        EXPECT_EQ(report["variance"].string, Fixed2(estimates.array[0]["variance"].number) + "/" +
                                                 Fixed2(estimates.array[1]["variance"].number));
        // The verdict: is the file's table IJG's table at the estimated quality,
        // forced into 8 bits unless the file holds larger values?
        const QuantTable fileLuma = IjgRuleTable(LuminanceBase, quality, forced);
        const QuantTable fileChroma = IjgRuleTable(ChrominanceBase, quality, forced);
        const bool sixteenBit = *std::max_element(fileLuma.begin(), fileLuma.end()) > 255 ||
                                *std::max_element(fileChroma.begin(), fileChroma.end()) > 255;
        EXPECT_EQ(report["sixteenBit"].string, YesNo(sixteenBit));
        const bool lumaSame = IjgRuleTable(LuminanceBase, luma, !sixteenBit) == fileLuma;
        const bool chromaSame = IjgRuleTable(ChrominanceBase, chroma, !sixteenBit) == fileChroma;
        EXPECT_EQ(report["identity"].string, YesNo(lumaSame) + "/" + YesNo(chromaSame));
        // The exact-match search names the true setting, and every other one
        // that makes the same table.
        const JsonValue& matches = line["ijgMatch"];
        ASSERT_EQ(matches.array.size(), 2u);
        const std::vector<IjgSetting> lumaMatches = Settings(matches.array[0]);
        const std::vector<IjgSetting> chromaMatches = Settings(matches.array[1]);
        EXPECT_TRUE(Contains(lumaMatches, {quality, forced}));
        EXPECT_TRUE(Contains(chromaMatches, {quality, forced}));
        EXPECT_EQ(lumaMatches, SettingsMaking(LuminanceBase, fileLuma));
        EXPECT_EQ(chromaMatches, SettingsMaking(ChrominanceBase, fileChroma));
    }
}

TEST(ReportCommand, FailedFilesAreNamedOnStandardErrorAndTheOthersGoOn)
{
    TempDir dir;
    const std::wstring good = dir.Write(L"good.jpg", WriteSampleJpeg());
    const std::wstring png = dir.Write(L"fake.jpg", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A});
    const std::wstring cut = dir.Write(L"cut.jpg", CutAfterFrameStream());
    const CommandResult result = RunReport(dir, {L"--json", png, good, cut});
    EXPECT_EQ(result.status, 1);
    const std::vector<JsonValue> lines = JsonLines(result.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0]["status"].string, "refused");
    EXPECT_EQ(lines[0]["message"].string, "所选源文件其实是一个PNG文件，请重新选择。");
    EXPECT_FALSE(lines[0].Has("report"));
    EXPECT_EQ(lines[1]["status"].string, "ok");
    EXPECT_EQ(lines[1]["report"]["sampling"].string, "1x1 2x2 2x2");
    const JsonValue& facts = lines[1]["facts"];
    for (const char* key : {"hSampling", "vSampling"}) {
        ASSERT_EQ(facts[key].array.size(), 4u);
        for (size_t i = 0; i < 4; ++i)
            EXPECT_EQ(facts[key].array[i].number, (i == 0 ? 1 : i == 3 ? 0 : 2)) << key << i;
    }
    EXPECT_EQ(facts["sixteenBit"].number, 0);
    EXPECT_EQ(facts["progressive"].number, 0);
    EXPECT_EQ(lines[1]["tablesText"].string.rfind("亮度量化表：\r\n#0:", 0), 0u);
    EXPECT_EQ(lines[2]["status"].string, "error");
    EXPECT_NE(result.err.find(WideToUtf8(png) + ": 所选源文件其实是一个PNG文件"), std::string::npos);
    EXPECT_NE(result.err.find(WideToUtf8(cut) + ": " + lines[2]["message"].string), std::string::npos);
    EXPECT_EQ(result.err.find(WideToUtf8(good)), std::string::npos);
}

// Every "facts" field, in order, against libjpeg's own read of what the
// generator wrote: files wide and tall, greyscale, progressive, optimized, and
// byte-built ones of four tables, of tables above 255, RGB and YCCK.
TEST(ReportCommand, JsonFactsAreWhatTheFileHolds)
{
    TempDir dir;
    std::vector<std::vector<unsigned char>> files = {FourTablesStream(), Dqt16Above255Stream(), AdobeRgbStream(),
                                                     AdobeYcckStream()};
    for (int k = 0; k < 3; ++k) {
        JpegOptions options;
        options.width = k == 1 ? 21 : 48 + k;
        options.height = k == 1 ? 79 : 16 + k;
        options.quality = 20 + 35 * k;
        options.sampling = static_cast<Subsampling>(k);
        options.progressive = k == 1;
        options.optimizeCoding = options.greyscale = k == 2;
        files.push_back(WriteJpeg(options));
    }
    std::vector<std::wstring> args = {L"--json"};
    for (size_t i = 0; i < files.size(); ++i)
        args.push_back(dir.Write(L"f" + std::to_wstring(i) + L".jpg", files[i]));
    const CommandResult result = RunReport(dir, args);
    ASSERT_EQ(result.status, 0) << result.err;
    const std::vector<JsonValue> lines = JsonLines(result.out);
    ASSERT_EQ(lines.size(), files.size());
    for (size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(i);
        const HeaderProbe probe = ProbeHeader(files[i]);
        const JsonValue& facts = lines[i]["facts"];
        EXPECT_EQ(facts.keys, (std::vector<std::string>{"tableCount", "sixteenBit", "tables", "estimates",
                                                        "standardHuffman", "progressive", "precision", "width",
                                                        "height", "components", "colorSpace", "hSampling", "vSampling"}));
        std::vector<QuantTable> tables;
        for (const std::optional<QuantValues>& slot : probe.quantTables)
            if (slot)
                tables.push_back(*slot);
        ASSERT_EQ(facts["tables"].array.size(), tables.size());
        EXPECT_EQ(facts["tableCount"].number, tables.size());
        bool above255 = false;
        for (size_t t = 0; t < tables.size(); ++t)
            for (size_t j = 0; j < 64; ++j) {
                EXPECT_EQ(facts["tables"].array[t].array.at(j).number, tables[t][j]);
                above255 |= tables[t][j] > 255;
            }
        EXPECT_EQ(facts["sixteenBit"].number, above255);
        const JsonValue& estimates = facts["estimates"];
        const QualityEstimate luma = EstimateQuality(tables[0], LuminanceBase);
        // One table stands for both.
        const QualityEstimate chroma = tables.size() > 1 ? EstimateQuality(tables[1], ChrominanceBase)
                                                         : QualityEstimate{luma.quality, 0};
        for (const auto& [e, want] : {std::pair{0, luma}, std::pair{1, chroma}}) {
            EXPECT_EQ(estimates.array.at(e)["quality"].number, want.quality);
            EXPECT_EQ(estimates.array.at(e)["variance"].number, want.variance);
        }
        EXPECT_EQ(facts["standardHuffman"].number, probe.dcBits0 == StandardHuffmanTable(HuffmanClass::dc, 0).bits &&
                                                       probe.acBits0 == StandardHuffmanTable(HuffmanClass::ac, 0).bits);
        EXPECT_EQ(facts["progressive"].number, probe.progressive);
        EXPECT_EQ(facts["precision"].number, probe.precision);
        EXPECT_EQ(facts["width"].number, probe.width);
        EXPECT_EQ(facts["height"].number, probe.height);
        EXPECT_EQ(facts["components"].number, probe.components.size());
        EXPECT_EQ(facts["colorSpace"].number, probe.colorSpace);
        int maxH = 0, maxV = 0;
        for (const FrameComponent& component : probe.components) {
            maxH = std::max(maxH, component.hSampling);
            maxV = std::max(maxV, component.vSampling);
        }
        for (size_t c = 0; c < 4; ++c) {
            const bool present = c < probe.components.size();
            EXPECT_EQ(facts["hSampling"].array.at(c).number, present ? maxH / probe.components[c].hSampling : 0);
            EXPECT_EQ(facts["vSampling"].array.at(c).number, present ? maxV / probe.components[c].vSampling : 0);
        }
    }
}

TEST(ReportCommand, TextReportListsEveryFieldWithItsLabelThenTheTables)
{
    TempDir dir;
    const std::wstring sample = dir.Write(L"样张.jpg", WriteSampleJpeg());
    const CommandResult result = RunReport(dir, {sample});
    ASSERT_EQ(result.status, 0);
    const char* expectedInOrder[] = {"像素宽度: 320", "像素高度: 240", "色彩空间: YCbCr", "通道数: 3",
                                     "采样: 1x1 2x2 2x2", "数据精度: 8 位", "是否渐进式JPEG: 否",
                                     "是否优化编码: 否", "量化表数: 2", "是否16位量化表: 否",
                                     "由量化表反推压缩时的质量系数: 75 (1～100)", "方差： 0.81/0.19",
                                     "是否一样: 是/是", "亮度量化表：", "#0:  8  6  5  8 12 20 26 31",
                                     "色度量化表："};
    size_t position = 0;
    for (const char* expected : expectedInOrder) {
        const size_t found = result.out.find(expected, position);
        ASSERT_NE(found, std::string::npos) << expected << "\n" << result.out;
        position = found;
    }
    EXPECT_EQ(result.out.find('\r'), std::string::npos);
}

// Each option at and beyond its limits, repeated, and combined: the exit
// status, how standard output starts (its first bytes tell the format) and the
// first line on standard error. "@" stands for a good file.
TEST(ReportCommand, OptionsAtTheirLimitsAndRepeated)
{
    TempDir dir;
    const std::wstring good = dir.Write(L"good.jpg", WriteSampleJpeg());
    const std::wstring missing = dir.File(L"missing.txt");
    const std::wstring emptyList = dir.Write(L"empty.txt", {});
    const std::string jobs = "quantlens-report: -j needs a number of threads from 1 to 64";
    const std::string unknown = "quantlens-report: unknown option --bogus";
    const std::string gone = "所选源文件已不存在，请重新选择。";
    const std::string usage = "用法: quantlens-report [-r]";
    const struct { std::vector<std::wstring> args; int status; std::string out; std::string err; } rows[] = {
        {{L"-j", L"1", L"@"}, 0, "文件: " + WideToUtf8(good) + "\n像素宽度: 320\n", ""},
        {{L"--jobs", L"64", L"@"}, 0, "文件: ", ""},
        {{L"-j", L"65", L"@"}, 2, "", jobs},
        {{L"-j", L"0", L"@"}, 2, "", jobs},
        {{L"-j", L"2x", L"@"}, 2, "", jobs},
        {{L"-j", L"-1", L"@"}, 2, "", jobs},
        {{L"@", L"-j"}, 2, "", jobs},
        {{L"-j", L"2", L"-j", L"3", L"-r", L"--recursive", L"@"}, 0, "文件: ", ""},
        {{L"--json", L"--json", L"@"}, 0, "{\"path\":\"", ""},
        {{L"--csv", L"--csv", L"@"}, 0, "path,status,message,width,", ""},
        {{L"--json", L"--csv", L"@"}, 2, "", "quantlens-report: --json and --csv exclude each other"},
        {{L"--bogus", L"--other", L"@"}, 2, "", unknown},
        {{L"--version", L"--bogus"}, 2, "", unknown},
        {{}, 2, "", "quantlens-report: no path given"},
        {{L"--files-from"}, 2, "", "quantlens-report: --files-from needs a file (- for standard input)"},
        {{L"--files-from", missing}, 2, "", "quantlens-report: cannot read the path list " + WideToUtf8(missing)},
        {{L"--files-from", emptyList}, 0, "", ""},
        {{L"--files-from", dir.Path()}, 2, "", "quantlens-report: cannot read the path list " + WideToUtf8(dir.Path())},
        {{L"-"}, 1, "文件: -\n" + gone + "\n", "-: " + gone},
        {{L"--", L"--json"}, 1, "文件: --json\n" + gone + "\n", "--json: " + gone},
        {{L"--help"}, 0, usage + " [-j N] [--json | --csv] [--traces] [-0] [--files-from 列表] 路径...\n", ""},
        {{L"--traces", L"--traces", L"@"}, 0, "文件: ", ""},
        {{L"-h", L"--bogus"}, 0, usage, ""},
        {{L"--version"}, 0, "quantlens-report 1.00\nlibjpeg", ""},
    };
    for (const auto& row : rows) {
        std::vector<std::wstring> args = row.args;
        std::replace(args.begin(), args.end(), std::wstring(L"@"), good);
        std::string line;
        for (const std::wstring& arg : row.args)
            line += " " + WideToUtf8(arg);
        SCOPED_TRACE("arguments:" + line);
        const CommandResult result = RunReport(dir, args);
        EXPECT_EQ(result.status, row.status);
        EXPECT_EQ(result.out.substr(0, row.out.size()), row.out);
        EXPECT_EQ(result.out.empty(), row.out.empty());
        EXPECT_EQ(result.err.substr(0, result.err.find('\n')), row.err);
        // After a usage error the short usage follows, without the option list.
        if (row.status == 2) {
            EXPECT_EQ(result.err.substr(row.err.size() + 1, usage.size()), usage);
            EXPECT_EQ(result.err.find("--recursive"), std::string::npos);
        }
    }
    EXPECT_NE(RunReport(dir, {L"--version"}).out.find("(API 62)\n"), std::string::npos);
    // Text reports are parted by one empty line, and each ends in one line break.
    const std::string one = RunReport(dir, {good}).out;
    EXPECT_EQ(one.substr(one.size() - 4), " 50\n");
    EXPECT_EQ(RunReport(dir, {good, good, good}).out, one + "\n" + one + "\n" + one);
}

// libjpeg warns of junk before a marker and of a stream that ends early; the
// report is given and its standard error stays empty.
TEST(ReportCommand, LibraryWarningsStayOffStandardError)
{
    TempDir dir;
    std::vector<unsigned char> junk = WriteSampleJpeg();
    junk.insert(junk.begin() + 2, {0x00, 0x11, 0x22});
    const CommandResult result = RunReport(dir, {L"--json", dir.Write(L"junk.jpg", junk),
                                                 dir.Write(L"cut.jpg", CutInsideDqtStream())});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    const std::vector<JsonValue> lines = JsonLines(result.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]["report"]["quality"].string, "75");
    EXPECT_EQ(lines[1]["report"]["tableCount"].string, "1");
}

#ifndef _WIN32
TEST(ReportCommand, StandardOutputThatCannotBeWrittenIsToldAndFails)
{
    TempDir dir;
    const std::wstring sample = dir.Write(L"样张.jpg", WriteSampleJpeg());
    for (const std::vector<std::wstring>& args : {std::vector<std::wstring>{sample}, {L"--version"}}) {
        const CommandResult result = RunReport(dir, args, "/dev/full");
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, "quantlens-report: cannot write standard output: No space left on device\n");
    }
}

// Some 4 MB of reports into | head: the report ends without a word.
TEST(ReportCommand, AReaderThatGoesAwayEndsItQuietly)
{
    TempDir dir;
    const std::string sample = WideToUtf8(dir.Write(L"样张.jpg", WriteSampleJpeg())) + "\n";
    std::string list;
    for (int i = 0; i < 2000; ++i)
        list += sample;
    const std::wstring listPath = dir.Write(L"list", std::vector<unsigned char>(list.begin(), list.end()));
    const CommandResult result = RunReport(dir, {L"--json", L"--files-from", listPath}, "&1 | head -c 100");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out.size(), 100u);
    EXPECT_EQ(result.err, "");
}
#endif

// Listed paths follow those on the command line, each list in the order given.
TEST(ReportCommand, ListedPathsFollowThoseOnTheCommandLine)
{
    TempDir dir;
    std::vector<std::string> paths;
    for (const wchar_t* name : {L"first.jpg", L"样张.jpg", L"样张 二.jpg"})
        paths.push_back(WideToUtf8(dir.Write(name, WriteSampleJpeg())));
    const std::wstring one = dir.Write(L"one", std::vector<unsigned char>(paths[1].begin(), paths[1].end()));
    const std::wstring two = dir.Write(L"two", std::vector<unsigned char>(paths[2].begin(), paths[2].end()));
    const CommandResult result = RunReport(dir, {L"--files-from", one, L"--json", Utf8ToWide(paths[0]),
                                                 L"--files-from", two});
    ASSERT_EQ(result.status, 0) << result.err;
    const std::vector<JsonValue> lines = JsonLines(result.out);
    ASSERT_EQ(lines.size(), 3u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(lines[i]["path"].string, paths[i]);
}

TEST(ReportCommand, ExactMatchOfEveryFoundTableInTextAndJson)
{
    TempDir dir;
    const std::wstring sample = dir.Write(L"sample.jpg", WriteSampleJpeg());
    const CommandResult text = RunReport(dir, {sample});
    ASSERT_EQ(text.status, 0) << text.err;
    const std::string both75 = "精确匹配 IJG 质量 75（基线或非基线）";
    const size_t identity = text.out.find("是否一样: 是/是\n");
    ASSERT_NE(identity, std::string::npos) << text.out;
    // Each table's exact-match line, then the encoder line; then the file's encoder.
    const std::string ijg75 = "与 IJG 质量 75（基线或非基线）相同";
    EXPECT_EQ(text.out.find("量化表 1: " + both75 + "\n量化表 1: " + ijg75 + "\n量化表 2: " + both75 +
                            "\n量化表 2: " + ijg75 + "\n编码器: IJG 质量 75（基线或非基线）\n"
                            "文件自述:\n  JFIF: 1.01，密度 1x1（无单位）\n出处: 无相机信息\n\n亮度量化表："),
              text.out.find('\n', identity) + 1) << text.out;

    // Table 0 of all 65535 is no IJG table; the third table is judged as chrominance.
    const std::wstring maximal = dir.Write(L"max.jpg", Dqt16MaxStream());
    const std::wstring three = dir.Write(L"three.jpg", ThreeTablesStream());
    const CommandResult json = RunReport(dir, {L"--json", maximal, three});
    ASSERT_EQ(json.status, 0) << json.err;
    const std::vector<JsonValue> lines = JsonLines(json.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]["facts"]["sixteenBit"].number, 1);
    const JsonValue& maxMatches = lines[0]["ijgMatch"];
    ASSERT_EQ(maxMatches.array.size(), 2u);
    EXPECT_TRUE(maxMatches.array[0].array.empty());
    EXPECT_EQ(Settings(maxMatches.array[1]), (std::vector<IjgSetting>{{50, true}, {50, false}}));
    const JsonValue& maxEncoders = lines[0]["encoders"];
    ASSERT_EQ(maxEncoders.array.size(), 2u);
    EXPECT_TRUE(maxEncoders.array[0].array.empty());
    ASSERT_EQ(maxEncoders.array[1].array.size(), 2u);
    EXPECT_EQ(maxEncoders.array[1].array[1]["encoder"].string, "ijg");
    EXPECT_EQ(maxEncoders.array[1].array[1]["quality"].number, 50);
    EXPECT_FALSE(maxEncoders.array[1].array[1]["baseline"].boolean);
    const JsonValue& threeMatches = lines[1]["ijgMatch"];
    ASSERT_EQ(threeMatches.array.size(), 3u);
    EXPECT_EQ(Settings(threeMatches.array[1]), (std::vector<IjgSetting>{{75, true}, {75, false}}));
    EXPECT_EQ(Settings(threeMatches.array[2]), (std::vector<IjgSetting>{{50, true}, {50, false}}));

    const CommandResult maxText = RunReport(dir, {maximal});
    EXPECT_NE(maxText.out.find("量化表 1: 无精确匹配\n量化表 1: 无已知编码器\n"
                               "量化表 2: 精确匹配 IJG 质量 50（基线或非基线）\n"
                               "量化表 2: 与 IJG 质量 50（基线或非基线）相同\n文件自述: 无\n出处: 无相机信息\n\n"),
              std::string::npos) << maxText.out;
}
