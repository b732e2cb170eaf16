// quantlens-report over many files: folders walked with -r, CSV output, the
// progress line and the exit status.
#include "framework/TextEncoding.h"
#include "tests/generator/JpegWriter.h"
#include "tests/unit/ReportProcess.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

const char kNotJpgMessage[] = "所选源文件不是jpg文件，请重新选择。";
const char kOpenFailedMessage[] = "所选源文件打开失败。如果其他软件正在使用此文件，请先关闭。";

std::vector<unsigned char> SmallJpeg()
{
    JpegOptions options;
    options.width = 16;
    options.height = 16;
    return WriteJpeg(options);
}

std::vector<std::string> ReportedPaths(const std::string& out)
{
    std::vector<std::string> paths;
    for (const JsonValue& line : JsonLines(out))
        paths.push_back(line["path"].string);
    return paths;
}

// Splits RFC 4180 text into records of fields; every record must end in CRLF.
std::vector<std::vector<std::string>> ParseCsv(const std::string& text)
{
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> record;
    std::string field;
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"' && field.empty()) {
            quoted = true;
        } else if (c == ',') {
            record.push_back(field);
            field.clear();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            record.push_back(field);
            records.push_back(record);
            record.clear();
            field.clear();
            ++i;
        } else {
            EXPECT_NE(c, '\n') << "a line break without CR";
            field += c;
        }
    }
    EXPECT_TRUE(field.empty() && record.empty() && !quoted) << "the last record does not end in CRLF";
    return records;
}

#ifndef _WIN32
// Runs quantlens-report with standard error on a new pseudo-terminal and
// returns what it wrote there; standard output goes to /dev/null.
std::string RunWithTerminalError(const std::vector<std::wstring>& args, int& status)
{
    std::vector<std::string> words = {QUANTLENS_REPORT_EXE};
    for (const std::wstring& arg : args)
        words.push_back(WideToUtf8(arg));
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        return "no pseudo-terminal";
    // Held open until the child has it, so that reading never sees it closed early.
    const int terminal = open(ptsname(master), O_RDWR | O_NOCTTY);
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(terminal, 2);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(terminal);
    std::string written;
    char buffer[4096];
    for (ssize_t n; (n = read(master, buffer, sizeof buffer)) > 0;)
        written.append(buffer, static_cast<size_t>(n));
    close(master);
    int raw = 0;
    waitpid(child, &raw, 0);
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return written;
}
#endif

} // namespace

TEST(ReportBatch, RecursionTakesJpegNamesBelowTheFolderInNameOrder)
{
    TempDir dir;
    const std::vector<unsigned char> jpeg = SmallJpeg();
    const std::wstring root = dir.MakeDir(L"photos");
    const std::wstring sub = dir.MakeDir(L"photos" + std::wstring(1, kSeparator) + L"a");
    dir.MakeDir(L"photos" + std::wstring(1, kSeparator) + L"a" + kSeparator + L"deeper");
    const std::vector<std::wstring> inOrder = {
        L"C.JPG", L"a" + std::wstring(1, kSeparator) + L"deeper" + kSeparator + L"d.jpg",
        L"a" + std::wstring(1, kSeparator) + L"z.jpg", L"a.jpg", L"b.jpg", L"x.jpeg", L"样张.jpg"};
    for (const std::wstring& name : inOrder)
        WriteBytes(root + kSeparator + name, jpeg);
    WriteBytes(root + kSeparator + L"notes.txt", jpeg);
    WriteBytes(sub + kSeparator + L"z.jpe", jpeg);
    const std::wstring named = dir.Write(L"named.txt", jpeg);

    const CommandResult result = RunReport(dir, {L"--json", L"-r", root, named});
    EXPECT_EQ(result.status, 1) << "the named .txt file is refused";
    std::vector<std::string> expected;
    for (const std::wstring& name : inOrder)
        expected.push_back(WideToUtf8(root + kSeparator + name));
    expected.push_back(WideToUtf8(named));
    EXPECT_EQ(ReportedPaths(result.out), expected);
    const std::vector<JsonValue> lines = JsonLines(result.out);
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t i = 0; i + 1 < lines.size(); ++i)
        EXPECT_EQ(lines[i]["status"].string, "ok") << expected[i];
    EXPECT_EQ(lines.back()["message"].string, kNotJpgMessage);
}

