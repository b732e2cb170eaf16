// Paths users really have through every route into the main dialog: drops on
// the path field and on the dialog, Ctrl+V with a copied file, the typed path
// with Enter, a path preset as the command line does, and the open button's
// existence check. A file held open for writing elsewhere is refused, and no
// inspection changes anything on disk.

#include "tests/gui/InspectorWindow.h"

#include "framework/TextEncoding.h"
#include "inspect/InspectionRun.h"
#include "res/resource.h"
#include "tests/generator/JpegWriter.h"
#include "tests/robustness/DialogRoutes.h"
#include "tests/unit/UserPaths.h"
#include "tests/winsupport/DropAndPaste.h"

#include <shlwapi.h>

#include <functional>
#include <map>

namespace {

const wchar_t kOpenFailed[] = L"所选源文件打开失败。如果其他软件正在使用此文件，请先关闭。";
const wchar_t kNoSuchFile[] = L"抱歉，此文件不存在。";

using Route = std::function<void(const std::wstring&)>;

class PathRoutes : public InspectorWindow
{
protected:
    void SetUp() override
    {
        InspectorWindow::SetUp();
        m_paths = WriteUserFiles(m_dir, WriteSampleJpeg());
    }

    std::map<std::wstring, DiskState> States() const
    {
        std::map<std::wstring, DiskState> states;
        for (const UserPath& path : m_paths)
            states[path.path] = TakeDiskState(path.path);
        return states;
    }

    // Every user path through one route: each arrives whole and is inspected.
    void ExpectEveryPathInspected(const Route& route)
    {
        const auto before = States();
        for (const UserPath& path : m_paths) {
            SCOPED_TRACE(path.label);
            SetWindowTextW(Item(IDC_QUALITY), L"");
            route(path.path);
            EXPECT_EQ(Text(IDC_PATH), path.path);
            EXPECT_EQ(Text(IDC_QUALITY), L"75");
        }
        EXPECT_TRUE(Boxes().empty()) << WideToUtf8(Boxes().empty() ? L"" : Boxes()[0].text);
        EXPECT_TRUE(States() == before);
    }

