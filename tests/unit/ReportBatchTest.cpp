// quantlens-report over many files: folders walked with -r, CSV output, the
// progress line and the exit status.
#include "framework/TextEncoding.h"
#include "tests/generator/JpegWriter.h"
#include "tests/unit/ReportProcess.h"

#include <gtest/gtest.h>

#include <cstdio>

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

#ifndef _WIN32
// CSV text read back by Python's csv module in strict mode, as records of fields.
std::vector<std::vector<std::string>> ParseCsv(const TempDir& dir, const std::string& text)
{
    const std::wstring path = dir.Write(L"out.csv", std::vector<unsigned char>(text.begin(), text.end()));
    const std::string command = "/usr/bin/python3 -c 'import csv, json, sys; print(json.dumps(list(csv.reader("
                                "open(sys.argv[1], newline=\"\", encoding=\"utf-8\"), strict=True))))' " +
                                WideToUtf8(path);
    std::FILE* pipe = popen(command.c_str(), "r");
    std::string json;
    char buffer[4096];
    for (size_t n; pipe != nullptr && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        json.append(buffer, n);
    EXPECT_TRUE(pipe != nullptr && pclose(pipe) == 0) << "python3's csv refused:\n" << text;
    std::vector<std::vector<std::string>> records;
    for (const JsonValue& record : ParseJson(json).array) {
        records.emplace_back();
        for (const JsonValue& field : record.array)
            records.back().push_back(field.string);
    }
    return records;
}
#endif

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

// Names with every character that needs escaping or quoting, listed with -0
// (the last without its NUL), come back intact through RapidJSON and Python's
// csv; the CSV starts with its header row in exactly these bytes.
TEST(ReportBatch, HostileNamesReadBackThroughRealParsers)
{
    TempDir dir;
#ifdef _WIN32
    const std::vector<std::wstring> names = {L"a, b.jpg", L"样张 'x'.jpg"};   // Windows names cannot hold '"'
#else
    const std::vector<std::wstring> names = {L"a, \"quoted\" name.jpg", L"back\\slash.jpg", L"\"lead.jpg",
                                             L"mid\"quote.jpg", L"tab\tctl\x01\x1f.jpg", L"new\nline.jpg",
                                             L"样张.jpg", L"trail\r.jpg"};
#endif
    std::vector<std::string> paths;
    for (const std::wstring& name : names)
        paths.push_back(WideToUtf8(dir.Write(name, WriteSampleJpeg())));
    paths.insert(paths.begin() + 1, WideToUtf8(dir.Write(L"fake.jpg", {'G', 'I', 'F', '8', '9', 'a'})));
    std::string list;
    for (const std::string& path : paths)
        list += (list.empty() ? "" : std::string(1, '\0')) + path;
    const std::wstring listPath = dir.Write(L"list", std::vector<unsigned char>(list.begin(), list.end()));

    const CommandResult json = RunReport(dir, {L"--json", L"-0", L"--files-from", listPath});
    EXPECT_EQ(json.status, 1);
    EXPECT_EQ(ReportedPaths(json.out), paths);
    const CommandResult csv = RunReport(dir, {L"--csv", L"-0", L"--files-from", listPath});
    EXPECT_EQ(csv.status, 1);
    const std::vector<std::string> header = {
        "path", "status", "message", "width", "height", "colorSpace", "components", "sampling",
        "precision", "progressive", "optimized", "tableCount", "sixteenBit", "quality", "variance",
        "identity", "qualityMismatch", "ijgMatch", "encoders",
        "make", "model", "software", "photoshopQuality", "saveForWebQuality", "creatorTool", "provenance",
        "traces", "firstQuality"};
    std::string headerLine;
    for (const std::string& name : header)
        headerLine += (headerLine.empty() ? "" : ",") + name;
    EXPECT_EQ(csv.out.substr(0, headerLine.size() + 2), headerLine + "\r\n");
#ifndef _WIN32
    const std::vector<std::vector<std::string>> records = ParseCsv(dir, csv.out);
    ASSERT_EQ(records.size(), paths.size() + 1);
    EXPECT_EQ(records[0], header);
    std::vector<std::string> goodRow = {
        "", "ok", "", "320", "240", "YCbCr", "3", "1x1 2x2 2x2", "8", "否", "否", "2",
        "否", "75", "0.81/0.19", "是/是", "false",
        "精确匹配 IJG 质量 75（基线或非基线）/精确匹配 IJG 质量 75（基线或非基线）",
        "与 IJG 质量 75（基线或非基线）相同/与 IJG 质量 75（基线或非基线）相同",
        "", "", "", "", "", "", "no-camera-statement", "", ""};
    std::vector<std::string> fakeRow(header.size());
    fakeRow[1] = "refused";
    fakeRow[2] = "所选源文件其实是一个GIF文件，请重新选择。";
    for (size_t i = 0; i < paths.size(); ++i) {
        std::vector<std::string>& expected = i == 1 ? fakeRow : goodRow;
        expected[0] = paths[i];
        EXPECT_EQ(records[i + 1], expected) << paths[i];
    }
#endif
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
    EXPECT_EQ(nothing.out.find("\r\n"), nothing.out.size() - 2) << "only the header row";

    WriteBytes(folder + kSeparator + L"3.jpg", {0xFF, 0xD8, 0xFF, 0xC0, 0x00});
    const CommandResult broken = RunReport(dir, {L"-r", folder});
    EXPECT_EQ(broken.status, 1);
    EXPECT_NE(broken.err.find(WideToUtf8(folder + kSeparator + L"3.jpg") + ": "), std::string::npos);
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
}
