#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>

#include "tests/generator/JpegWriter.h"
#include "tests/generator/LibraryTables.h"
#include "tests/generator/ZigzagOrder.h"

namespace {

QuantValues Ramp()
{
    QuantValues ramp{};
    for (int i = 0; i < 64; ++i)
        ramp[i] = static_cast<std::uint16_t>(i);
    return ramp;
}

// The 8-bit DQT tables of a libjpeg-written file, values as stored (zigzag).
std::vector<QuantValues> StoredDqtTables(const std::vector<unsigned char>& file)
{
    std::vector<QuantValues> tables;
    std::size_t pos = 2; // after SOI
    while (pos + 4 <= file.size() && file[pos] == 0xFF && file[pos + 1] != 0xDA) {
        const std::size_t length = file[pos + 2] * 256u + file[pos + 3];
        if (file[pos + 1] == 0xDB) {
            for (std::size_t t = pos + 4; t + 65 <= pos + 2 + length; t += 65) {
                QuantValues stored{};
                std::copy(file.begin() + t + 1, file.begin() + t + 65, stored.begin());
                tables.push_back(stored);
            }
        }
        pos += 2 + length;
    }
    return tables;
}

TEST(ZigzagOrder, IsAPermutationThatRoundTrips)
{
    std::array<bool, 64> seen{};
    for (const int natural : kZigzagToNatural) {
        ASSERT_GE(natural, 0);
        ASSERT_LT(natural, 64);
        EXPECT_FALSE(seen[natural]) << natural;
        seen[natural] = true;
    }
    EXPECT_EQ(ToNatural(ToZigzag(Ramp())), Ramp());
    EXPECT_EQ(ToZigzag(ToNatural(Ramp())), Ramp());
}

TEST(ZigzagOrder, WalksTheFirstAntiDiagonalsAsTheStandardDraws)
{
    // Row, column of the first six zigzag positions: (0,0) (0,1) (1,0) (2,0) (1,1) (0,2).
    const QuantValues zigzag = ToZigzag(Ramp());
    EXPECT_EQ(zigzag[0], 0);
    EXPECT_EQ(zigzag[1], 1);
    EXPECT_EQ(zigzag[2], 8);
    EXPECT_EQ(zigzag[3], 16);
    EXPECT_EQ(zigzag[4], 9);
    EXPECT_EQ(zigzag[5], 2);
    EXPECT_EQ(zigzag[63], 63);
}

TEST(ZigzagOrder, ReordersLibjpegsStoredTablesIntoItsQuantval)
{
    const std::vector<QuantValues> stored = StoredDqtTables(WriteSampleJpeg());
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(ToNatural(stored[0]), IjgQuantTable(75, true, 0));
    EXPECT_EQ(ToNatural(stored[1]), IjgQuantTable(75, true, 1));
    EXPECT_NE(stored[0], IjgQuantTable(75, true, 0)); // the orders really differ
}

} // namespace
