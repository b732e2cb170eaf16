#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "tests/generator/FlatScan.h"
#include "tests/generator/JpegProbe.h"
#include "tests/generator/LibraryTables.h"
#include "tests/generator/StreamBuilder.h"

namespace {

// Annex K, Tables K.1 and K.2, natural order.
const QuantValues kLuminanceK1 = {
    16, 11, 10, 16, 24, 40, 51, 61,     12, 12, 14, 19, 26, 58, 60, 55,
    14, 13, 16, 24, 40, 57, 69, 56,     14, 17, 22, 29, 51, 87, 80, 62,
    18, 22, 37, 56, 68, 109, 103, 77,   24, 35, 55, 64, 81, 104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
const QuantValues kChrominanceK2 = {
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
    24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};

QuantValues Ramp(int start)
{
    QuantValues ramp{};
    for (int i = 0; i < 64; ++i)
        ramp[i] = static_cast<std::uint16_t>(start + i);
    return ramp;
}

TEST(LibraryTables, QualityFiftyIsAnnexK)
{
    EXPECT_EQ(IjgQuantTable(50, true, 0), kLuminanceK1);
    EXPECT_EQ(IjgQuantTable(50, true, 1), kChrominanceK2);
}

TEST(LibraryTables, ForcingClampsOnlyWhenAsked)
{
    // Quality 10 scales by 5: the luminance entry 121 becomes 605.
    const QuantValues unforced = IjgQuantTable(10, false, 0);
    const QuantValues forced = IjgQuantTable(10, true, 0);
    EXPECT_EQ(*std::max_element(unforced.begin(), unforced.end()), 605);
    EXPECT_EQ(*std::max_element(forced.begin(), forced.end()), 255);
}

TEST(LibraryTables, HuffmanCodesAreAnnexKs)
{
    // Table K.3: DC difference category 0 is "00"; K.5: AC EOB is "1010";
    // K.6: chrominance AC EOB is "00".
    const HuffmanCode dcZero = CodeOfSymbol(StandardHuffmanTable(HuffmanClass::dc, 0), 0x00);
    EXPECT_EQ(dcZero.length, 2);
    EXPECT_EQ(dcZero.bits, 0u);
    const HuffmanCode lumaEob = CodeOfSymbol(StandardHuffmanTable(HuffmanClass::ac, 0), 0x00);
    EXPECT_EQ(lumaEob.length, 4);
    EXPECT_EQ(lumaEob.bits, 0xAu);
    const HuffmanCode chromaEob = CodeOfSymbol(StandardHuffmanTable(HuffmanClass::ac, 1), 0x00);
    EXPECT_EQ(chromaEob.length, 2);
    EXPECT_EQ(chromaEob.bits, 0u);
    EXPECT_EQ(StandardHuffmanTable(HuffmanClass::ac, 0).values.size(), 162u);
}

TEST(StreamBuilder, DqtReadsBackInNaturalOrder)
{
    const std::vector<unsigned char> stream = JpegStreamBuilder()
        .Soi().Dqt(0, Ramp(1)).Dqt({{3, Ramp(1000), true}}).Eoi().Bytes();
    const HeaderProbe probe = ProbeHeader(stream);
    EXPECT_EQ(probe.result, JPEG_HEADER_TABLES_ONLY);
    EXPECT_EQ(probe.quantTables[0], Ramp(1));
    EXPECT_EQ(probe.quantTables[3], Ramp(1000));
}

TEST(StreamBuilder, RefusesAn8BitTableAbove255)
{
    JpegStreamBuilder builder;
    EXPECT_THROW(builder.Dqt(0, Ramp(200)), std::invalid_argument);
}

TEST(StreamBuilder, ScanNeedsFrameAndTables)
{
    const JpegFrame frame{8, 8, 8, {{1, 1, 1, 0}}};
    JpegStreamBuilder noFrame;
    EXPECT_THROW(noFrame.Sos({0}), std::logic_error);
    JpegStreamBuilder noTables;
    EXPECT_THROW(noTables.Frame(kMarkerSOF0, frame).Scan({0}), std::logic_error);
}

// DC: "0" is category 0. AC: "0" symbol 1, then length 8 "10000000" symbol 2
// and "10000001" EOB. One block is 0 10000001: the padded second byte is 0xFF.
TEST(StreamBuilder, StuffsAnFFByteAndLibjpegDecodesIt)
{
    HuffmanTable dc;
    dc.bits[1] = 1;
    dc.values = {0x00};
    HuffmanTable ac;
    ac.bits[1] = 1;
    ac.bits[8] = 2;
    ac.values = {0x01, 0x02, 0x00};
    const JpegFrame frame{8, 8, 8, {{1, 1, 1, 0}}};
    EXPECT_EQ(FlatScanData(frame, {0}, {ScanTables{&dc, &ac}}),
              (std::vector<unsigned char>{0x40, 0xFF, 0x00}));

    const std::vector<unsigned char> stream = JpegStreamBuilder()
        .Soi().Dqt(0, kLuminanceK1).Frame(kMarkerSOF0, frame)
        .Dht(HuffmanClass::dc, 0, dc).Dht(HuffmanClass::ac, 0, ac).Scan({0}).Eoi().Bytes();
    const DecodedImage image = DecodeImage(stream);
    EXPECT_EQ(image.warnings, 0);
    EXPECT_EQ(image.pixels, std::vector<unsigned char>(64, 128));
}

TEST(StreamBuilder, CountsBlocksOfInterleavedAndSingleScans)
{
    // 24x8 at 2x1 / 1x1: two MCUs of Y Y Cb; a Cb-only scan has 2 blocks (12 pixels wide).
    HuffmanTable dc;
    dc.bits[2] = 1;
    dc.values = {0x00}; // "00"
    HuffmanTable ac = dc;  // EOB "00"
    const JpegFrame frame{8, 24, 8, {{1, 2, 1, 0}, {2, 1, 1, 0}}};
    const ScanTables tables{&dc, &ac};
    // Zero bits, 4 per block, padded with ones.
    EXPECT_EQ(FlatScanData(frame, {0, 1}, {tables, tables}),
              (std::vector<unsigned char>{0x00, 0x00, 0x00}));
    EXPECT_EQ(FlatScanData(frame, {1}, {tables}), (std::vector<unsigned char>{0x00}));
    EXPECT_EQ(FlatScanData(frame, {0}, {tables}), (std::vector<unsigned char>{0x00, 0x0F}));
}

} // namespace
