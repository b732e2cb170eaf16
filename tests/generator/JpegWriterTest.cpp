#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include <jerror.h>

#include "tests/generator/JpegProbe.h"
#include "tests/generator/JpegWriter.h"
#include "tests/generator/LibraryTables.h"

namespace {

JpegOptions Small()
{
    JpegOptions options;
    options.width = 64;
    options.height = 48;
    return options;
}

HuffmanBits StandardBits(HuffmanClass tableClass)
{
    HuffmanBits bits{};
    const HuffmanTable table = StandardHuffmanTable(tableClass, 0);
    std::copy(table.bits.begin(), table.bits.end(), bits.begin());
    return bits;
}

std::vector<std::pair<int, int>> SamplingFactors(const HeaderProbe& probe)
{
    std::vector<std::pair<int, int>> factors;
    for (const FrameComponent& c : probe.components)
        factors.emplace_back(c.hSampling, c.vSampling);
    return factors;
}

TEST(JpegWriter, SampleIsAnIjgQuality75Baseline420ColourFile)
{
    const std::vector<unsigned char> sample = WriteSampleJpeg();
    const HeaderProbe probe = ProbeHeader(sample);
    EXPECT_EQ(probe.result, JPEG_HEADER_OK);
    EXPECT_EQ(probe.width, 320);
    EXPECT_EQ(probe.height, 240);
    EXPECT_EQ(probe.precision, 8);
    EXPECT_EQ(probe.colorSpace, JCS_YCbCr);
    EXPECT_EQ(SamplingFactors(probe), (std::vector<std::pair<int, int>>{{2, 2}, {1, 1}, {1, 1}}));
    EXPECT_EQ(probe.frameMarker, 0xC0);
    EXPECT_FALSE(probe.progressive);
    EXPECT_FALSE(probe.arithmetic);
    EXPECT_EQ(probe.quantTables[0], IjgQuantTable(75, true, 0));
    EXPECT_EQ(probe.quantTables[1], IjgQuantTable(75, true, 1));
    EXPECT_FALSE(probe.quantTables[2]);
    EXPECT_FALSE(probe.quantTables[3]);
    EXPECT_EQ(probe.dcBits0, StandardBits(HuffmanClass::dc));
    EXPECT_EQ(probe.acBits0, StandardBits(HuffmanClass::ac));

    const DecodedImage image = DecodeImage(sample);
    EXPECT_EQ(image.warnings, 0);
    EXPECT_EQ(image.channels, 3);
}

TEST(JpegWriter, IsDeterministic)
{
    EXPECT_EQ(WriteSampleJpeg(), WriteSampleJpeg());
}

TEST(JpegWriter, PictureHasPhotoLikeRangeAndDetail)
{
    JpegOptions options = Small();
    options.greyscale = true;
    options.quality = 100;
    const DecodedImage image = DecodeImage(WriteJpeg(options));
    const auto [darkest, brightest] = std::minmax_element(image.pixels.begin(), image.pixels.end());
    EXPECT_GT(*brightest - *darkest, 100);
    int changes = 0;
    for (std::size_t i = 1; i < image.pixels.size(); ++i)
        changes += image.pixels[i] != image.pixels[i - 1];
    EXPECT_GT(changes, static_cast<int>(image.pixels.size()) / 2);
}

class JpegWriterSampling
    : public testing::TestWithParam<std::pair<Subsampling, std::pair<int, int>>> {};

TEST_P(JpegWriterSampling, WritesTheLumaFactorsAsked)
{
    JpegOptions options = Small();
    options.sampling = GetParam().first;
    const HeaderProbe probe = ProbeHeader(WriteJpeg(options));
    EXPECT_EQ(SamplingFactors(probe),
              (std::vector<std::pair<int, int>>{GetParam().second, {1, 1}, {1, 1}}));
}

INSTANTIATE_TEST_SUITE_P(All, JpegWriterSampling,
                         testing::Values(std::make_pair(Subsampling::s444, std::make_pair(1, 1)),
                                         std::make_pair(Subsampling::s422, std::make_pair(2, 1)),
                                         std::make_pair(Subsampling::s420, std::make_pair(2, 2))),
                         [](const testing::TestParamInfo<JpegWriterSampling::ParamType>& info) {
                             return "h" + std::to_string(info.param.second.first) + "v"
                                 + std::to_string(info.param.second.second);
                         });

class JpegWriterQuality : public testing::TestWithParam<std::pair<int, bool>> {};

TEST_P(JpegWriterQuality, StoresJpegSetQualitysTables)
{
    const auto [quality, forceBaseline] = GetParam();
    JpegOptions options = Small();
    options.quality = quality;
    options.forceBaseline = forceBaseline;
    const HeaderProbe probe = ProbeHeader(WriteJpeg(options));
    const QuantValues luma = IjgQuantTable(quality, forceBaseline, 0);
    EXPECT_EQ(probe.quantTables[0], luma);
    EXPECT_EQ(probe.quantTables[1], IjgQuantTable(quality, forceBaseline, 1));
    // libjpeg writes SOF1 instead of SOF0 once a table needs 16 bits.
    const bool eightBit = *std::max_element(luma.begin(), luma.end()) <= 255;
    EXPECT_EQ(probe.frameMarker, eightBit ? 0xC0 : 0xC1);
}

INSTANTIATE_TEST_SUITE_P(All, JpegWriterQuality,
                         testing::Values(std::make_pair(1, true), std::make_pair(1, false),
                                         std::make_pair(10, true), std::make_pair(10, false),
                                         std::make_pair(50, true), std::make_pair(90, false),
                                         std::make_pair(99, true), std::make_pair(100, true)),
                         [](const testing::TestParamInfo<JpegWriterQuality::ParamType>& info) {
                             return "q" + std::to_string(info.param.first)
                                 + (info.param.second ? "_forced" : "_unforced");
                         });

TEST(JpegWriter, UnforcedLowQualityReallyHoldsValuesAbove255)
{
    JpegOptions options = Small();
    options.quality = 10;
    options.forceBaseline = false;
    const QuantValues luma = *ProbeHeader(WriteJpeg(options)).quantTables[0];
    EXPECT_GT(*std::max_element(luma.begin(), luma.end()), 255);
}

TEST(JpegWriter, OptimizedCodingChangesBothCodeLengthCounts)
{
    JpegOptions options;
    options.optimizeCoding = true;
    const HeaderProbe probe = ProbeHeader(WriteJpeg(options));
    ASSERT_TRUE(probe.dcBits0 && probe.acBits0);
    EXPECT_NE(*probe.dcBits0, StandardBits(HuffmanClass::dc));
    EXPECT_NE(*probe.acBits0, StandardBits(HuffmanClass::ac));
    EXPECT_EQ(probe.frameMarker, 0xC0);
}

TEST(JpegWriter, ProgressiveFirstScanIsDcOnly)
{
    for (const bool greyscale : {false, true}) {
        JpegOptions options = Small();
        options.progressive = true;
        options.greyscale = greyscale;
        const std::vector<unsigned char> file = WriteJpeg(options);
        const HeaderProbe probe = ProbeHeader(file);
        EXPECT_TRUE(probe.progressive);
        EXPECT_TRUE(probe.dcBits0);
        EXPECT_FALSE(probe.acBits0) << "greyscale " << greyscale;
        EXPECT_EQ(DecodeImage(file).warnings, 0);
    }
}

TEST(JpegWriter, GreyscaleHasOneComponentAndOneTable)
{
    JpegOptions options = Small();
    options.greyscale = true;
    options.sampling = Subsampling::s420;
    const HeaderProbe probe = ProbeHeader(WriteJpeg(options));
    EXPECT_EQ(probe.colorSpace, JCS_GRAYSCALE);
    EXPECT_EQ(SamplingFactors(probe), (std::vector<std::pair<int, int>>{{1, 1}}));
    EXPECT_TRUE(probe.quantTables[0]);
    EXPECT_FALSE(probe.quantTables[1]);
}

TEST(JpegWriter, ArithmeticCodingWritesNoHuffmanTables)
{
    if (!ArithmeticCodingAvailable())
        GTEST_SKIP() << "libjpeg built without arithmetic coding";
    JpegOptions options = Small();
    options.arithmetic = true;
    const std::vector<unsigned char> file = WriteJpeg(options);
    const HeaderProbe probe = ProbeHeader(file);
    EXPECT_TRUE(probe.arithmetic);
    EXPECT_FALSE(probe.dcBits0);
    EXPECT_FALSE(probe.acBits0);
    EXPECT_EQ(DecodeImage(file).warnings, 0);
}

TEST(JpegWriter, RestartIntervalAndSizeAreKept)
{
    JpegOptions options = Small();
    options.restartInterval = 2;
    options.width = 17;
    options.height = 13;
    const std::vector<unsigned char> file = WriteJpeg(options);
    EXPECT_EQ(ProbeHeader(file).restartInterval, 2u);
    const DecodedImage image = DecodeImage(file);
    EXPECT_EQ(image.width, 17);
    EXPECT_EQ(image.height, 13);
    EXPECT_EQ(image.warnings, 0);
}

TEST(JpegWriter, LibraryErrorsBecomeExceptions)
{
    JpegOptions options = Small();
    options.width = 0;
    try {
        WriteJpeg(options);
        FAIL() << "an empty image was written";
    } catch (const JpegLibraryError& e) {
        EXPECT_EQ(e.Code(), JERR_EMPTY_IMAGE);
    }
}

} // namespace
