// A thousand inspections through the real routes, good and bad files
// alternating: the window keeps answering, the last report is right, and the
// process's handles, GDI and USER objects and private memory stay level.
// QUANTLENS_LONG_RUN_INSPECTIONS (at least 200) and QUANTLENS_LONG_RUN_SLOWEST_MS
// set another count and time limit, for an emulated machine where a thousand
// take too long and one takes longer.

#include "tests/gui/InspectorWindow.h"

#include "inspect/InspectionRun.h"
#include "res/resource.h"
#include "tests/generator/ByteStreams.h"
#include "tests/generator/JpegWriter.h"
#include "tests/robustness/DialogRoutes.h"
#include "tests/winsupport/DropAndPaste.h"

#include <psapi.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>

namespace {

const int kSettledAfter = 100;        // start-up allocations are done by then
const DWORD kObjectMargin = 8;        // handles, GDI objects, USER objects
const SIZE_T kMemoryMargin = 256 << 10; // private bytes
const UINT kAnswerTimeoutMs = 1000;

struct ProcessUsage
{
    DWORD handles = 0;
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    SIZE_T privateBytes = 0;
};

// Wine answers GetProcessHandleCount with 0 and GetGuiResources not at all,
// and leaves PrivateUsage at 0. There the counts are taken by probing: kernel
// handles are handed out lowest slot first, GDI handles are found by their
// table index alone, and the USER objects that can grow are windows.

DWORD ProbeKernelHandles()
{
    DWORD count = 0;
    DWORD flags = 0;
    for (ULONG_PTR value = 4; value < 4 * 4096; value += 4)
        count += GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) ? 1 : 0;
    return count;
}

DWORD ProbeGdiObjects()
{
    DWORD count = 0;
    for (ULONG_PTR index = 1; index < 0x10000; ++index)
        count += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0 ? 1 : 0;
    return count;
}

int EnvironmentNumber(const wchar_t* name, int fallback)
{
    wchar_t text[16] = {};
    return GetEnvironmentVariableW(name, text, 16) == 0 ? fallback : _wtoi(text);
}

BOOL CALLBACK CountWindow(HWND hWnd, LPARAM count)
{
    ++*reinterpret_cast<DWORD*>(count);
    EnumChildWindows(hWnd, CountWindow, count);
    return TRUE;
}

