#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/TextEncoding.h"
#include "tests/generator/FileOutput.h"

namespace {

// The path the C++ library opens for a wide path: UTF-16 on Windows, UTF-8
// bytes elsewhere (whatever the locale).
std::filesystem::path NativePath(const std::wstring& path)
{
#ifdef _WIN32
    return std::filesystem::path(path);
#else
    return std::filesystem::path(WideToUtf8(path));
#endif
}

std::vector<unsigned char> ReadBack(const std::wstring& path)
{
    std::ifstream in(NativePath(path), std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

// A folder and a file with Chinese names, so that the wide-path handling
// is really used.
TEST(FileOutput, WritesThroughWidePaths)
{
    const std::wstring folder =
        std::filesystem::temp_directory_path().wstring() + L"/jpeggen-\u6D4B\u8BD5";
    std::filesystem::remove_all(NativePath(folder));
    ASSERT_TRUE(MakeDirectory(folder));
    EXPECT_TRUE(MakeDirectory(folder)) << "an existing folder is fine";

    const std::wstring file = folder + L"/\u6837\u672C.jpg";
    const std::vector<unsigned char> bytes = {0xFF, 0xD8, 0x00, 0x1A, 0xFF, 0xD9};
    ASSERT_TRUE(WriteFileBytes(file, bytes));
    EXPECT_EQ(ReadBack(file), bytes);
    ASSERT_TRUE(WriteFileBytes(file, {0x01}));
    EXPECT_EQ(ReadBack(file), std::vector<unsigned char>{0x01}) << "replaced, not appended";
    ASSERT_TRUE(WriteFileBytes(file, {})) << "the empty stream is a file too";
    EXPECT_TRUE(ReadBack(file).empty());

    EXPECT_FALSE(WriteFileBytes(folder + L"/missing/x.jpg", bytes));
    EXPECT_FALSE(MakeDirectory(file)) << "a file is not a folder";
    std::filesystem::remove_all(NativePath(folder));
}

} // namespace
