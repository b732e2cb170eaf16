#include "inspect/InspectionRun.h"
#include "intake/SourceFileCheck.h"
#include "framework/TextEncoding.h"
#include "tests/generator/JpegWriter.h"
#include "tests/support/FileTree.h"
#include "tests/support/OpenFiles.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace {

using Bytes = std::vector<unsigned char>;

const Bytes kJpegHead = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0};

const std::wstring kNotRecognised = L"所选文件无法识别，请重新选择。";
const std::wstring kNotJpgName = L"所选源文件不是jpg文件，请重新选择。";
const std::wstring kOpenFailed = L"所选源文件打开失败。如果其他软件正在使用此文件，请先关闭。";
const std::wstring kMissing = L"所选源文件已不存在，请重新选择。";

std::wstring KindMessage(const std::wstring& kind)
{
    return L"所选源文件其实是一个" + kind + L"文件，请重新选择。";
}

class SourceFileCheck : public ::testing::Test
{
protected:
    std::optional<std::wstring> CheckContent(const Bytes& content, const std::wstring& name = L"a.jpg")
    {
        return FindSourceRefusal(m_dir.Write(name, content));
    }

    TempDir m_dir;
};

} // namespace

TEST_F(SourceFileCheck, EmptyAndMissingPaths)
{
    EXPECT_EQ(FindSourceRefusal(L""), L"请先选择源文件。");
    EXPECT_EQ(FindSourceRefusal(m_dir.File(L"gone.jpg")), L"所选源文件已不存在，请重新选择。");
    // Paths are taken literally: surrounding quotes or blanks make another name.
    const std::wstring real = m_dir.Write(L"real.jpg", kJpegHead);
    EXPECT_EQ(FindSourceRefusal(L"\"" + real + L"\""), L"所选源文件已不存在，请重新选择。");
    EXPECT_EQ(FindSourceRefusal(real), std::nullopt);
}

TEST_F(SourceFileCheck, ExtensionDecidesByNameAlone)
{
    for (const wchar_t* name : {L"a.jpg", L"b.JPG", L"c.JpEg", L"d.jpeg", L"照片 一.jpg"})
        EXPECT_EQ(CheckContent(kJpegHead, name), std::nullopt) << name;
    for (const wchar_t* name : {L"a.jpe", L"b.jfif", L"noextension", L"c.jpg.png", L"d.jpg ", L"e.jp g", L"f.jpgx"})
        EXPECT_EQ(CheckContent(kJpegHead, name), kNotJpgName) << name;
}

TEST_F(SourceFileCheck, FoldersAreRefusedByNameOrAtTheOpen)
{
    EXPECT_EQ(FindSourceRefusal(m_dir.MakeDir(L"folder")), kNotJpgName);
    EXPECT_EQ(FindSourceRefusal(m_dir.MakeDir(L"folder.jpg")), kOpenFailed);
}

// A link is judged by where it leads: a file as that file, a folder as a
// folder, nowhere (its target gone, or a loop) as a file that no longer
// exists. Windows makes junctions, links to folders only, where Wine allows.
TEST_F(SourceFileCheck, LinksAreJudgedByWhereTheyLead)
{
    const std::wstring folder = m_dir.MakeDir(L"folder"), gone = m_dir.MakeDir(L"gone");
    const struct { const wchar_t* link; std::wstring target; std::optional<std::wstring> message; } rows[] = {
#ifdef _WIN32
        {L"to-folder.jpg", folder, kOpenFailed},
        {L"photo.jpg", gone, kMissing},
#else
        {L"to-file.jpg", m_dir.Write(L"good.jpg", kJpegHead), std::nullopt},
        {L"to-folder.jpg", folder, kOpenFailed},
        {L"to-folder", folder, kNotJpgName},
        {L"photo.jpg", m_dir.File(L"deleted.jpg"), kMissing},
        {L"loop-a.jpg", m_dir.File(L"loop-b.jpg"), kMissing},
        {L"loop-b.jpg", m_dir.File(L"loop-a.jpg"), kMissing},
#endif
    };
    for (const auto& row : rows) {
#ifdef _WIN32
        // Wine's mklink says it failed and still exits with 0.
        const std::wstring link = m_dir.File(row.link);
        _wsystem((L"mklink /J \"" + link + L"\" \"" + row.target + L"\" >NUL 2>NUL").c_str());
        if (GetFileAttributesW(link.c_str()) == INVALID_FILE_ATTRIBUTES)
            GTEST_SKIP() << "no junctions here";
#else
        std::filesystem::create_symlink(FsPath(row.target), FsPath(m_dir.File(row.link)));
#endif
    }
    std::filesystem::remove(FsPath(gone));
    for (const auto& row : rows)
        EXPECT_EQ(FindSourceRefusal(m_dir.File(row.link)), row.message) << WideToUtf8(row.link);
}