DWORD CountThreadWindows()
{
    DWORD count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

ProcessUsage MeasureUsage()
{
    ProcessUsage usage;
    GetProcessHandleCount(GetCurrentProcess(), &usage.handles);
    if (usage.handles == 0)
        usage.handles = ProbeKernelHandles();
    usage.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (usage.gdiObjects == 0)
        usage.gdiObjects = ProbeGdiObjects();
    usage.userObjects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    if (usage.userObjects == 0)
        usage.userObjects = CountThreadWindows();
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    // The commit charge, which Windows reports under both names.
    usage.privateBytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
    return usage;
}

std::ostream& operator<<(std::ostream& out, const ProcessUsage& usage)
{
    return out << usage.handles << " handles, " << usage.gdiObjects << " GDI objects, " << usage.userObjects
               << " USER objects, " << usage.privateBytes << " private bytes";
}

// What one file makes the Start command do.
struct Case
{
    std::wstring path;
    std::wstring quality;   // the report's quality text; empty when refused or failing
    std::wstring message;   // the refusal's text; empty when the library's own
    UINT icon = 0;          // the box's icon; 0 when the file is reported
};

std::vector<unsigned char> PngStream()
{
    std::vector<unsigned char> bytes = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    bytes.resize(64);
    return bytes;
}

JpegOptions GreyAt50()
{
    JpegOptions options;
    options.greyscale = true;
    options.quality = 50;
    return options;
}

JpegOptions ProgressiveAt90()
{
    JpegOptions options;
    options.progressive = true;
    options.quality = 90;
    return options;
}

class LongRun : public InspectorWindow
{
protected:
    void SetUp() override
    {
        InspectorWindow::SetUp();
        m_cases = {
            {WriteFile(L"照片 一.jpg", WriteSampleJpeg()), L"75", L"", 0},
            {WriteFile(L"截断 frame.jpg", CutAfterFrameStream()), L"", L"", MB_ICONSTOP},
            {WriteFile(L"灰度 二.jpeg", WriteJpeg(GreyAt50())), L"50", L"", 0},
            {WriteFile(L"其实是 png.jpg", PngStream()), L"",
             L"所选源文件其实是一个PNG文件，请重新选择。", MB_ICONEXCLAMATION},
            {WriteFile(L"渐进 三.JPG", WriteJpeg(ProgressiveAt90())), L"90", L"", 0},
            {m_dir.File(L"不存在.jpg"), L"", L"所选源文件已不存在，请重新选择。", MB_ICONEXCLAMATION},
        };
    }

    // One inspection of the n-th case by the n-th route.
    void InspectOnce(int n)
    {
        const Case& c = m_cases[n % m_cases.size()];
        const std::wstring qualityBefore = Text(IDC_QUALITY);
        const size_t boxesBefore = Boxes().size();
        // Every route meets good and bad files alike.
        switch ((n / 2) % 4) {
        case 0: DropOn(Item(IDC_PATH), c.path); break;
        case 1:
            SendMessageW(Dialog(), WM_SOURCE_PATH, reinterpret_cast<WPARAM>(c.path.c_str()), IDC_PATH);
            PumpMessages();
            break;
        case 2:
            m_dlg.m_strSource = c.path;
            m_dlg.UpdateData(FALSE);
            PostCommand(IDOK);
            break;
        default: TypeAndPressEnter(Item(IDC_PATH), c.path); break;
        }
        ASSERT_EQ(Text(IDC_PATH), c.path) << n;
        if (c.icon == 0) {
            ASSERT_EQ(Boxes().size(), boxesBefore) << n;
            ASSERT_EQ(Text(IDC_QUALITY), c.quality) << n;
            return;
        }
        ASSERT_EQ(Boxes().size(), boxesBefore + 1) << n;
        ASSERT_EQ(Boxes().back().type & MB_ICONMASK, c.icon) << n;
        if (!c.message.empty()) {
            ASSERT_EQ(Boxes().back().text, c.message) << n;
        }
        ASSERT_EQ(Text(IDC_QUALITY), qualityBefore) << n;
    }

    bool Answers() const
    {
        DWORD_PTR result = 0;
        return SendMessageTimeoutW(Dialog(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result) != 0;
    }

    // The report fields and the table box against the core's report of the same file.
    void ExpectReportOf(const std::wstring& path)
    {
        const InspectionOutcome outcome = InspectSourceFile(path);
        ASSERT_EQ(outcome.status, InspectionOutcome::Status::Ok);
        const InspectionReport& r = outcome.report;
        const std::pair<int, const std::wstring*> fields[] = {
            {IDC_WIDTH, &r.width}, {IDC_HEIGHT, &r.height}, {IDC_COLORSPACE, &r.colorSpace},
            {IDC_COMPONENTS, &r.components}, {IDC_SAMPLING, &r.sampling}, {IDC_PRECISION, &r.precision},
            {IDC_PROGRESSIVE, &r.progressive}, {IDC_OPTIMIZED, &r.optimized},
            {IDC_TABLE_COUNT, &r.tableCount}, {IDC_SIXTEEN_BIT, &r.sixteenBit}, {IDC_QUALITY, &r.quality},
            {IDC_VARIANCE, &r.variance}, {IDC_SAME, &r.identity}, {IDC_TABLES, &outcome.tablesText}};
        for (const auto& [nID, text] : fields)
            EXPECT_EQ(Text(nID), *text) << nID;
    }

    std::vector<Case> m_cases;
};

TEST_F(LongRun, ThousandInspectionsKeepTheProcessLevel)
{
    const int inspections = std::max(2 * kSettledAfter, EnvironmentNumber(L"QUANTLENS_LONG_RUN_INSPECTIONS", 1000));
    const DWORD slowestAllowed = EnvironmentNumber(L"QUANTLENS_LONG_RUN_SLOWEST_MS", 2000);
    ProcessUsage settled;
    DWORD slowest = 0;
    for (int n = 0; n < inspections; ++n) {
        if (n == kSettledAfter)
            settled = MeasureUsage();
        const DWORD start = GetTickCount();
        ASSERT_NO_FATAL_FAILURE(InspectOnce(n));
        slowest = std::max(slowest, GetTickCount() - start);
        if (n % 10 == 0) {
            ASSERT_TRUE(Answers()) << n;
        }
    }
    const ProcessUsage last = MeasureUsage();
    std::cout << "after " << kSettledAfter << ": " << settled << "\nafter " << inspections << ": " << last
              << "\nslowest inspection: " << slowest << " ms" << std::endl;

    EXPECT_TRUE(Answers());
    ASSERT_GT(settled.handles, 0u);
    ASSERT_GT(settled.gdiObjects, 0u);
    ASSERT_GT(settled.userObjects, 0u);
    ASSERT_GT(settled.privateBytes, 0u);
    EXPECT_LE(slowest, slowestAllowed);
    EXPECT_LE(last.handles, settled.handles + kObjectMargin);
    EXPECT_LE(last.gdiObjects, settled.gdiObjects + kObjectMargin);
    EXPECT_LE(last.userObjects, settled.userObjects + kObjectMargin);
    EXPECT_LE(last.privateBytes, settled.privateBytes + kMemoryMargin);

    // The last good file is the one whose report stands, refusals after it
    // notwithstanding; the path field shows the last path handed over.
    const int lastGood = inspections - 2;
    ASSERT_TRUE(m_cases[lastGood % m_cases.size()].icon == 0);
    ExpectReportOf(m_cases[lastGood % m_cases.size()].path);
    EXPECT_EQ(Text(IDC_PATH), m_cases[(inspections - 1) % m_cases.size()].path);
}

} // namespace