#ifndef _WIN32
TEST(ReportBatch, RecursionFollowsNoSymbolicLinks)
{
    TempDir dir;
    const std::wstring root = dir.MakeDir(L"photos");
    const std::wstring elsewhere = dir.MakeDir(L"elsewhere");
    WriteBytes(elsewhere + L"/e.jpg", SmallJpeg());
    const std::wstring outside = dir.Write(L"outside.jpg", SmallJpeg());
    WriteBytes(root + L"/own.jpg", SmallJpeg());
    ASSERT_EQ(symlink(WideToUtf8(outside).c_str(), WideToUtf8(root + L"/link.jpg").c_str()), 0);
    ASSERT_EQ(symlink(WideToUtf8(elsewhere).c_str(), WideToUtf8(root + L"/linked").c_str()), 0);
    ASSERT_EQ(symlink(WideToUtf8(root).c_str(), WideToUtf8(root + L"/loop").c_str()), 0);

    const CommandResult result = RunReport(dir, {L"--json", L"-r", root});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(ReportedPaths(result.out), std::vector<std::string>{WideToUtf8(root + L"/own.jpg")});
}
#endif

TEST(ReportBatch, WithoutRecursionAFolderIsRefusedAsTheDialogWould)
{
    TempDir dir;
    const std::wstring plain = dir.MakeDir(L"photos");
    const std::wstring jpegNamed = dir.MakeDir(L"album.jpg");
    WriteBytes(jpegNamed + kSeparator + L"inside.jpg", SmallJpeg());

    const CommandResult result = RunReport(dir, {L"--json", plain, jpegNamed});
    EXPECT_EQ(result.status, 1);
    const std::vector<JsonValue> lines = JsonLines(result.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]["message"].string, kNotJpgMessage);
    EXPECT_EQ(lines[1]["message"].string, kOpenFailedMessage);
    EXPECT_NE(result.err.find(WideToUtf8(jpegNamed) + ": " + kOpenFailedMessage), std::string::npos);

    const CommandResult walked = RunReport(dir, {L"--json", L"-r", jpegNamed});
    EXPECT_EQ(walked.status, 0) << walked.err;
    EXPECT_EQ(ReportedPaths(walked.out),
              std::vector<std::string>{WideToUtf8(jpegNamed + kSeparator + L"inside.jpg")});
}

TEST(ReportBatch, CsvHasAHeaderRowAndOneQuotedRowPerFile)
{
    TempDir dir;
#ifdef _WIN32
    const std::wstring goodName = L"a, b.jpg";   // Windows names cannot hold '"'
#else
    const std::wstring goodName = L"a, \"quoted\" name.jpg";
#endif
    const std::wstring good = dir.Write(goodName, WriteSampleJpeg());
    const std::wstring fake = dir.Write(L"fake.jpg", {'G', 'I', 'F', '8', '9', 'a'});
    const CommandResult result = RunReport(dir, {L"--csv", good, fake});
    EXPECT_EQ(result.status, 1);
    std::string quotedPath = "\"";
    for (char c : WideToUtf8(good))
        quotedPath += c == '"' ? std::string("\"\"") : std::string(1, c);
    EXPECT_NE(result.out.find("\r\n" + quotedPath + "\",ok,"), std::string::npos) << result.out;

    const std::vector<std::vector<std::string>> records = ParseCsv(result.out);
    ASSERT_EQ(records.size(), 3u);
    const std::vector<std::string> header = {
        "path", "status", "message", "width", "height", "colorSpace", "components", "sampling",
        "precision", "progressive", "optimized", "tableCount", "sixteenBit", "quality", "variance",
        "identity", "qualityMismatch", "ijgMatch", "encoders"};
    EXPECT_EQ(records[0], header);
    const std::vector<std::string> goodRow = {
        WideToUtf8(good), "ok", "", "320", "240", "YCbCr", "3", "1x1 2x2 2x2", "8", "否", "否", "2",
        "否", "75", "0.81/0.19", "是/是", "false",
        "精确匹配 IJG 质量 75（基线或非基线）/精确匹配 IJG 质量 75（基线或非基线）",
        "与 IJG 质量 75（基线或非基线）相同/与 IJG 质量 75（基线或非基线）相同"};
    EXPECT_EQ(records[1], goodRow);
    std::vector<std::string> fakeRow(header.size());
    fakeRow[0] = WideToUtf8(fake);
    fakeRow[1] = "refused";
    fakeRow[2] = "所选源文件其实是一个GIF文件，请重新选择。";
    EXPECT_EQ(records[2], fakeRow);
}

