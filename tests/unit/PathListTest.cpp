// Path lists as --files-from reads them: one a line (CRLF too) or each ended
// by a NUL, empty entries skipped, the last kept without its separator, the
// paths appended to those already given, and the list file closed after.
#include "cli/PathList.h"
#include "tests/support/OpenFiles.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(PathList, EntriesOneALineOrNulEnded)
{
    TempDir dir;
    const struct { std::string content; bool nul; std::vector<std::wstring> paths; } rows[] = {
        {"a.jpg\nb.jpg\n", false, {L"a.jpg", L"b.jpg"}},
        {"a.jpg\r\n\n\r\n样张 二.jpg", false, {L"a.jpg", L"样张 二.jpg"}},
        {"new\nline.jpg\0cr\r\0\0last"s, true, {L"new\nline.jpg", L"cr\r", L"last"}},
        {"", false, {}},
    };
    int index = 0;
    for (const auto& row : rows) {
        const std::wstring list = dir.Write(L"list" + std::to_wstring(index++),
                                            std::vector<unsigned char>(row.content.begin(), row.content.end()));
        const int before = CountOpenFiles();
        std::vector<std::wstring> paths = {L"given.jpg"};
        EXPECT_TRUE(ReadPathList(list, row.nul, paths)) << index;
        std::vector<std::wstring> expected = row.paths;
        expected.insert(expected.begin(), L"given.jpg");
        EXPECT_EQ(paths, expected) << index;
        EXPECT_EQ(CountOpenFiles(), before) << index;
    }
    std::vector<std::wstring> paths;
    EXPECT_FALSE(ReadPathList(dir.File(L"missing"), false, paths));
}