TEST_F(SourceFileCheck, ShortFilesAreJudgedOnZeroFilledBytes)
{
    EXPECT_EQ(CheckContent({}), kNotRecognised);
    EXPECT_EQ(CheckContent({0xFF, 0xD8}), std::nullopt);
    EXPECT_EQ(CheckContent({0xFF}), kNotRecognised);
    EXPECT_EQ(CheckContent({0xFF, 0xD9, 0xFF, 0xD8}), kNotRecognised);
}

TEST_F(SourceFileCheck, EverySignatureRow)
{
    struct Row { Bytes head; std::wstring message; };
    const Row rows[] = {
        {{'R', 'a', 'r', '!', 0x1A, 0x07}, L"所选源文件其实是个RAR文件，请先解压再试"},
        {{'P', 'K', 0x03, 0x04}, L"所选源文件其实是个ZIP文件，请先解压再试"},
        {{'P', 'K'}, L"所选源文件其实是个ZIP文件，请先解压再试"},
        {{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}, KindMessage(L"PNG")},
        {{'x', 'P', 'N', 'G'}, KindMessage(L"PNG")},
        {{'G', 'I', 'F', '8', '7', 'a'}, KindMessage(L"GIF")},
        {{'G', 'I', 'F', '8', '9', 'a'}, KindMessage(L"GIF")},
        {{'B', 'M', 0x36, 0x00}, KindMessage(L"BMP")},
        {{'I', 'I', 0x2A, 0x00}, KindMessage(L"TIFF")},
        {{'M', 'M', 0x00, 0x2A}, KindMessage(L"TIFF")},
        {{'M', 'M'}, KindMessage(L"TIFF")},
        {{'A', 'T', '&', 'T', 'F', 'O', 'R', 'M'}, KindMessage(L"DjVu")},
        {{0xFF, 0x4F, 0xFF, 0x51, 0x00}, KindMessage(L"JPEG 2000")},
        {{0x00, 0x00, 0x00, 0x0C, 0x6A, 0x50, 0x20, 0x20, 0x0D, 0x0A, 0x87, 0x0A, 0, 0, 0, 0x14},
         KindMessage(L"JPEG 2000")},
        {{'H', 'H', 0x01}, KindMessage(L"PDG")},
        {{'P', 'N', 'G'}, kNotRecognised},
        {{0x00, 0x00, 0x00, 0x0C, 0x6A, 0x50, 0x20, 0x20, 0x0D, 0x0A, 0x87}, kNotRecognised},
        {{'R', 'a', 'r'}, kNotRecognised},
        {{'G', 'I', 'F', '7'}, kNotRecognised},
        {{'%', 'P', 'D', 'F'}, kNotRecognised},
    };
    int index = 0;
    for (const Row& row : rows) {
        const std::wstring name = L"sig" + std::to_wstring(index++) + L".jpg";
        EXPECT_EQ(CheckContent(row.head, name), row.message) << "row " << index;
    }
    EXPECT_EQ(KindMessage(L"JPEG 2000"), L"所选源文件其实是一个JPEG 2000文件，请重新选择。");
}