TEST(ReportBatch, ExitStatusSaysWhetherEveryFileWasReported)
{
    TempDir dir;
    const std::wstring folder = dir.MakeDir(L"good");
    WriteBytes(folder + kSeparator + L"1.jpg", SmallJpeg());
    WriteBytes(folder + kSeparator + L"2.jpg", SmallJpeg());
    EXPECT_EQ(RunReport(dir, {L"-r", folder}).status, 0);

    const std::wstring empty = dir.MakeDir(L"empty");
    const CommandResult nothing = RunReport(dir, {L"--csv", L"-r", empty});
    EXPECT_EQ(nothing.status, 0);
    EXPECT_EQ(ParseCsv(nothing.out).size(), 1u) << "only the header row";

    WriteBytes(folder + kSeparator + L"3.jpg", {0xFF, 0xD8, 0xFF, 0xC0, 0x00});
    const CommandResult broken = RunReport(dir, {L"-r", folder});
    EXPECT_EQ(broken.status, 1);
    EXPECT_NE(broken.err.find(WideToUtf8(folder + kSeparator + L"3.jpg") + ": "), std::string::npos);

    const CommandResult both = RunReport(dir, {L"--csv", L"--json", folder});
    EXPECT_EQ(both.status, 2);
    EXPECT_NE(both.err.find("--csv"), std::string::npos);
}

TEST(ReportBatch, NoProgressLineWhenStandardErrorIsNotATerminal)
{
    TempDir dir;
    const std::wstring folder = dir.MakeDir(L"many");
    const std::vector<unsigned char> jpeg = SmallJpeg();
    for (int i = 0; i < 60; ++i)
        WriteBytes(folder + kSeparator + std::to_wstring(i) + L".jpg", jpeg);
    const CommandResult result = RunReport(dir, {L"--json", L"-r", folder});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(JsonLines(result.out).size(), 60u);
    EXPECT_EQ(result.err, "");
}

#ifndef _WIN32
TEST(ReportBatch, ProgressLineOnATerminalForMoreThanFiftyFiles)
{
    TempDir dir;
    const std::wstring folder = dir.MakeDir(L"many");
    const std::vector<unsigned char> jpeg = SmallJpeg();
    for (int i = 0; i < 50; ++i)
        WriteBytes(folder + L"/" + std::to_wstring(i) + L".jpg", jpeg);
    int status = -1;
    EXPECT_EQ(RunWithTerminalError({L"--json", L"-r", folder}, status), "");
    EXPECT_EQ(status, 0);

    WriteBytes(folder + L"/50.jpg", jpeg);
    WriteBytes(folder + L"/bad.jpg", {0x00});
    const std::string written = RunWithTerminalError({L"--json", L"-r", folder}, status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(written.find("\r已检查 52/52 个文件"), std::string::npos) << written;
    // The failure is written on a line of its own, the progress line erased first.
    EXPECT_NE(written.find("\r" + std::string(19, ' ') + "\r" + WideToUtf8(folder) + "/bad.jpg: "),
              std::string::npos) << written;
    // The line is erased at the end.
    EXPECT_EQ(written.substr(written.size() - 21), "\r" + std::string(19, ' ') + "\r") << written;
}
#endif

TEST(ReportBatch, ThreadsKeepTheOrderAndTheOutputOfOneThread)
{
    TempDir dir;
    const std::wstring folder = dir.MakeDir(L"mixed");
    for (int quality = 1; quality <= 150; ++quality) {
        JpegOptions options;
        options.width = 16;
        options.height = 16;
        options.quality = (quality - 1) % 100 + 1;
        options.forceBaseline = quality <= 100;
        const std::vector<unsigned char> bytes =
            quality % 10 == 0 ? std::vector<unsigned char>{'P', 'K', 3, 4} : WriteJpeg(options);
        WriteBytes(folder + kSeparator + std::to_wstring(quality) + L".jpg", bytes);
    }
    const CommandResult one = RunReport(dir, {L"--json", L"-j", L"1", L"-r", folder});
    EXPECT_EQ(one.status, 1);
    EXPECT_EQ(JsonLines(one.out).size(), 150u);
    const CommandResult four = RunReport(dir, {L"--jobs", L"4", L"--json", L"-r", folder});
    EXPECT_EQ(four.status, 1);
    EXPECT_EQ(four.out, one.out);
    EXPECT_EQ(four.err, one.err);

    const CommandResult text = RunReport(dir, {L"-j", L"3", L"-r", folder});
    EXPECT_EQ(text.out, RunReport(dir, {L"-j", L"1", L"-r", folder}).out);

    for (const wchar_t* bad : {L"0", L"x", L"65"}) {
        const CommandResult refused = RunReport(dir, {L"-j", bad, folder});
        EXPECT_EQ(refused.status, 2) << WideToUtf8(bad);
        EXPECT_NE(refused.err.find("-j needs a number"), std::string::npos) << refused.err;
    }
}
