// What the traces read says of streams it cannot judge, and that counting
// rows as they are decoded gives what the library's whole-image arrays hold.
#include "tests/generator/ByteStreams.h"
#include "tests/generator/JpegWriter.h"
#include "tests/traces/TraceReading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

using Reason = TraceVerdict::Reason;

std::vector<unsigned char> Photo(bool progressive = false, int quality = 75)
{
    JpegOptions options;
    options.width = 640;
    options.height = 480;
    options.quality = quality;
    options.progressive = progressive;
    return WriteJpeg(options);
}

// The offset of a marker's first byte (FF code) after SOI.
size_t MarkerAt(const std::vector<unsigned char>& bytes, unsigned char code)
{
    for (size_t i = 2; i + 1 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == code)
            return i;
    ADD_FAILURE() << "no marker " << int(code);
    return 0;
}

// The frame says width x height; the scan data stay those of the 640x480 picture.
std::vector<unsigned char> ClaimingSize(std::vector<unsigned char> bytes, unsigned char frame, int width, int height)
{
    const size_t sof = MarkerAt(bytes, frame);
    bytes[sof + 5] = static_cast<unsigned char>(height >> 8);
    bytes[sof + 6] = static_cast<unsigned char>(height);
    bytes[sof + 7] = static_cast<unsigned char>(width >> 8);
    bytes[sof + 8] = static_cast<unsigned char>(width);
    return bytes;
}

std::vector<unsigned char> CutAt(std::vector<unsigned char> bytes, double share)
{
    bytes.resize(static_cast<size_t>(static_cast<double>(bytes.size()) * share));
    return bytes;
}

// A marker written over the middle of the scan: an end of image, or a
// restart marker in a stream without restarts.
std::vector<unsigned char> MarkerInScan(std::vector<unsigned char> bytes, unsigned char code)
{
    const size_t middle = bytes.size() / 2;
    bytes[middle] = 0xFF;
    bytes[middle + 1] = code;
    return bytes;
}

// One step of the luminance table changed, as no libjpeg-style quantizer writes it.
std::vector<unsigned char> UnknownTable(std::vector<unsigned char> bytes)
{
    const size_t dqt = MarkerAt(bytes, 0xDB);
    bytes[dqt + 5 + 10] += 1;   // the 11th value in zigzag order of table 0
    return bytes;
}

struct CannotTellCase
{
    const char* name;
    std::vector<unsigned char> (*build)();
    Reason reason;
    bool scored;
};

const CannotTellCase kCannotTell[] = {
    {"tables only", TablesOnlyStream, Reason::NoImage, false},
    {"RGB", AdobeRgbStream, Reason::NoLuminance, false},
    {"flat 16x16", BaselineStream, Reason::TooFewCoefficients, false},
    {"quality 3", [] { return Photo(false, 3); }, Reason::TooFewCoefficients, false},
    {"quality 8", [] { return Photo(false, 8); }, Reason::TableTooCoarse, false},
    {"cut in the scan", [] { return CutAt(Photo(), 0.6); }, Reason::EndsEarly, false},
    {"progressive, cut in a later scan", [] { return CutAt(Photo(true), 0.8); }, Reason::EndsEarly, false},
    {"EOI inside the scan", [] { return MarkerInScan(Photo(), 0xD9); }, Reason::EndsEarly, false},
    {"RST3 inside the scan", [] { return MarkerInScan(Photo(), 0xD3); }, Reason::Corrupt, false},
    {"progressive, 60000x60000", [] { return ClaimingSize(Photo(true), 0xC2, 60000, 60000); }, Reason::TooLarge,
     false},
    {"baseline, 60000x60000", [] { return ClaimingSize(Photo(), 0xC0, 60000, 60000); }, Reason::TooLarge, false},
    {"baseline, 16000x16000, data for 640x480", [] { return ClaimingSize(Photo(), 0xC0, 16000, 16000); },
     Reason::EndsEarly, false},
    {"unknown luminance table", [] { return UnknownTable(Photo()); }, Reason::NotLibjpegTable, true},
};

} // namespace

TEST(TracesRead, SaysWhyItCannotTellAndKeepsTheHeaderReport)
{
    for (const CannotTellCase& c : kCannotTell) {
        const auto start = std::chrono::steady_clock::now();
        bool headerRead = false;
        const TraceVerdict verdict = VerdictOn(c.build(), &headerRead);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_EQ(verdict.kind, TraceVerdict::Kind::CannotTell) << c.name;
        EXPECT_EQ(verdict.reason, c.reason) << c.name;
        EXPECT_EQ(verdict.scored, c.scored) << c.name;
        EXPECT_EQ(verdict.firstQuality, 0) << c.name;
        EXPECT_TRUE(headerRead) << c.name;
        // A damaged stream stops the read at once: no picture of nothing is decoded.
        EXPECT_LT(seconds, 5.0) << c.name;
    }
}

TEST(TracesRead, RowsCountedAsDecodedMatchTheWholeImageArrays)
{
    struct Make { const char* name; JpegOptions options; };
    std::vector<Make> makes;
    JpegOptions base;
    base.width = 1100;
    base.height = 700;
    makes.push_back({"4:2:0", base});
    JpegOptions full = base;
    full.sampling = Subsampling::s444;
    full.restartInterval = 7;
    makes.push_back({"4:4:4 with restarts", full});
    JpegOptions grey = base;
    grey.greyscale = true;
    grey.quality = 92;
    makes.push_back({"greyscale", grey});
    JpegOptions wide = base;
    wide.sampling = Subsampling::s422;
    wide.width = 33;
    wide.height = 3000;
    makes.push_back({"4:2:2, tall and thin", wide});
    for (const Make& make : makes) {
        JpegOptions progressive = make.options;
        progressive.progressive = true;
        const CoefficientPass rows = PassOver(WriteJpeg(make.options));
        const CoefficientPass whole = PassOver(WriteJpeg(progressive));
        ASSERT_EQ(rows.problem, CoefficientPass::Problem::None) << make.name;
        ASSERT_EQ(whole.problem, CoefficientPass::Problem::None) << make.name;
        EXPECT_EQ(rows.histograms.counts, whole.histograms.counts) << make.name;
        EXPECT_EQ(rows.histograms.table, whole.histograms.table) << make.name;
        // About 3,600 blocks, every n-th of every n-th row.
        const long blocks = static_cast<long>((make.options.width + 7) / 8) * ((make.options.height + 7) / 8);
        const long stride = std::max(1L, std::lround(std::sqrt(blocks / 3600.0)));
        const long columns = ((make.options.width + 7) / 8 - stride / 2 + stride - 1) / stride;
        const long blockRows = ((make.options.height + 7) / 8 - stride / 2 + stride - 1) / stride;
        EXPECT_EQ(rows.histograms.blocks, static_cast<unsigned>(columns * blockRows)) << make.name;
        EXPECT_EQ(whole.histograms.blocks, rows.histograms.blocks) << make.name;
    }
}
