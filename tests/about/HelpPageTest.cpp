// The main dialog's help icon opens the page named after the executable, from
// the executable's folder. Copies of a probe program under different names
// click it (HelpPageProbe.cpp); a marker program registered as the ".htm"
// opener records what the shell ran and from where.

#include "framework/TextEncoding.h"
#include "tests/about/AboutProbe.h"
#include "tests/about/HtmlOpenerKeys.h"
#include "tests/support/TempDir.h"
#include "tests/winsupport/ProgramPaths.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

const wchar_t kMissingPage[] = L"抱歉，找不到帮助文件。请下载完整版本。";

struct ShownBox
{
    std::wstring caption;
    std::wstring text;
    UINT type;
};

struct ProbeReport
{
    std::wstring page;
    std::vector<ShownBox> boxes;
    bool clicked = false;
};

std::vector<std::wstring> SplitTabs(const std::wstring& line)
{
    std::vector<std::wstring> fields;
    std::wistringstream stream(line);
    std::wstring field;
    while (std::getline(stream, field, L'\t'))
        fields.push_back(field);
    return fields;
}

std::vector<std::wstring> ReadLines(const std::wstring& path)
{
    const std::vector<unsigned char> bytes = ReadBytes(path);
    std::wistringstream stream(Utf8ToWide(std::string(bytes.begin(), bytes.end())));
    std::vector<std::wstring> lines;
    std::wstring line;
    while (std::getline(stream, line))
        lines.push_back(line);
    return lines;
}

ProbeReport ParseReport(const std::vector<std::wstring>& lines)
{
    ProbeReport report;
    for (const std::wstring& line : lines) {
        const std::vector<std::wstring> fields = SplitTabs(line);
        if (fields.size() == 2 && fields[0] == L"page")
            report.page = fields[1];
        else if (fields.size() == 4 && fields[0] == L"box")
            report.boxes.push_back({fields[1], fields[2], static_cast<UINT>(std::stoul(fields[3]))});
        else if (fields.size() == 1 && fields[0] == L"clicked")
            report.clicked = true;
    }
    return report;
}

// Runs program with the report path as its argument, from the tests' own
// folder, so that a working folder it passes on must have been chosen.
ProbeReport RunProbe(const std::wstring& program, const std::wstring& reportPath)
{
    std::wstring commandLine = L"\"" + program + L"\" \"" + reportPath + L"\"";
    const std::wstring workingFolder = ProgramBesideTests(L"");
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.c_str(), &startup, &process)) {
        ADD_FAILURE() << "cannot start the probe, error " << GetLastError();
        return {};
    }
    const DWORD waited = WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (waited != WAIT_OBJECT_0 || GetFileAttributesW(reportPath.c_str()) == INVALID_FILE_ATTRIBUTES) {
        ADD_FAILURE() << "the probe did not report";
        return {};
    }
    return ParseReport(ReadLines(reportPath));
}

bool SameText(const std::wstring& a, const std::wstring& b)
{
    return lstrcmpiW(a.c_str(), b.c_str()) == 0;
}

bool ContainsText(const std::wstring& text, const std::wstring& part)
{
    std::wstring upperText = text;
    std::wstring upperPart = part;
    CharUpperW(&upperText[0]);
    CharUpperW(&upperPart[0]);
    return upperText.find(upperPart) != std::wstring::npos;
}

// The marker's record of one start: command line and working folder.
struct OpenRecord
{
    std::wstring commandLine;
    std::wstring workingFolder;
};

// Waits up to timeout milliseconds for the marker's record.
bool WaitForRecord(const std::wstring& path, DWORD timeout, OpenRecord& record)
{
    const DWORD start = GetTickCount();
    while (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (GetTickCount() - start >= timeout)
            return false;
        Sleep(50);
    }
    const std::vector<std::wstring> lines = ReadLines(path);
    if (lines.size() != 2)
        return false;
    record = {lines[0], lines[1]};
    return true;
}

// A folder "tools" holding viewer.htm; copies of the probe go beside it, and
// the marker is the ".htm" opener.
class HelpPage : public HtmlOpenerKeys
{
protected:
    void SetUp() override
    {
        RegisterOpener(L"\"" + ProgramBesideTests(OPEN_MARKER_PROGRAM) + L"\" \"" + m_strRecord
                       + L"\" \"%1\"");
        WriteBytes(m_strFolder + L"\\viewer.htm", {'<', 'p', '>'});
    }

    // Copies the probe into the folder as name and runs that copy.
    ProbeReport RunAs(const std::wstring& folder, const std::wstring& name) const
    {
        const std::wstring program = folder + L"\\" + name;
        EXPECT_TRUE(CopyFileW(ProgramBesideTests(HELP_PAGE_PROBE).c_str(), program.c_str(), FALSE));
        return RunProbe(program, m_dir.File(name + L".report"));
    }

    TempDir m_dir;
    const std::wstring m_strFolder = m_dir.MakeDir(L"tools");
    const std::wstring m_strRecord = m_dir.File(L"opened.txt");
};

TEST_F(HelpPage, IconOpensThePageNamedAfterTheExecutableFromItsFolder)
{
    const ProbeReport report = RunAs(m_strFolder, L"viewer.exe");
    ASSERT_TRUE(report.clicked);
    EXPECT_TRUE(report.boxes.empty());
    const std::wstring page = m_strFolder + L"\\viewer.htm";
    EXPECT_TRUE(SameText(page, report.page)) << report.page;

    OpenRecord record;
    ASSERT_TRUE(WaitForRecord(m_strRecord, 20000, record)) << "the page was not opened";
    EXPECT_TRUE(ContainsText(record.commandLine, L"\"" + page + L"\"")) << record.commandLine;
    EXPECT_TRUE(SameText(m_strFolder, record.workingFolder)) << record.workingFolder;
}

TEST_F(HelpPage, RenamedExecutableLooksForItsOwnPageAndSaysItIsMissing)
{
    const ProbeReport report = RunAs(m_strFolder, L"qv.exe");
    ASSERT_TRUE(report.clicked);
    EXPECT_TRUE(SameText(m_strFolder + L"\\qv.htm", report.page)) << report.page;
    ASSERT_EQ(1u, report.boxes.size());
    EXPECT_EQ(L"qv", report.boxes[0].caption);
    EXPECT_EQ(kMissingPage, report.boxes[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), report.boxes[0].type & MB_ICONMASK);
    EXPECT_EQ(static_cast<UINT>(MB_OK), report.boxes[0].type & MB_TYPEMASK);

    OpenRecord record;
    EXPECT_FALSE(WaitForRecord(m_strRecord, 1000, record)) << "opened: " << record.commandLine;
}

// Only the file name's last dot starts the extension: dots in the folder or
// earlier in the name stay, and a name without a dot gets ".htm" appended.
TEST_F(HelpPage, PagePathReplacesOnlyTheNamesLastExtension)
{
    const std::wstring folder = m_dir.MakeDir(L"my.tools");
    EXPECT_TRUE(SameText(folder + L"\\q.v.2.htm", RunAs(folder, L"q.v.2.exe").page));
    EXPECT_TRUE(SameText(folder + L"\\viewer.htm", RunAs(folder, L"viewer").page));
}

} // namespace
