// CFile: opening with sharing modes, reading, and the exceptions of a failed
// read.

#include "framework/File.h"
#include "framework/FileException.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

namespace {

// Tries to open path as another program would; true when the system allows it.
bool OthersCanOpen(const std::wstring& path, DWORD access)
{
    HANDLE hFile = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(hFile);
    return true;
}

class File : public testing::Test
{
protected:
    TempDir m_dir;
    const std::wstring m_path = m_dir.Write(L"data.bin", {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'});
};

TEST_F(File, ReadOnlyDenyWriteLetsOthersReadButNotWrite)
{
    CFile file;
    ASSERT_TRUE(file.Open(m_path.c_str(), CFile::modeRead | CFile::shareDenyWrite));

    EXPECT_TRUE(OthersCanOpen(m_path, GENERIC_READ));
    EXPECT_FALSE(OthersCanOpen(m_path, GENERIC_WRITE));
    file.Close();
    EXPECT_TRUE(OthersCanOpen(m_path, GENERIC_WRITE));
}

TEST_F(File, OpenFailsWhileAnotherProgramWritesTheFile)
{
    HANDLE writer = CreateFileW(m_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, writer);
    CFile file;
    EXPECT_FALSE(file.Open(m_path.c_str(), CFile::modeRead | CFile::shareDenyWrite));
    CloseHandle(writer);
}

TEST_F(File, OpenFailsForAMissingFile)
{
    CFile file;
    EXPECT_FALSE(file.Open(m_dir.File(L"missing.jpg").c_str(), CFile::modeRead | CFile::shareDenyWrite));
}

TEST_F(File, ReadGivesTheBytesAndStopsAtTheEnd)
{
    CFile file;
    ASSERT_TRUE(file.Open(m_path.c_str(), CFile::modeRead | CFile::shareDenyWrite));
    unsigned char head[16] = {};
    EXPECT_EQ(10u, file.Read(head, sizeof head));
    EXPECT_EQ('0', head[0]);
    EXPECT_EQ('9', head[9]);
    EXPECT_EQ(0u, file.Read(head, sizeof head));
}

TEST_F(File, FailedReadThrowsAFileExceptionNamingTheFile)
{
    CFile file;
    ASSERT_TRUE(file.Open(m_path.c_str(), CFile::modeWrite | CFile::shareExclusive));
    unsigned char byte = 0;
    try {
        file.Read(&byte, 1);
        ADD_FAILURE() << "no exception";
    } catch (CFileException* e) {
        std::unique_ptr<CFileException, void (*)(CFileException*)> guard(
            e, [](CFileException* p) { p->Delete(); });
        EXPECT_NE(0, e->m_lOsError);
        EXPECT_EQ(m_path, e->m_strFileName);
    }
}

} // namespace
