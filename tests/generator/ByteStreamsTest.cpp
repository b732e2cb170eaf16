#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>

#include <jerror.h>

#include "tests/generator/ByteStreams.h"
#include "tests/generator/JpegProbe.h"
#include "tests/generator/LibraryTables.h"

namespace {

QuantValues Q75(int slot)
{
    return IjgQuantTable(75, true, slot);
}

std::vector<int> QuantTableNumbers(const HeaderProbe& probe)
{
    std::vector<int> numbers;
    for (const FrameComponent& c : probe.components)
        numbers.push_back(c.quantTable);
    return numbers;
}

std::vector<int> DefinedSlots(const QuantSlots& slots)
{
    std::vector<int> defined;
    for (int n = 0; n < NUM_QUANT_TBLS; ++n) {
        if (slots[n])
            defined.push_back(n);
    }
    return defined;
}

// Marker codes cannot occur inside segments of these streams, nor (being
// byte-stuffed) in entropy-coded data.
int CountMarkers(const std::vector<unsigned char>& bytes, unsigned char code)
{
    int count = 0;
    for (std::size_t i = 1; i < bytes.size(); ++i)
        count += bytes[i - 1] == 0xFF && bytes[i] == code;
    return count;
}

// The library error a call raises, or -1 when it raises none.
template <typename Call>
int ErrorCodeOf(Call call)
{
    try {
        call();
    } catch (const JpegLibraryError& e) {
        return e.Code();
    }
    return -1;
}

TEST(ByteStreams, RegistryNamesAreUniqueAndFindable)
{
    std::set<std::string> names;
    for (const NamedStream& stream : NamedStreams()) {
        EXPECT_TRUE(names.insert(stream.name).second) << stream.name;
        EXPECT_EQ(FindNamedStream(stream.name), &stream);
    }
    EXPECT_EQ(FindNamedStream("no-such-stream"), nullptr);
    EXPECT_EQ(FindNamedStream("baseline")->build, &BaselineStream);
}

TEST(ByteStreams, StartWithSoiExceptWhereTheyMustNot)
{
    for (const NamedStream& stream : NamedStreams()) {
        const std::vector<unsigned char> bytes = stream.build();
        const bool hasSoi = bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8;
        const bool meantWithout = stream.build == &EmptyStream || stream.build == &MissingSoiStream;
        EXPECT_EQ(hasSoi, !meantWithout) << stream.name;
    }
    EXPECT_TRUE(EmptyStream().empty());
    EXPECT_EQ(SoiOnlyStream(), (std::vector<unsigned char>{0xFF, 0xD8}));
}

// Test names from stream names ("dqt16-max" becomes "dqt16_max").
std::string TestNameOf(std::string streamName)
{
    std::replace(streamName.begin(), streamName.end(), '-', '_');
    return streamName;
}

std::vector<unsigned char> Build(const std::string& name)
{
    const NamedStream* stream = FindNamedStream(name);
    if (stream == nullptr)
        throw std::invalid_argument("no stream " + name);
    return stream->build();
}

class CompleteStream : public testing::TestWithParam<std::string> {};

TEST_P(CompleteStream, DecodesToAFlat16x16PictureWithoutWarnings)
{
    const DecodedImage image = DecodeImage(Build(GetParam()));
    EXPECT_EQ(image.warnings, 0);
    EXPECT_EQ(image.width, 16);
    EXPECT_EQ(image.height, 16);
    ASSERT_EQ(image.pixels.size(), 16u * 16u * image.channels);
    for (std::size_t i = image.channels; i < image.pixels.size(); ++i)
        ASSERT_EQ(image.pixels[i], image.pixels[i % image.channels]) << "byte " << i;
}

INSTANTIATE_TEST_SUITE_P(All, CompleteStream,
                         testing::Values("baseline", "tables-0-and-2", "three-tables",
                                         "four-tables", "dqt16-within-8bit", "dqt16-above-255",
                                         "dqt16-max", "dqt-after-first-scan", "dqt-redefined",
                                         "dqt-single-segment", "adobe-rgb", "adobe-ycck"),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return TestNameOf(info.param);
                         });

struct FailingStream {
    const char* name;
    int code;
};

void PrintTo(const FailingStream& stream, std::ostream* out)
{
    *out << stream.name;
}

class HeaderFailure : public testing::TestWithParam<FailingStream> {};

