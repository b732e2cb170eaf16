#include "inspect/IjgTables.h"
#include "inspect/JpegException.h"
#include "inspect/JpegHeaderReader.h"
#include "inspect/QualityEstimator.h"
#include "tests/generator/ByteStreams.h"
#include "tests/generator/JpegWriter.h"
#include "tests/support/OpenFiles.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>
#include <memory>

namespace {

using Bytes = std::vector<unsigned char>;

class HeaderReader : public ::testing::Test
{
protected:
    // Reads bytes written to a file; a library error fails the test.
    JpegFacts Read(const Bytes& bytes, const std::wstring& name = L"test.jpg")
    {
        JpegFacts facts{};
        const std::wstring path = m_dir.Write(name, bytes);
        try {
            EXPECT_EQ(ReadJpegFacts(path.c_str(), facts), 1);
        } catch (CException* e) {
            wchar_t text[256];
            e->GetErrorMessage(text, 256);
            e->Delete();
            ADD_FAILURE() << "library error: " << std::string(text, text + wcslen(text));
        }
        return facts;
    }

    // Reads bytes that the library must refuse; returns the exception.
    std::unique_ptr<CJPEGException, void (*)(CJPEGException*)> ReadFailing(const Bytes& bytes)
    {
        const std::wstring path = m_dir.Write(L"bad.jpg", bytes);
        JpegFacts facts{};
        const int filesBefore = CountOpenFiles();
        CJPEGException* caught = nullptr;
        try {
            ReadJpegFacts(path.c_str(), facts);
        } catch (CJPEGException* e) {
            caught = e;
        }
        EXPECT_EQ(CountOpenFiles(), filesBefore) << "the file stayed open";
        EXPECT_TRUE(FileIsClosed(path));
        return {caught, [](CJPEGException* e) { if (e) e->Delete(); }};
    }

    TempDir m_dir;
};

JpegOptions Options(int quality = 75)
{
    JpegOptions options;
    options.width = 48;
    options.height = 32;
    options.quality = quality;
    return options;
}

} // namespace

TEST_F(HeaderReader, BaselineColourFileMadeByIjg)
{
    const JpegFacts facts = Read(WriteJpeg(Options()));
    EXPECT_EQ(facts.tableCount, 2);
    EXPECT_EQ(facts.tables[0], BuildIjgTables(75, true).luminance);
    EXPECT_EQ(facts.tables[1], BuildIjgTables(75, true).chrominance);
    EXPECT_EQ(facts.colorSpace, 3);
    EXPECT_EQ(facts.components, 3);
    EXPECT_EQ(facts.width, 48);
    EXPECT_EQ(facts.height, 32);
    EXPECT_EQ(facts.precision, 8);
    EXPECT_EQ(facts.progressive, 0);
    EXPECT_EQ(facts.standardHuffman, 1);
    EXPECT_EQ(facts.sixteenBit, 0);
    const int expectedRatios[4] = {1, 2, 2, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(facts.hSampling[i], expectedRatios[i]);
        EXPECT_EQ(facts.vSampling[i], expectedRatios[i]);
    }
    EXPECT_EQ(facts.estimates[0].quality, 75);
    EXPECT_EQ(facts.estimates[1].quality, 75);
}

TEST_F(HeaderReader, SamplingRatiosFollowTheFrame)
{
    JpegOptions options = Options();
    options.sampling = Subsampling::s444;
    JpegFacts facts = Read(WriteJpeg(options));
    EXPECT_EQ(facts.hSampling[1], 1);
    EXPECT_EQ(facts.vSampling[2], 1);
    options.sampling = Subsampling::s422;
    facts = Read(WriteJpeg(options));
    EXPECT_EQ(facts.hSampling[1], 2);
    EXPECT_EQ(facts.vSampling[1], 1);
}

TEST_F(HeaderReader, OptimizedProgressiveAndArithmeticCodingAreNotStandardHuffman)
{
    JpegOptions options = Options();
    options.optimizeCoding = true;
    EXPECT_EQ(Read(WriteJpeg(options)).standardHuffman, 0);

    options = Options();
    options.progressive = true;
    const JpegFacts progressive = Read(WriteJpeg(options));
    EXPECT_EQ(progressive.progressive, 1);
    EXPECT_EQ(progressive.standardHuffman, 0);

    const JpegFacts arithmetic = Read(ArithmeticStream());
    EXPECT_EQ(arithmetic.standardHuffman, 0);
    EXPECT_EQ(arithmetic.tableCount, 2);
}

TEST_F(HeaderReader, GreyscaleFileHasOneTableAndCopiesItsEstimate)
{
    JpegOptions options = Options(60);
    options.greyscale = true;
    const JpegFacts facts = Read(WriteJpeg(options));
    EXPECT_EQ(facts.tableCount, 1);
    EXPECT_EQ(facts.colorSpace, 1);
    EXPECT_EQ(facts.components, 1);
    EXPECT_EQ(facts.estimates[0].quality, 60);
    EXPECT_EQ(facts.estimates[1].quality, 60);
    EXPECT_EQ(facts.estimates[1].variance, 0.0);
}

