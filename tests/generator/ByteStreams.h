#pragma once

#include <string>
#include <vector>

// JPEG streams built byte by byte, for what libjpeg will not write. The
// "complete" ones carry entropy-coded data for a flat 16x16 picture and
// decode in full; the others stop or fail where their comment says.
// Tables written as "q75" are IJG's at quality 75 with baseline forcing.

// No bytes at all: libjpeg's sources report an empty input file.
std::vector<unsigned char> EmptyStream();
// FF D8 only: the stream ends at once; a header reader gets no frame and no tables.
std::vector<unsigned char> SoiOnlyStream();
// Complete reference stream: JFIF, q75 tables 0 and 1, 4:2:0 YCbCr baseline frame.
std::vector<unsigned char> BaselineStream();
// BaselineStream without its SOI: not a JPEG stream.
std::vector<unsigned char> MissingSoiStream();
// SOI, q75 DQT 0 and 1, EOI: abbreviated tables-only stream, no frame.
std::vector<unsigned char> TablesOnlyStream();
// Complete; defines tables 0 and 2 only (Y uses 0, Cb and Cr use 2).
std::vector<unsigned char> TablesZeroAndTwoStream();
// Complete; three tables: Y 0 (q75 luminance), Cb 1 (q75 chrominance), Cr 2 (q50 chrominance).
std::vector<unsigned char> ThreeTablesStream();
// Complete; four components without markers (CMYK by count), tables 0..3.
std::vector<unsigned char> FourTablesStream();
// Five components (colour space unknown), tables 0 and 1, a first scan of
// four components without data. libjpeg-turbo refuses any scan of a fifth
// component, so no stream of five components decodes in full.
std::vector<unsigned char> FiveComponentsStream();
// Eleven components, one more than libjpeg's limit: fails at the first scan.
std::vector<unsigned char> ElevenComponentsStream();
// Complete; q75 tables in 16-bit DQT entries (Pq 1), every value at most 255.
std::vector<unsigned char> Dqt16Within8BitStream();
// Complete, SOF1; 16-bit DQT with IJG's quality-10 tables without forcing (values above 255).
std::vector<unsigned char> Dqt16Above255Stream();
// Complete, SOF1; 16-bit table 0 with all 64 values 65535, table 1 q50 chrominance.
std::vector<unsigned char> Dqt16MaxStream();
// Complete, 4:4:4; only table 0 before the first scan (Y), table 1 defined
// between that scan and the second (Cb, Cr).
std::vector<unsigned char> DqtAfterFirstScanStream();
// Complete but without any DQT: the header reads, decoding fails for lack of tables.
std::vector<unsigned char> NoDqtStream();
// SOI, q75 DQT 0 and 1, SOF0, then the stream ends: a frame without a scan.
std::vector<unsigned char> CutAfterFrameStream();
// SOI and a DQT segment cut after 20 of its 64 values: the source pads with
// EOI bytes (a warning) and the header reads as tables-only.
std::vector<unsigned char> CutInsideDqtStream();
// Tables, SOF1 with 12-bit precision, DHT, SOS: refused by an 8-bit libjpeg.
std::vector<unsigned char> Precision12Stream();
// Lossless frame (SOF3) with DHT and SOS: an unsupported process.
std::vector<unsigned char> LosslessStream();
// Arithmetic-coded frame (SOF9) with q75 tables, SOS, no DHT (no scan data).
std::vector<unsigned char> ArithmeticStream();
// A DQT segment for table number 4 (valid numbers are 0..3).
std::vector<unsigned char> DqtIndexFourStream();
// A SOF0 segment whose length field counts one byte more than its components need.
std::vector<unsigned char> BadFrameLengthStream();
// Complete; table 0 defined twice (q50, then q75): the later definition holds.
std::vector<unsigned char> DqtRedefinedStream();
// Complete; q75 tables 0 and 1 in one DQT segment.
std::vector<unsigned char> DqtSingleSegmentStream();
// Complete; Adobe APP14 with transform 0 over three components sharing one
// table (q90 luminance as table 0): RGB.
std::vector<unsigned char> AdobeRgbStream();
// Complete; Adobe APP14 with transform 2 over four components: YCCK.
std::vector<unsigned char> AdobeYcckStream();
// A frame 65535 pixels wide, above libjpeg's limit of 65500: fails at the first scan.
std::vector<unsigned char> TooWideStream();
// A component with horizontal sampling factor 5 (valid are 1..4): fails at the first scan.
std::vector<unsigned char> SamplingFactorFiveStream();
// A frame of height 0 (DNL), which libjpeg does not support.
std::vector<unsigned char> ZeroHeightStream();

// One marker segment: its code (the byte after 0xFF) and its payload.
struct MarkerSegment {
    unsigned char code;
    std::vector<unsigned char> payload;
};
// Complete like BaselineStream, but with the given segments after SOI in
// place of the JFIF segment.
std::vector<unsigned char> BaselineWithSegments(const std::vector<MarkerSegment>& segments);

// Complete, BaselineWithSegments of WellFormedMakerSegments() (MakerSegments.h).
std::vector<unsigned char> MakerSegmentsStream();
// Complete, BaselineWithSegments of every HostileMakerSegments() segment.
std::vector<unsigned char> HostileMakerSegmentsStream();

// The streams above under short names, for the command line and the catalogue.
struct NamedStream {
    const char* name;
    std::vector<unsigned char> (*build)();
};

const std::vector<NamedStream>& NamedStreams();
// Null when no stream has that name.
const NamedStream* FindNamedStream(const std::string& name);
