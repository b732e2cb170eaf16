// Files made by cameras, editors, encoders and fuzzers that nobody on this
// project wrote, with the report each must give, worked out independently.
#include "framework/TextEncoding.h"
#include "inspect/InspectionRun.h"
#include "tests/support/JsonTree.h"
#include "tests/unit/ReportProcess.h"
#include "ui/QuantTableText.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

const std::string kSamplesDir = QUANTLENS_SAMPLES_DIR;

bool SamplesPresent()
{
    struct stat info;
    return stat((kSamplesDir + "/expected.jsonl").c_str(), &info) == 0;
}

std::vector<JsonValue> ExpectedResults()
{
    std::vector<JsonValue> results;
    std::ifstream in(kSamplesDir + "/expected.jsonl");
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            results.push_back(ParseJson(line));
    return results;
}

std::string Utf8(const std::wstring& text) { return WideToUtf8(text); }

void CheckReport(const JsonValue& expected, const InspectionOutcome& outcome)
{
    const JsonValue& report = expected["report"];
    const InspectionReport& actual = outcome.report;
    EXPECT_EQ(Utf8(actual.width), report["width"].string);
    EXPECT_EQ(Utf8(actual.height), report["height"].string);
    EXPECT_EQ(Utf8(actual.colorSpace), report["colorSpace"].string);
    EXPECT_EQ(Utf8(actual.components), report["components"].string);
    EXPECT_EQ(Utf8(actual.sampling), report["sampling"].string);
    EXPECT_EQ(Utf8(actual.precision), report["precision"].string);
    EXPECT_EQ(Utf8(actual.progressive), report["progressive"].string);
    EXPECT_EQ(Utf8(actual.optimized), report["optimized"].string);
    EXPECT_EQ(Utf8(actual.tableCount), report["tableCount"].string);
    EXPECT_EQ(Utf8(actual.sixteenBit), report["sixteenBit"].string);
    EXPECT_EQ(Utf8(actual.quality), report["quality"].string);
    EXPECT_EQ(Utf8(actual.variance), report["variance"].string);
    EXPECT_EQ(Utf8(actual.identity), report["identity"].string);
    EXPECT_EQ(actual.qualityMismatch, report["qualityMismatch"].boolean);
    EXPECT_EQ(Utf8(outcome.tablesText), expected["tables_text"].string);
}

// The outcome and report as quantlens-report --json gives them.
void CheckReportLine(const JsonValue& expected, const JsonValue& line)
{
    const std::string& kind = expected["outcome"].string;
    const std::string status = kind == "report" ? "ok" : kind == "refused" ? "refused" : "error";
    ASSERT_EQ(line["status"].string, status);
    if (kind == "refused") {
        EXPECT_EQ(line["message"].string, expected["message"].string);
    }
    if (kind != "report")
        return;
    const JsonValue& report = expected["report"];
    ASSERT_EQ(line["report"].keys, report.keys);
    for (const std::string& key : report.keys) {
        EXPECT_EQ(line["report"][key].string, report[key].string) << key;
        EXPECT_EQ(line["report"][key].boolean, report[key].boolean) << key;
    }
    EXPECT_EQ(line["tablesText"].string, expected["tables_text"].string);
}

// The reference pane right after the inspection: lists at the estimates, the
// box checked unless a table holds 16-bit values.
void CheckReference(const JsonValue& expected, const JpegFacts& facts)
{
    const JsonValue& reference = expected["reference"];
    const int luma = facts.estimates[0].quality;
    const int chroma = facts.estimates[1].quality;
    const bool baseline = facts.sixteenBit == 0;
    EXPECT_EQ(luma, reference["luma_quality"].number);
    EXPECT_EQ(chroma, reference["chroma_quality"].number);
    EXPECT_EQ(baseline ? 1 : 0, reference["baseline"].number);
    const ReferenceTexts texts = BuildReferenceTexts(luma, chroma, baseline);
    EXPECT_EQ(Utf8(texts.luminance), reference["luma_text"].string);
    EXPECT_EQ(Utf8(texts.chrominance), reference["chroma_text"].string);
}

} // namespace

TEST(RealSamples, EveryFileGivesItsExpectedOutcomeReportAndReference)
{
    if (!SamplesPresent())
        GTEST_SKIP() << "no sample folder at " << kSamplesDir << " (it exists only in the project's workplace)";

    const std::vector<JsonValue> results = ExpectedResults();
    ASSERT_EQ(results.size(), 150u);
    for (const JsonValue& expected : results) {
        const std::string& file = expected["file"].string;
        SCOPED_TRACE(file);
        const InspectionOutcome outcome = InspectSourceFile(Utf8ToWide(kSamplesDir + "/files/" + file));
        const std::string& kind = expected["outcome"].string;
        if (kind == "refused") {
            ASSERT_EQ(outcome.status, InspectionOutcome::Status::Refused);
            EXPECT_EQ(Utf8(outcome.message), expected["message"].string);
        } else if (kind == "library-error") {
            ASSERT_EQ(outcome.status, InspectionOutcome::Status::Error);
            EXPECT_NE(outcome.message, kSourceReadFailedMessage);
            EXPECT_FALSE(outcome.message.empty());
        } else {
            ASSERT_EQ(outcome.status, InspectionOutcome::Status::Ok) << Utf8(outcome.message);
            CheckReport(expected, outcome);
            CheckReference(expected, outcome.facts);
        }
    }
}

// The command-line report (of this build's processor: the 32-bit console
// program in the 32-bit build) over all the files in one batch.
TEST(RealSamples, TheReportCommandGivesEveryFileItsExpectedReport)
{
    if (!SamplesPresent())
        GTEST_SKIP() << "no sample folder at " << kSamplesDir << " (it exists only in the project's workplace)";

    const std::vector<JsonValue> results = ExpectedResults();
    std::string list;
    for (const JsonValue& expected : results)
        list += kSamplesDir + "/files/" + expected["file"].string + "\n";
    TempDir dir;
    const CommandResult run =
        RunReport(dir, {L"--json", L"--files-from", dir.Write(L"list", {list.begin(), list.end()})});
    EXPECT_EQ(run.status, 1) << run.err;
    const std::vector<JsonValue> lines = JsonLines(run.out);
    ASSERT_EQ(lines.size(), results.size());
    for (size_t i = 0; i < results.size(); ++i) {
        SCOPED_TRACE(results[i]["file"].string);
        CheckReportLine(results[i], lines[i]);
    }
}