TEST_F(HeaderReader, FoundTablesArePackedInTableNumberOrder)
{
    const JpegFacts facts = Read(TablesZeroAndTwoStream());
    EXPECT_EQ(facts.tableCount, 2);
    EXPECT_EQ(facts.tables[1], BuildIjgTables(75, true).chrominance);
    EXPECT_EQ(facts.estimates[1].quality, EstimateQuality(facts.tables[1], ChrominanceBase).quality);

    const JpegFacts four = Read(FourTablesStream());
    EXPECT_EQ(four.tableCount, 4);
    EXPECT_EQ(four.components, 4);
    EXPECT_EQ(four.colorSpace, 4);

    const JpegFacts redefined = Read(DqtRedefinedStream());
    EXPECT_EQ(redefined.tables[0], BuildIjgTables(75, true).luminance);
}

TEST_F(HeaderReader, SixteenBitFlagLooksAtValuesNotAtTheSegmentPrecision)
{
    EXPECT_EQ(Read(Dqt16Within8BitStream()).sixteenBit, 0);
    const JpegFacts above = Read(Dqt16Above255Stream());
    EXPECT_EQ(above.sixteenBit, 1);
    EXPECT_EQ(above.tables[0], BuildIjgTables(10, false).luminance);
    const JpegFacts max = Read(Dqt16MaxStream());
    EXPECT_EQ(max.sixteenBit, 1);
    EXPECT_EQ(max.estimates[0].quality, 0);
}

TEST_F(HeaderReader, StreamsWithoutFrameOrTables)
{
    const JpegFacts tablesOnly = Read(TablesOnlyStream());
    EXPECT_EQ(tablesOnly.tableCount, 2);
    EXPECT_EQ(tablesOnly.estimates[0].quality, 75);
    EXPECT_EQ(tablesOnly.width, 0);
    EXPECT_EQ(tablesOnly.components, 0);
    EXPECT_EQ(tablesOnly.precision, 0);
    EXPECT_EQ(tablesOnly.hSampling[0], 0);

    for (const Bytes& stream : {SoiOnlyStream(), NoDqtStream()}) {
        const JpegFacts facts = Read(stream);
        const JpegFacts zero{};
        EXPECT_EQ(facts.tableCount, 0);
        EXPECT_EQ(facts.width, 0);
        EXPECT_EQ(facts.colorSpace, 0);
        EXPECT_EQ(facts.standardHuffman, 0);
        EXPECT_EQ(std::memcmp(&facts, &zero, sizeof facts), 0);
    }
}

TEST_F(HeaderReader, TablesAfterTheFirstScanAreNotSeen)
{
    const JpegFacts facts = Read(DqtAfterFirstScanStream());
    EXPECT_EQ(facts.tableCount, 1);
}

TEST_F(HeaderReader, FramesBeyondFourComponentsRecordTheFirstFour)
{
    const JpegFacts facts = Read(FiveComponentsStream());
    EXPECT_EQ(facts.components, 5);
    EXPECT_EQ(facts.colorSpace, 0);
    EXPECT_EQ(facts.hSampling[3], 1);
}

TEST_F(HeaderReader, LibraryErrorsArriveAsExceptionsWithTheLibraryText)
{
    for (const Bytes& stream : {CutAfterFrameStream(), Precision12Stream(), LosslessStream(),
                                DqtIndexFourStream(), EmptyStream(), MissingSoiStream(),
                                ElevenComponentsStream(), TooWideStream(), SamplingFactorFiveStream(),
                                BadFrameLengthStream()}) {
        auto error = ReadFailing(stream);
        ASSERT_NE(error, nullptr);
        EXPECT_FALSE(error->m_strMessage.empty());
        EXPECT_NE(error->m_nCode, 0);
        wchar_t shortBuffer[8];
        EXPECT_TRUE(error->GetErrorMessage(shortBuffer, 8));
        EXPECT_EQ(std::wstring(shortBuffer), error->m_strMessage.substr(0, 7));
        EXPECT_TRUE(error->IsKindOf(RUNTIME_CLASS(CException)));
        EXPECT_STREQ(error->GetRuntimeClass()->m_lpszClassName, "CJPEGException");
    }
    auto precision = ReadFailing(Precision12Stream());
    EXPECT_EQ(precision->m_strMessage, L"Unsupported JPEG data precision 12");
    auto empty = ReadFailing(EmptyStream());
    EXPECT_EQ(empty->m_strMessage, L"Empty input file");
}

TEST_F(HeaderReader, UnopenableFilesGiveZeroWithoutException)
{
    JpegFacts facts{};
    EXPECT_EQ(ReadJpegFacts(nullptr, facts), 0);
    EXPECT_EQ(ReadJpegFacts(m_dir.File(L"missing.jpg").c_str(), facts), 0);
    const JpegFacts zero{};
    EXPECT_EQ(std::memcmp(&facts, &zero, sizeof facts), 0);
}

TEST_F(HeaderReader, WideNamesWithChineseAndBlanksOpen)
{
    const JpegFacts facts = Read(WriteJpeg(Options(88)), L"量化 表 测试.jpg");
    EXPECT_EQ(facts.estimates[0].quality, 88);
}
