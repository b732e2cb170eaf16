#include <gtest/gtest.h>

#include <set>

#include "tests/generator/ByteStreams.h"
#include "tests/generator/Catalogue.h"
#include "tests/generator/JpegProbe.h"

namespace {

TEST(Catalogue, NamesAreUniqueJpgFileNames)
{
    const std::vector<CatalogueEntry> entries = BuildCatalogue();
    std::set<std::string> names;
    for (const CatalogueEntry& entry : entries) {
        EXPECT_TRUE(names.insert(entry.fileName).second) << entry.fileName;
        EXPECT_EQ(entry.fileName.find_first_of("/\\:"), std::string::npos) << entry.fileName;
        EXPECT_EQ(entry.fileName.substr(entry.fileName.size() - 4), ".jpg");
    }
    EXPECT_GT(entries.size(), NamedStreams().size() + 15);
}

TEST(Catalogue, HoldsEveryStreamAndLibjpegFilesThatDecode)
{
    std::set<std::string> streamsSeen;
    for (const CatalogueEntry& entry : BuildCatalogue()) {
        if (entry.fileName.rfind("stream-", 0) == 0) {
            streamsSeen.insert(entry.fileName);
            continue;
        }
        const DecodedImage image = DecodeImage(entry.bytes);
        EXPECT_EQ(image.warnings, 0) << entry.fileName;
        EXPECT_GT(image.width, 0) << entry.fileName;
    }
    for (const NamedStream& stream : NamedStreams())
        EXPECT_EQ(streamsSeen.count(std::string("stream-") + stream.name + ".jpg"), 1u) << stream.name;
}

} // namespace
