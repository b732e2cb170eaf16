// The icons and the hand cursor: which images each resource holds, and how
// the system reads the cursor.

#include "tests/resources/IconGroup.h"
#include "tests/resources/ResourceModule.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

struct Size {
    unsigned width, height, bitCount;
    bool operator<(const Size& o) const
    {
        return std::tie(width, height, bitCount) < std::tie(o.width, o.height, o.bitCount);
    }
    bool operator==(const Size& o) const
    {
        return std::tie(width, height, bitCount) == std::tie(o.width, o.height, o.bitCount);
    }
};

std::ostream& operator<<(std::ostream& out, const Size& size)
{
    return out << size.width << "x" << size.height << "x" << size.bitCount;
}

// The group's entries as the directory states them, in ascending order.
std::vector<Size> Listed(const std::vector<IconImage>& images)
{
    std::vector<Size> sizes;
    for (const IconImage& image : images)
        sizes.push_back({image.width, image.height, image.bitCount});
    std::sort(sizes.begin(), sizes.end());
    return sizes;
}

// The images themselves: the bitmap height covers colour bits and mask.
std::vector<Size> Stored(const std::vector<IconImage>& images)
{
    std::vector<Size> sizes;
    for (const IconImage& image : images) {
        sizes.push_back({static_cast<unsigned>(image.bitmapWidth),
                         static_cast<unsigned>(image.bitmapHeight / 2), image.bitmapBitCount});
    }
    std::sort(sizes.begin(), sizes.end());
    return sizes;
}

void ExpectIcon(int id, std::vector<Size> expected)
{
    SCOPED_TRACE(testing::Message() << "icon " << id);
    std::vector<IconImage> images;
    ASSERT_NO_THROW(images = ReadIconGroup(Program(), id));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Listed(images), expected);
    EXPECT_EQ(Stored(images), expected);
}

TEST(Icons, ProgramIconHasFourTrueColourSizes)
{
    ExpectIcon(128, {{64, 64, 32}, {48, 48, 32}, {32, 32, 32}, {16, 16, 32}});
}

TEST(Icons, HelpIconHasThreeTrueColourSizesWithout48)
{
    ExpectIcon(131, {{128, 128, 32}, {64, 64, 32}, {32, 32, 32}});
}

TEST(Icons, ButtonIconsAreSmall256ColourImages)
{
    ExpectIcon(129, {{16, 14, 8}});
    ExpectIcon(132, {{16, 16, 8}});
}

TEST(HandCursor, IsOneMonochrome32PixelImageWithTheHotSpotAtTheFingertip)
{
    std::vector<IconImage> images;
    ASSERT_NO_THROW(images = ReadCursorGroup(Program(), 109));
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].width, 32u);
    EXPECT_EQ(images[0].bitmapWidth, 32);
    EXPECT_EQ(images[0].bitmapHeight, 64);
    EXPECT_EQ(images[0].bitmapBitCount, 1);
    EXPECT_EQ(images[0].hotSpotX, 6);
    EXPECT_EQ(images[0].hotSpotY, 0);
}

TEST(HandCursor, LoadsAsAMonochromeCursorWithItsHotSpot)
{
    HCURSOR cursor = static_cast<HCURSOR>(
        LoadImageW(Program().Handle(), MAKEINTRESOURCEW(109), IMAGE_CURSOR, 0, 0, LR_DEFAULTCOLOR));
    ASSERT_NE(cursor, nullptr) << "error " << GetLastError();
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 6u);
    EXPECT_EQ(info.yHotspot, 0u);
    EXPECT_EQ(info.hbmColor, nullptr);   // monochrome: the mask holds both halves
    BITMAP mask = {};
    ASSERT_TRUE(GetObjectW(info.hbmMask, sizeof mask, &mask));
    EXPECT_EQ(mask.bmWidth, 32);
    EXPECT_EQ(mask.bmHeight, 64);
    DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    DestroyCursor(cursor);
}

}  // namespace
