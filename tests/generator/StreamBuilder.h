#pragma once

#include <array>
#include <optional>
#include <vector>

#include "tests/generator/JpegFrame.h"
#include "tests/generator/LibraryTables.h"
#include "tests/generator/ZigzagOrder.h"

// Marker codes (the byte after 0xFF) the byte-built streams use.
enum JpegMarker : unsigned char {
    kMarkerSOF0 = 0xC0,  // baseline
    kMarkerSOF1 = 0xC1,  // extended sequential
    kMarkerSOF2 = 0xC2,  // progressive
    kMarkerSOF3 = 0xC3,  // lossless
    kMarkerDHT = 0xC4,
    kMarkerSOF9 = 0xC9,  // extended sequential, arithmetic coding
    kMarkerSOI = 0xD8,
    kMarkerEOI = 0xD9,
    kMarkerSOS = 0xDA,
    kMarkerDQT = 0xDB,
    kMarkerAPP0 = 0xE0,
    kMarkerAPP14 = 0xEE,
};

// One table of a DQT segment, values in natural order; the builder writes
// them in zigzag order, one byte each (Pq 0) or two (Pq 1, sixteenBit).
struct DqtEntry {
    int table;
    QuantValues values;
    bool sixteenBit;
};

// The payload of a frame header (everything after its length field).
std::vector<unsigned char> FramePayload(const JpegFrame& frame);

// Appends JPEG markers and segments to a byte stream. Segment lengths are
// computed; field values are written as given. Scan() adds entropy-coded
// data for the last frame and the DHT tables written so far.
class JpegStreamBuilder {
public:
    JpegStreamBuilder& Marker(unsigned char code);
    JpegStreamBuilder& Segment(unsigned char code, const std::vector<unsigned char>& payload);
    JpegStreamBuilder& Soi() { return Marker(kMarkerSOI); }
    JpegStreamBuilder& Eoi() { return Marker(kMarkerEOI); }
    JpegStreamBuilder& Jfif();
    // APP14 "Adobe" with the colour transform flag (0 none, 1 YCbCr, 2 YCCK).
    JpegStreamBuilder& Adobe(int transform);
    JpegStreamBuilder& Dqt(const std::vector<DqtEntry>& tables);
    JpegStreamBuilder& Dqt(int table, const QuantValues& values, bool sixteenBit = false);
    JpegStreamBuilder& Frame(unsigned char sofMarker, const JpegFrame& frame);
    JpegStreamBuilder& Dht(HuffmanClass tableClass, int slot, const HuffmanTable& table);
    // The Annex K tables: DC and AC slot 0 (luminance) and 1 (chrominance).
    JpegStreamBuilder& StandardDht();
    // SOS header for frame components by index; the first frame component
    // uses Huffman tables 0, the others tables 1. Ss, Se as given, Ah = Al = 0.
    JpegStreamBuilder& Sos(const std::vector<int>& components, int ss = 0, int se = 63);
    // A sequential scan: SOS plus FlatScanData.
    JpegStreamBuilder& Scan(const std::vector<int>& components);

    const std::vector<unsigned char>& Bytes() const { return m_bytes; }

private:
    std::vector<unsigned char> m_bytes;
    std::optional<JpegFrame> m_frame;
    std::array<std::optional<HuffmanTable>, 4> m_dcTables;
    std::array<std::optional<HuffmanTable>, 4> m_acTables;
};

// Every component of a frame, in frame order, for Sos and Scan.
std::vector<int> AllComponents(const JpegFrame& frame);