TEST_P(HeaderFailure, RaisesTheLibraryErrorWhileReadingTheHeader)
{
    const std::vector<unsigned char> bytes = Build(GetParam().name);
    EXPECT_EQ(ErrorCodeOf([&] { ProbeHeader(bytes); }), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(All, HeaderFailure,
                         testing::Values(FailingStream{"empty", JERR_INPUT_EMPTY},
                                         FailingStream{"missing-soi", JERR_NO_SOI},
                                         FailingStream{"cut-after-frame", JERR_SOF_NO_SOS},
                                         FailingStream{"precision-12", JERR_BAD_PRECISION},
                                         FailingStream{"lossless", JERR_SOF_UNSUPPORTED},
                                         FailingStream{"dqt-index-4", JERR_DQT_INDEX},
                                         FailingStream{"bad-frame-length", JERR_BAD_LENGTH},
                                         FailingStream{"eleven-components", JERR_COMPONENT_COUNT},
                                         FailingStream{"too-wide", JERR_IMAGE_TOO_BIG},
                                         FailingStream{"sampling-factor-5", JERR_BAD_SAMPLING},
                                         FailingStream{"zero-height", JERR_EMPTY_IMAGE}),
                         [](const testing::TestParamInfo<FailingStream>& info) {
                             return TestNameOf(info.param.name);
                         });

TEST(ByteStreams, SoiOnlyEndsAsAnEmptyTablesOnlyStream)
{
    const HeaderProbe probe = ProbeHeader(SoiOnlyStream());
    EXPECT_EQ(probe.result, JPEG_HEADER_TABLES_ONLY);
    EXPECT_GT(probe.warnings, 0); // the source's inserted EOI
    EXPECT_TRUE(DefinedSlots(probe.quantTables).empty());
    EXPECT_EQ(probe.width, 0);
    EXPECT_TRUE(probe.components.empty());
}

TEST(ByteStreams, TablesOnlyHasTablesButNoFrame)
{
    const HeaderProbe probe = ProbeHeader(TablesOnlyStream());
    EXPECT_EQ(probe.result, JPEG_HEADER_TABLES_ONLY);
    EXPECT_EQ(probe.warnings, 0);
    EXPECT_EQ(probe.quantTables[0], Q75(0));
    EXPECT_EQ(probe.quantTables[1], Q75(1));
    EXPECT_EQ(probe.width, 0);
    EXPECT_EQ(probe.precision, 0);
    EXPECT_TRUE(probe.components.empty());
}

TEST(ByteStreams, BaselineIsAJfif420Frame)
{
    const HeaderProbe probe = ProbeHeader(BaselineStream());
    EXPECT_EQ(probe.result, JPEG_HEADER_OK);
    EXPECT_TRUE(probe.sawJfif);
    EXPECT_EQ(probe.frameMarker, 0xC0);
    EXPECT_EQ(probe.colorSpace, JCS_YCbCr);
    ASSERT_EQ(probe.components.size(), 3u);
    EXPECT_EQ(probe.components[0].hSampling, 2);
    EXPECT_EQ(probe.components[0].vSampling, 2);
    EXPECT_EQ(QuantTableNumbers(probe), (std::vector<int>{0, 1, 1}));
    EXPECT_EQ(probe.quantTables[0], Q75(0));
    EXPECT_EQ(probe.quantTables[1], Q75(1));
}

TEST(ByteStreams, TableNumbersAndColourSpaces)
{
    const HeaderProbe zeroAndTwo = ProbeHeader(TablesZeroAndTwoStream());
    EXPECT_EQ(DefinedSlots(zeroAndTwo.quantTables), (std::vector<int>{0, 2}));
    EXPECT_EQ(zeroAndTwo.quantTables[2], Q75(1));
    EXPECT_EQ(QuantTableNumbers(zeroAndTwo), (std::vector<int>{0, 2, 2}));

    const HeaderProbe three = ProbeHeader(ThreeTablesStream());
    EXPECT_EQ(DefinedSlots(three.quantTables), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(three.quantTables[2], IjgQuantTable(50, true, 1));
    EXPECT_EQ(three.colorSpace, JCS_YCbCr);

    const HeaderProbe four = ProbeHeader(FourTablesStream());
    EXPECT_EQ(DefinedSlots(four.quantTables), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(QuantTableNumbers(four), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(four.colorSpace, JCS_CMYK);

    const HeaderProbe five = ProbeHeader(FiveComponentsStream());
    EXPECT_EQ(five.components.size(), 5u);
    EXPECT_EQ(five.colorSpace, JCS_UNKNOWN);

    const HeaderProbe rgb = ProbeHeader(AdobeRgbStream());
    EXPECT_EQ(rgb.colorSpace, JCS_RGB);
    EXPECT_EQ(DefinedSlots(rgb.quantTables), (std::vector<int>{0}));
    EXPECT_EQ(rgb.components.size(), 3u);

    EXPECT_EQ(ProbeHeader(AdobeYcckStream()).colorSpace, JCS_YCCK);
}

TEST(ByteStreams, SixteenBitTables)
{
    const std::vector<unsigned char> within = Dqt16Within8BitStream();
    // Pq/Tq byte after SOI, DQT marker and length: precision 1, table 0.
    EXPECT_EQ(within[6], 0x10);
    const HeaderProbe withinProbe = ProbeHeader(within);
    EXPECT_EQ(withinProbe.quantTables[0], Q75(0));
    EXPECT_EQ(withinProbe.quantTables[1], Q75(1));

    const HeaderProbe above = ProbeHeader(Dqt16Above255Stream());
    EXPECT_EQ(above.quantTables[0], IjgQuantTable(10, false, 0));
    EXPECT_EQ(above.quantTables[1], IjgQuantTable(10, false, 1));
    EXPECT_GT(*std::max_element(above.quantTables[0]->begin(), above.quantTables[0]->end()), 255);
    EXPECT_EQ(above.frameMarker, 0xC1);

    const HeaderProbe max = ProbeHeader(Dqt16MaxStream());
    QuantValues all65535;
    all65535.fill(65535);
    EXPECT_EQ(max.quantTables[0], all65535);
}

TEST(ByteStreams, TablesAfterTheFirstScanArriveOnlyForTheDecoder)
{
    const std::vector<unsigned char> bytes = DqtAfterFirstScanStream();
    EXPECT_EQ(DefinedSlots(ProbeHeader(bytes).quantTables), (std::vector<int>{0}));
    const DecodedImage image = DecodeImage(bytes);
    EXPECT_EQ(image.quantTables[1], Q75(1));
}

TEST(ByteStreams, NoDqtReadsButCannotDecode)
{
    const std::vector<unsigned char> bytes = NoDqtStream();
    const HeaderProbe probe = ProbeHeader(bytes);
    EXPECT_EQ(probe.result, JPEG_HEADER_OK);
    EXPECT_TRUE(DefinedSlots(probe.quantTables).empty());
    EXPECT_EQ(probe.components.size(), 3u);
    EXPECT_EQ(ErrorCodeOf([&] { DecodeImage(bytes); }), JERR_NO_QUANT_TABLE);
}

TEST(ByteStreams, CutInsideDqtKeepsTheValuesBeforeTheCut)
{
    const HeaderProbe probe = ProbeHeader(CutInsideDqtStream());
    EXPECT_EQ(probe.result, JPEG_HEADER_TABLES_ONLY);
    EXPECT_GT(probe.warnings, 0);
    ASSERT_TRUE(probe.quantTables[0]);
    const QuantValues read = ToZigzag(*probe.quantTables[0]);
    const QuantValues written = ToZigzag(Q75(0));
    EXPECT_TRUE(std::equal(read.begin(), read.begin() + 20, written.begin()));
    EXPECT_NE(read, written);
}

TEST(ByteStreams, ArithmeticFrameHasNoHuffmanTables)
{
    const HeaderProbe probe = ProbeHeader(ArithmeticStream());
    EXPECT_EQ(probe.result, JPEG_HEADER_OK);
    EXPECT_TRUE(probe.arithmetic);
    EXPECT_FALSE(probe.dcBits0);
    EXPECT_FALSE(probe.acBits0);
    EXPECT_EQ(DefinedSlots(probe.quantTables), (std::vector<int>{0, 1}));
}

TEST(ByteStreams, RedefinedAndSharedSegmentTables)
{
    const HeaderProbe redefined = ProbeHeader(DqtRedefinedStream());
    EXPECT_EQ(redefined.quantTables[0], Q75(0));

    const std::vector<unsigned char> single = DqtSingleSegmentStream();
    EXPECT_EQ(CountMarkers(single, 0xDB), 1);
    const HeaderProbe probe = ProbeHeader(single);
    EXPECT_EQ(probe.quantTables[0], Q75(0));
    EXPECT_EQ(probe.quantTables[1], Q75(1));
}

} // namespace