#ifdef _WIN32
TEST_F(SourceFileCheck, AFileHeldOpenForWritingIsRefusedAtTheOpen)
{
    const std::wstring path = m_dir.Write(L"busy.jpg", kJpegHead);
    HANDLE writer = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(FindSourceRefusal(path), kOpenFailed);
    CloseHandle(writer);
    EXPECT_EQ(FindSourceRefusal(path), std::nullopt);
}
#endif

#ifndef _WIN32
// Every way out of the check and of the inspection after it closes what was
// opened: a good file, refusals by content and at the open (a folder, which
// is closed at once, and a socket, which exists but does not open), FIFOs with
// and without a writer (the first gives no bytes, the second cannot be
// rewound), a file whose read fails, a missing one.
TEST_F(SourceFileCheck, EveryWayOutClosesWhatWasOpened)
{
    using Status = InspectionOutcome::Status;
    const std::wstring silent = m_dir.File(L"silent.jpg");
    const std::wstring fed = m_dir.File(L"fed.jpg");
    const std::wstring failing = m_dir.File(L"failing.jpg");
    const std::wstring good = m_dir.Write(L"good.jpg", WriteSampleJpeg());
    for (const std::wstring& fifo : {silent, fed})
        ASSERT_EQ(mkfifo(WideToUtf8(fifo).c_str(), 0600), 0);
    const int writer = open(WideToUtf8(fed).c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_EQ(write(writer, kJpegHead.data(), kJpegHead.size()), static_cast<ssize_t>(kJpegHead.size()));
    // Reading this process's memory at address 0 fails with EIO.
    ASSERT_EQ(symlink("/proc/self/mem", WideToUtf8(failing).c_str()), 0);
    const std::wstring socketPath = m_dir.File(L"socket.jpg");
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    WideToUtf8(socketPath).copy(address.sun_path, sizeof address.sun_path - 1);
    const int socketFd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(bind(socketFd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    const struct { std::wstring path; Status status; std::wstring message; } rows[] = {
        {good, Status::Ok, L""},
        {m_dir.Write(L"png.jpg", {0x89, 'P', 'N', 'G'}), Status::Refused, KindMessage(L"PNG")},
        {m_dir.MakeDir(L"folder.jpg"), Status::Refused, kOpenFailed},
        {socketPath, Status::Refused, kOpenFailed},
        {silent, Status::Refused, kNotRecognised},
        {fed, Status::Error, L"源文件读取失败。"},
        {failing, Status::Error, L"An error occurred while accessing " + failing + L" (system error 5)."},
        {m_dir.File(L"gone.jpg"), Status::Refused, L"所选源文件已不存在，请重新选择。"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(WideToUtf8(row.path));
        const int before = CountOpenFiles();
        const InspectionOutcome outcome = InspectSourceFile(row.path);
        EXPECT_EQ(outcome.status, row.status);
        EXPECT_EQ(outcome.message, row.message);
        EXPECT_EQ(CountOpenFiles(), before);
        if (row.message == kOpenFailed) {
            COpenSourceFile file;
            EXPECT_EQ(FindSourceRefusal(row.path, file), kOpenFailed);
            EXPECT_EQ(CountOpenFiles(), before) << "the folder stayed open";
        }
    }
    close(writer);
    close(socketFd);

    // Once the stream owns the descriptor, a second close leaves alone the
    // file that took the freed number.
    COpenSourceFile file;
    ASSERT_EQ(FindSourceRefusal(good, file), std::nullopt);
    ASSERT_NE(file.RewindAsStream(), nullptr);
    file.Close();
    const int other = open("/dev/null", O_RDONLY);
    file.Close();
    EXPECT_NE(fcntl(other, F_GETFD), -1) << "the second close closed another file";
    close(other);
}
#endif