    std::vector<UserPath> m_paths;
};

TEST_F(PathRoutes, DropOnThePathField)
{
    ExpectEveryPathInspected([this](const std::wstring& path) { DropOn(Item(IDC_PATH), path); });
}

TEST_F(PathRoutes, DropOnTheDialog)
{
    ExpectEveryPathInspected([this](const std::wstring& path) { DropOn(Dialog(), path); });
}

TEST_F(PathRoutes, ControlVWithACopiedFile)
{
    ExpectEveryPathInspected([this](const std::wstring& path) { PasteCopiedFile(Item(IDC_PATH), path); });
}

TEST_F(PathRoutes, TypedPathAndEnter)
{
    ExpectEveryPathInspected([this](const std::wstring& path) { TypeAndPressEnter(Item(IDC_PATH), path); });
}

TEST_F(PathRoutes, TypedPathAndStartButton)
{
    ExpectEveryPathInspected([this](const std::wstring& path) { Start(path); });
}

TEST_F(PathRoutes, ReadOnlyFilesInTheirReadOnlyFolders)
{
    for (const UserPath& path : m_paths) {
        SetReadOnly(path.path, true);
        SetReadOnly(FolderOf(path.path), true);
        EXPECT_NE(GetFileAttributesW(path.path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u) << path.label;
    }
    ExpectEveryPathInspected([this](const std::wstring& path) { DropOn(Dialog(), path); });
    for (const UserPath& path : m_paths) {
        SetReadOnly(FolderOf(path.path), false);
        SetReadOnly(path.path, false);
    }
}

// Beyond the 260 characters of the path field's drop and paste buffers and
// the 2048 of the dialog's drop buffer: every route hands the path over whole.
TEST_F(PathRoutes, PathOfTwoThousandCharactersOnEveryRoute)
{
    m_paths = {{"very long path", WriteLongPath(m_dir, 2100, WriteSampleJpeg())}};
    ASSERT_GT(m_paths[0].path.size(), 2100u);
    ExpectEveryPathInspected([this](const std::wstring& path) {
        DropOn(Item(IDC_PATH), path);
        EXPECT_EQ(Text(IDC_PATH), path) << "drop on the path field";
        DropOn(Dialog(), path);
        EXPECT_EQ(Text(IDC_PATH), path) << "drop on the dialog";
        PasteCopiedFile(Item(IDC_PATH), path);
        EXPECT_EQ(Text(IDC_PATH), path) << "Ctrl+V";
        TypeAndPressEnter(Item(IDC_PATH), path);
    });
}

// Root (as the tests run under Wine here) writes read-only files all the
// same; a reader that denies writing proves that inspections only read.
TEST_F(PathRoutes, FilesOthersReadWithoutSharingWriteAccessInspect)
{
    std::vector<HANDLE> readers;
    for (const UserPath& path : m_paths) {
        readers.push_back(CreateFileW(path.path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_NE(readers.back(), INVALID_HANDLE_VALUE) << path.label;
    }
    ExpectEveryPathInspected([this](const std::wstring& path) { DropOn(Item(IDC_PATH), path); });
    for (HANDLE hReader : readers)
        CloseHandle(hReader);
}

TEST_F(PathRoutes, FileHeldOpenForWritingIsRefused)
{
    for (const UserPath& path : m_paths) {
        SCOPED_TRACE(path.label);
        HANDLE hWriter = CreateFileW(path.path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(hWriter, INVALID_HANDLE_VALUE);
        const DiskState before = TakeDiskState(path.path);
        EXPECT_EQ(InspectSourceFile(path.path).message, kOpenFailed);
        const size_t boxes = Boxes().size();
        DropOn(Dialog(), path.path);
        ASSERT_EQ(Boxes().size(), boxes + 1);
        EXPECT_EQ(Boxes().back().text, kOpenFailed);
        EXPECT_EQ(Boxes().back().type & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
        EXPECT_TRUE(TakeDiskState(path.path) == before);
        CloseHandle(hWriter);
        // Once the other program lets go, the same file inspects.
        EXPECT_EQ(InspectSourceFile(path.path).status, InspectionOutcome::Status::Ok);
    }
}

// Registers a file type whose open command does nothing, for the time of a test.
class HarmlessFileType
{
public:
    HarmlessFileType()
    {
        const std::wstring command = L"cmd.exe /c exit";
        SHSetValueW(HKEY_CLASSES_ROOT, kExtension, nullptr, REG_SZ, kClass, sizeof kClass);
        SHSetValueW(HKEY_CLASSES_ROOT, (std::wstring(kClass) + L"\\shell\\open\\command").c_str(), nullptr,
                    REG_SZ, command.c_str(), static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    }
    ~HarmlessFileType()
    {
        SHDeleteKeyW(HKEY_CLASSES_ROOT, kClass);
        SHDeleteKeyW(HKEY_CLASSES_ROOT, kExtension);
    }
    HarmlessFileType(const HarmlessFileType&) = delete;
    HarmlessFileType& operator=(const HarmlessFileType&) = delete;

    static constexpr wchar_t kExtension[] = L".qlrobust";

private:
    static constexpr wchar_t kClass[] = L"Quantlens.RobustnessProbe";
};

TEST_F(PathRoutes, OpenButtonFindsEveryKindOfPath)
{
    HarmlessFileType fileType;
    for (const UserPath& path : m_paths) {
        SCOPED_TRACE(path.label);
        const std::wstring existing = path.path + HarmlessFileType::kExtension;
        WriteBytes(existing, {});
        const size_t boxes = Boxes().size();
        SetWindowTextW(Item(IDC_PATH), existing.c_str());
        PostCommand(IDC_OPEN, BN_CLICKED, Item(IDC_OPEN));
        EXPECT_EQ(Boxes().size(), boxes);

        SetWindowTextW(Item(IDC_PATH), (existing + L"2").c_str());
        PostCommand(IDC_OPEN, BN_CLICKED, Item(IDC_OPEN));
        ASSERT_EQ(Boxes().size(), boxes + 1);
        EXPECT_EQ(Boxes().back().text, kNoSuchFile);
    }
}

// A path given on the command line: preset before the dialog opens, it is
// inspected as soon as the dialog's queue runs.
class PresetPath : public PathRoutes
{
protected:
    PresetPath() { m_bOpenInSetUp = false; }
};

TEST_F(PresetPath, EveryKindIsInspectedAtOpening)
{
    ExpectEveryPathInspected([this](const std::wstring& path) {
        if (m_dlg.m_hWnd)
            m_dlg.DestroyWindow();
        PumpMessages();
        m_dlg.m_strSource = path;
        Open();
    });
}

} // namespace
