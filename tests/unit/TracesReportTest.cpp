// quantlens-report --traces: the "压缩痕迹:" line, the JSON "traces" object
// and the CSV columns, given only when asked for.
#include "cli/JsonWriter.h"
#include "cli/TraceJson.h"
#include "cli/TraceText.h"
#include "framework/TextEncoding.h"
#include "tests/generator/JpegWriter.h"
#include "tests/unit/ReportProcess.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Kind = TraceVerdict::Kind;
using Reason = TraceVerdict::Reason;

TraceVerdict Verdict(Kind kind, Reason reason, int first, int low, int high, bool scored, double score)
{
    TraceVerdict verdict;
    verdict.kind = kind;
    verdict.reason = reason;
    verdict.firstQuality = first;
    verdict.rangeLow = low;
    verdict.rangeHigh = high;
    verdict.scored = scored;
    verdict.score = score;
    return verdict;
}

std::string Json(const TraceVerdict& verdict)
{
    JsonWriter json;
    json.BeginObject();
    WriteTraces(json, verdict);
    json.EndObject();
    return json.TakeText();
}

} // namespace

TEST(TracesReport, EachVerdictInTextAndJson)
{
    struct Case
    {
        TraceVerdict verdict;
        const char* text;
        const char* json;
    };
    const Case cases[] = {
        {Verdict(Kind::Found, Reason::None, 75, 74, 76, true, 41.26),
         "发现更早的一次压缩，首次约为 IJG 质量 75（74～76，得分 41.3）",
         R"({"traces":{"verdict":"found","firstQuality":75,"firstQualityRange":[74,76],"score":41.3,"reason":null}})"},
        {Verdict(Kind::Found, Reason::None, 60, 60, 60, true, 480),
         "发现更早的一次压缩，首次约为 IJG 质量 60（60，得分 480.0）",
         R"({"traces":{"verdict":"found","firstQuality":60,"firstQualityRange":[60,60],"score":480.0,"reason":null}})"},
        {Verdict(Kind::None, Reason::None, 0, 0, 0, true, 2.149), "未发现（得分 2.1）",
         R"({"traces":{"verdict":"none","firstQuality":null,"firstQualityRange":null,"score":2.1,"reason":null}})"},
        {Verdict(Kind::CannotTell, Reason::NotLibjpegTable, 0, 0, 0, true, -3.05),
         "无法判断（最后的量化表不是 libjpeg 式量化器所用的表（相机、mozjpeg 等），得分 -3.1）",
         R"({"traces":{"verdict":"cannot-tell","firstQuality":null,"firstQualityRange":null,"score":-3.1,"reason":"not-libjpeg-table"}})"},
        {Verdict(Kind::CannotTell, Reason::TooLarge, 0, 0, 0, false, 0), "无法判断（图像太大，超出系数读取的上限）",
         R"({"traces":{"verdict":"cannot-tell","firstQuality":null,"firstQualityRange":null,"score":null,"reason":"too-large"}})"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WideToUtf8(TraceVerdictText(c.verdict)), c.text);
        EXPECT_EQ(Json(c.verdict), c.json);
    }
}

TEST(TracesReport, OnlyWithTheOptionAndTheHeaderReportSurvivesACutScan)
{
    TempDir dir;
    JpegOptions options;
    options.width = 640;
    options.height = 480;
    std::vector<unsigned char> bytes = WriteJpeg(options);
    bytes.resize(bytes.size() / 2);
    const std::wstring cut = dir.Write(L"cut.jpg", bytes);
    const std::string line = "压缩痕迹: 无法判断（数据在扫描中提前结束）\n";

    const CommandResult plain = RunReport(dir, {cut});
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(plain.out.find("压缩痕迹"), std::string::npos);
    const CommandResult text = RunReport(dir, {L"--traces", cut});
    EXPECT_EQ(text.status, 0);
    const size_t traces = text.out.find(line);
    ASSERT_NE(traces, std::string::npos) << text.out;
    EXPECT_LT(text.out.find("像素宽度: 640\n"), traces);
    EXPECT_EQ(text.out.substr(traces + line.size(), 1), "\n") << "the tables follow after a blank line";

    const std::vector<JsonValue> json = JsonLines(RunReport(dir, {L"--json", L"--traces", cut}).out);
    ASSERT_EQ(json.size(), 1u);
    const std::vector<std::string> keys = json[0].keys;
    const auto at = std::find(keys.begin(), keys.end(), "traces");
    ASSERT_NE(at, keys.end());
    EXPECT_EQ(*(at - 1), "provenance");
    EXPECT_EQ(*(at + 1), "tablesText");
    EXPECT_EQ(json[0]["traces"]["reason"].string, "ends-early");
    EXPECT_FALSE(JsonLines(RunReport(dir, {L"--json", cut}).out)[0].Has("traces"));

    const std::string csv = RunReport(dir, {L"--csv", L"--traces", cut}).out;
    EXPECT_NE(csv.find(",provenance,traces,firstQuality\r\n"), std::string::npos) << csv;
    EXPECT_EQ(csv.substr(csv.size() - 15), ",cannot-tell,\r\n") << csv;
}
