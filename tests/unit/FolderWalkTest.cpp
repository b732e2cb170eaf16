// The folder walk and the inspection under a low limit on open descriptors:
// each folder and file is closed before the next is opened, so a long batch
// never runs out; a folder that cannot be opened is reported as unreadable.
#include "cli/FileReport.h"
#include "cli/FileWalk.h"
#include "tests/generator/JpegWriter.h"
#include "tests/support/OpenFiles.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Lowers this process's soft limit on descriptors to room free ones above
// those open now (descriptor numbers count, not how many are open).
class DescriptorLimit
{
public:
    explicit DescriptorLimit(int room)
    {
        getrlimit(RLIMIT_NOFILE, &m_saved);
        const int lowestFree = dup(0);
        close(lowestFree);
        rlimit lowered = m_saved;
        lowered.rlim_cur = static_cast<rlim_t>(lowestFree + room);
        EXPECT_EQ(setrlimit(RLIMIT_NOFILE, &lowered), 0);
    }
    ~DescriptorLimit() { setrlimit(RLIMIT_NOFILE, &m_saved); }

private:
    rlimit m_saved;
};

} // namespace

TEST(FolderWalk, MoreFoldersThanFreeDescriptorsAreAllWalkedInspectedAndClosed)
{
    TempDir dir;
    const std::wstring root = dir.MakeDir(L"root");
    JpegOptions small;
    small.width = 16;
    small.height = 16;
    std::vector<std::wstring> expected;
    for (int i = 10; i < 50; ++i) {
        const std::wstring folder = dir.MakeDir(L"root/d" + std::to_wstring(i));
        WriteBytes(folder + L"/p.jpg", WriteJpeg(small));
        expected.push_back(root + L"/d" + std::to_wstring(i) + L"/p.jpg");
    }
    const int before = CountOpenFiles();
    {
        DescriptorLimit limit(6);
        // A folder named with its separator gets no second one.
        const std::vector<WalkItem> items = CollectPaths({root + L"/"}, true);
        ASSERT_EQ(items.size(), expected.size());
        for (size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(items[i].path, expected[i]);
            EXPECT_FALSE(items[i].unreadableFolder);
            EXPECT_EQ(InspectSourceFile(items[i].path).status, InspectionOutcome::Status::Ok);
        }
    }
    EXPECT_EQ(CountOpenFiles(), before);
}

TEST(FolderWalk, AFolderThatCannotBeOpenedIsReportedAsUnreadable)
{
    TempDir dir;
    const std::wstring root = dir.MakeDir(L"root");
    std::vector<WalkItem> items;
    {
        DescriptorLimit limit(0);
        items = CollectPaths({root, L"/dev/null"}, true);
    }
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].path, root);
    EXPECT_TRUE(items[0].unreadableFolder);
    EXPECT_FALSE(items[1].unreadableFolder) << "a device is no folder";
    const FileReport report = UnreadableFolderReport(root);
    EXPECT_EQ(report.outcome.status, InspectionOutcome::Status::Error);
    EXPECT_EQ(report.outcome.message, L"文件夹读取失败。");
}
#endif
