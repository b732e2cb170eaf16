// Paths users really have (non-ASCII names, spaces, more than 260
// characters, read-only files and folders) through the inspection core and
// the command-line report. No inspection changes anything on disk.

#include "framework/TextEncoding.h"
#include "inspect/InspectionRun.h"
#include "tests/generator/JpegWriter.h"
#include "tests/support/JsonTree.h"
#include "tests/unit/ReportProcess.h"
#include "tests/unit/UserPaths.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace {

const wchar_t kMissing[] = L"所选源文件已不存在，请重新选择。";
// Beyond the 2048 characters of any fixed path buffer of the program.
const size_t kVeryLongPath = 2100;

class UserPaths : public testing::Test
{
protected:
    void SetUp() override { m_paths = WriteUserFiles(m_dir, WriteSampleJpeg()); }
    void TearDown() override
    {
        SetAllReadOnly(false);
    }

    // Every file and the folder holding it.
    void SetAllReadOnly(bool readOnly) const
    {
        for (const UserPath& path : m_paths) {
            SetReadOnly(path.path, readOnly);
            SetReadOnly(FolderOf(path.path), readOnly);
        }
    }

    std::map<std::wstring, DiskState> States() const
    {
        std::map<std::wstring, DiskState> states;
        for (const UserPath& path : m_paths)
            states[path.path] = TakeDiskState(path.path);
        return states;
    }

    static void ExpectSampleReport(const std::wstring& path)
    {
        const InspectionOutcome outcome = InspectSourceFile(path);
        ASSERT_EQ(outcome.status, InspectionOutcome::Status::Ok) << WideToUtf8(outcome.message);
        EXPECT_EQ(outcome.report.width, L"320");
        EXPECT_EQ(outcome.report.quality, L"75");
        EXPECT_EQ(outcome.report.identity, L"是/是");
    }

    // The JSON objects of the report command's output, by path.
    static std::map<std::string, JsonValue> ReportsByPath(const std::string& out)
    {
        std::map<std::string, JsonValue> reports;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);) {
            if (line.empty() || line == "\r")
                continue;
            JsonValue value = ParseJson(line);
            reports[value["path"].string] = std::move(value);
        }
        return reports;
    }

    TempDir m_dir;
    TempDir m_scratch;   // the report command's standard error, away from the files
    std::vector<UserPath> m_paths;
};

TEST_F(UserPaths, CoreInspectsEveryKindOfNameAndLeavesItAlone)
{
    ASSERT_GT(m_paths.back().path.size(), 260u);
    const auto before = States();
    for (const UserPath& path : m_paths) {
        SCOPED_TRACE(path.label);
        ExpectSampleReport(path.path);
    }
    EXPECT_TRUE(States() == before);
}

TEST_F(UserPaths, CoreNamesMissingFilesOfEveryKind)
{
    for (const UserPath& path : m_paths) {
        const std::wstring missing = path.path.substr(0, path.path.size() - 4) + L" 2.jpg";
        EXPECT_EQ(InspectSourceFile(missing).message, kMissing) << path.label;
    }
}

TEST_F(UserPaths, ReadOnlyFilesAndFoldersInspectNormally)
{
    SetAllReadOnly(true);
    const auto before = States();
    for (const UserPath& path : m_paths) {
        SCOPED_TRACE(path.label);
        ExpectSampleReport(path.path);
    }
    EXPECT_TRUE(States() == before);
}

TEST_F(UserPaths, ReportCommandTakesEveryKindOfName)
{
    const auto before = States();
    std::vector<std::wstring> args = {L"--json"};
    for (const UserPath& path : m_paths)
        args.push_back(path.path);
    const CommandResult result = RunReport(m_scratch, args);
    EXPECT_EQ(result.status, 0) << result.err;
    const auto reports = ReportsByPath(result.out);
    EXPECT_EQ(reports.size(), m_paths.size());
    for (const UserPath& path : m_paths) {
        SCOPED_TRACE(path.label);
        const auto found = reports.find(WideToUtf8(path.path));
        ASSERT_NE(found, reports.end()) << result.out;
        EXPECT_EQ(found->second["status"].string, "ok");
        EXPECT_EQ(found->second["report"]["quality"].string, "75");
    }
    EXPECT_TRUE(States() == before);
}

TEST_F(UserPaths, ReportCommandWalksIntoLongAndNonAsciiFolders)
{
    const auto before = States();
    const CommandResult result = RunReport(m_scratch, {L"--json", L"-r", m_dir.Path()});
    EXPECT_EQ(result.status, 0) << result.err;
    const auto reports = ReportsByPath(result.out);
    for (const UserPath& path : m_paths)
        EXPECT_EQ(reports.count(WideToUtf8(path.path)), 1u) << path.label << "\n" << result.out;
    EXPECT_EQ(reports.size(), m_paths.size());
    EXPECT_TRUE(States() == before);
}

// Every name through a path list (-0 --files-from) and the text and CSV
// reports, against its UTF-8 as the C++ library makes it.
TEST_F(UserPaths, ListsTextAndCsvCarryEveryKindOfName)
{
    std::string list;
    for (const UserPath& path : m_paths)
        list += FsPath(path.path).u8string() + '\0';
    const std::wstring listFile = m_scratch.Write(L"list", std::vector<unsigned char>(list.begin(), list.end()));
    const CommandResult text = RunReport(m_scratch, {L"-0", L"--files-from", listFile});
    const CommandResult csv = RunReport(m_scratch, {L"--csv", L"-0", L"--files-from", listFile});
    EXPECT_EQ(text.status + csv.status, 0) << text.err << csv.err;
    for (const UserPath& path : m_paths) {
        const std::string utf8 = FsPath(path.path).u8string();
        EXPECT_NE(text.out.find("文件: " + utf8 + "\n"), std::string::npos) << path.label;
        std::string field = utf8;
        for (size_t quote = 0; (quote = field.find('"', quote)) != std::string::npos; quote += 2)
            field.insert(quote, 1, '"');
        if (utf8.find_first_of(",\"\n") != std::string::npos)
            field = '"' + field + '"';
        EXPECT_NE(csv.out.find("\r\n" + field + ",ok,"), std::string::npos) << path.label;
    }
}

TEST_F(UserPaths, PathOfTwoThousandCharactersInspects)
{
    const std::wstring path = WriteLongPath(m_dir, kVeryLongPath, WriteSampleJpeg());
    ASSERT_GT(path.size(), kVeryLongPath);
    ExpectSampleReport(path);
    const CommandResult result = RunReport(m_scratch, {L"--json", path});
    EXPECT_EQ(result.status, 0) << result.err;
    const auto reports = ReportsByPath(result.out);
    ASSERT_EQ(reports.count(WideToUtf8(path)), 1u) << result.out;
    EXPECT_EQ(reports.at(WideToUtf8(path))["report"]["quality"].string, "75");
}

TEST_F(UserPaths, ReportCommandNamesAMissingNonAsciiFile)
{
    const std::wstring missing = m_dir.File(L"不存在的 照片.jpg");
    const CommandResult result = RunReport(m_scratch, {L"--json", missing});
    EXPECT_EQ(result.status, 1);
    const auto reports = ReportsByPath(result.out);
    ASSERT_EQ(reports.count(WideToUtf8(missing)), 1u) << result.out;
    EXPECT_EQ(reports.at(WideToUtf8(missing))["message"].string, WideToUtf8(kMissing));
}

} // namespace
