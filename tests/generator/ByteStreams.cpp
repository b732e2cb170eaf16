#include "tests/generator/ByteStreams.h"

#include <cstddef>

#include "tests/generator/StreamBuilder.h"

namespace {

// Small frames keep the streams (and fuzzing seeds made from them) small.
constexpr int kSide = 16;

QuantValues Luma(int quality, bool forceBaseline = true)
{
    return IjgQuantTable(quality, forceBaseline, 0);
}

QuantValues Chroma(int quality, bool forceBaseline = true)
{
    return IjgQuantTable(quality, forceBaseline, 1);
}

// YCbCr frame with Y at the given sampling and both chroma components at
// 1x1 on one table.
JpegFrame ColourFrame(int lumaH, int lumaV, int chromaTable)
{
    return JpegFrame{8, kSide, kSide,
                     {{1, lumaH, lumaV, 0}, {2, 1, 1, chromaTable}, {3, 1, 1, chromaTable}}};
}

JpegFrame Frame420()
{
    return ColourFrame(2, 2, 1);
}

// One 1x1 component per entry of `tables`, on that table.
JpegFrame FlatFrame(const std::vector<int>& tables)
{
    JpegFrame frame{8, kSide, kSide, {}};
    for (std::size_t i = 0; i < tables.size(); ++i)
        frame.components.push_back({static_cast<int>(i) + 1, 1, 1, tables[i]});
    return frame;
}

JpegStreamBuilder& AddQ75Tables(JpegStreamBuilder& stream)
{
    return stream.Dqt(0, Luma(75)).Dqt(1, Chroma(75));
}

// Frame, standard DHT, one scan over all components, EOI.
std::vector<unsigned char> FinishComplete(JpegStreamBuilder& stream, unsigned char sofMarker,
                                          const JpegFrame& frame)
{
    stream.Frame(sofMarker, frame).StandardDht().Scan(AllComponents(frame)).Eoi();
    return stream.Bytes();
}

// Frame, standard DHT, SOS header without data, EOI: for frames that a
// reader refuses when it reaches the first scan.
std::vector<unsigned char> FinishHeaderOnly(JpegStreamBuilder& stream, unsigned char sofMarker,
                                            const JpegFrame& frame, const std::vector<int>& scan)
{
    stream.Frame(sofMarker, frame).StandardDht().Sos(scan).Eoi();
    return stream.Bytes();
}

} // namespace

std::vector<unsigned char> EmptyStream()
{
    return {};
}

std::vector<unsigned char> SoiOnlyStream()
{
    return JpegStreamBuilder().Soi().Bytes();
}

std::vector<unsigned char> BaselineStream()
{
    JpegStreamBuilder stream;
    AddQ75Tables(stream.Soi().Jfif());
    return FinishComplete(stream, kMarkerSOF0, Frame420());
}

std::vector<unsigned char> BaselineWithSegments(const std::vector<MarkerSegment>& segments)
{
    JpegStreamBuilder stream;
    stream.Soi();
    for (const MarkerSegment& segment : segments)
        stream.Segment(segment.code, segment.payload);
    AddQ75Tables(stream);
    return FinishComplete(stream, kMarkerSOF0, Frame420());
}

std::vector<unsigned char> MissingSoiStream()
{
    const std::vector<unsigned char> baseline = BaselineStream();
    return std::vector<unsigned char>(baseline.begin() + 2, baseline.end());
}

std::vector<unsigned char> TablesOnlyStream()
{
    JpegStreamBuilder stream;
    return AddQ75Tables(stream.Soi()).Eoi().Bytes();
}

std::vector<unsigned char> TablesZeroAndTwoStream()
{
    JpegStreamBuilder stream;
    stream.Soi().Dqt(0, Luma(75)).Dqt(2, Chroma(75));
    return FinishComplete(stream, kMarkerSOF0, ColourFrame(2, 2, 2));
}

std::vector<unsigned char> ThreeTablesStream()
{
    JpegStreamBuilder stream;
    AddQ75Tables(stream.Soi()).Dqt(2, Chroma(50));
    return FinishComplete(stream, kMarkerSOF0, FlatFrame({0, 1, 2}));
}

std::vector<unsigned char> FourTablesStream()
{
    JpegStreamBuilder stream;
    AddQ75Tables(stream.Soi()).Dqt(2, Luma(50)).Dqt(3, Chroma(50));
    return FinishComplete(stream, kMarkerSOF0, FlatFrame({0, 1, 2, 3}));
}

std::vector<unsigned char> FiveComponentsStream()
{
    JpegStreamBuilder stream;
    AddQ75Tables(stream.Soi());
    return FinishHeaderOnly(stream, kMarkerSOF0, FlatFrame({0, 1, 1, 1, 1}), {0, 1, 2, 3});
}

std::vector<unsigned char> ElevenComponentsStream()
{
    JpegStreamBuilder stream;
    AddQ75Tables(stream.Soi());
    // A scan may hold at most four components; one keeps the SOS itself valid.
    return FinishHeaderOnly(stream, kMarkerSOF0, FlatFrame(std::vector<int>(11, 0)), {0});
}

std::vector<unsigned char> Dqt16Within8BitStream()
{
    JpegStreamBuilder stream;
    stream.Soi().Dqt({{0, Luma(75), true}, {1, Chroma(75), true}});
    return FinishComplete(stream, kMarkerSOF1, Frame420());
}

std::vector<unsigned char> Dqt16Above255Stream()
{
    JpegStreamBuilder stream;
    stream.Soi().Dqt({{0, Luma(10, false), true}, {1, Chroma(10, false), true}});
    return FinishComplete(stream, kMarkerSOF1, Frame420());
}

std::vector<unsigned char> Dqt16MaxStream()
{
    QuantValues coarsest;
    coarsest.fill(65535);
    JpegStreamBuilder stream;
    stream.Soi().Dqt({{0, coarsest, true}, {1, Chroma(50), true}});
    return FinishComplete(stream, kMarkerSOF1, Frame420());
}

std::vector<unsigned char> DqtAfterFirstScanStream()
{
    const JpegFrame frame = ColourFrame(1, 1, 1);
    JpegStreamBuilder stream;
    stream.Soi().Dqt(0, Luma(75)).Frame(kMarkerSOF0, frame).StandardDht();
    stream.Scan({0}).Dqt(1, Chroma(75)).Scan({1, 2}).Eoi();
    return stream.Bytes();
}

std::vector<unsigned char> NoDqtStream()
{
    JpegStreamBuilder stream;
    return FinishComplete(stream.Soi(), kMarkerSOF0, Frame420());
}

std::vector<unsigned char> CutAfterFrameStream()
{
    JpegStreamBuilder stream;
    return AddQ75Tables(stream.Soi()).Frame(kMarkerSOF0, Frame420()).Bytes();
}

std::vector<unsigned char> CutInsideDqtStream()
{
    JpegStreamBuilder stream;
    std::vector<unsigned char> bytes = stream.Soi().Dqt(0, Luma(75)).Bytes();
    const std::size_t soiAndSegmentHead = 2 + 2 + 2 + 1; // SOI, marker, length, Pq/Tq
    bytes.resize(soiAndSegmentHead + 20);
    return bytes;
}

std::vector<unsigned char> Precision12Stream()
{
    JpegFrame frame = Frame420();
    frame.precision = 12;
    JpegStreamBuilder stream;
    AddQ75Tables(stream.Soi());
    return FinishHeaderOnly(stream, kMarkerSOF1, frame, AllComponents(frame));
}

std::vector<unsigned char> LosslessStream()
{
    const JpegFrame frame = ColourFrame(1, 1, 0);
    JpegStreamBuilder stream;
    // Lossless scans: Ss is the predictor (1), Se is 0.
    stream.Soi().Frame(kMarkerSOF3, frame).StandardDht().Sos(AllComponents(frame), 1, 0).Eoi();
    return stream.Bytes();
}

std::vector<unsigned char> ArithmeticStream()
{
    const JpegFrame frame = Frame420();
    JpegStreamBuilder stream;
    AddQ75Tables(stream.Soi()).Frame(kMarkerSOF9, frame).Sos(AllComponents(frame)).Eoi();
    return stream.Bytes();
}

std::vector<unsigned char> DqtIndexFourStream()
{
    JpegFrame frame = Frame420();
    frame.components[0].quantTable = 4;
    JpegStreamBuilder stream;
    stream.Soi().Dqt(4, Luma(75)).Dqt(1, Chroma(75));
    return FinishHeaderOnly(stream, kMarkerSOF0, frame, AllComponents(frame));
}

std::vector<unsigned char> BadFrameLengthStream()
{
    std::vector<unsigned char> payload = FramePayload(Frame420());
    payload.push_back(0);
    JpegStreamBuilder stream;
    return AddQ75Tables(stream.Soi()).Segment(kMarkerSOF0, payload).StandardDht().Eoi().Bytes();
}

std::vector<unsigned char> DqtRedefinedStream()
{
    JpegStreamBuilder stream;
    AddQ75Tables(stream.Soi().Dqt(0, Luma(50)));
    return FinishComplete(stream, kMarkerSOF0, Frame420());
}

std::vector<unsigned char> DqtSingleSegmentStream()
{
    JpegStreamBuilder stream;
    stream.Soi().Dqt({{0, Luma(75), false}, {1, Chroma(75), false}});
    return FinishComplete(stream, kMarkerSOF0, Frame420());
}

std::vector<unsigned char> AdobeRgbStream()
{
    JpegStreamBuilder stream;
    stream.Soi().Adobe(0).Dqt(0, Luma(90));
    return FinishComplete(stream, kMarkerSOF0, FlatFrame({0, 0, 0}));
}

std::vector<unsigned char> AdobeYcckStream()
{
    JpegStreamBuilder stream;
    AddQ75Tables(stream.Soi().Adobe(2));
    return FinishComplete(stream, kMarkerSOF0, FlatFrame({0, 1, 1, 0}));
}

std::vector<unsigned char> TooWideStream()
{
    JpegFrame frame = Frame420();
    frame.width = 65535;
    JpegStreamBuilder stream;
    AddQ75Tables(stream.Soi());
    return FinishHeaderOnly(stream, kMarkerSOF0, frame, AllComponents(frame));
}

std::vector<unsigned char> SamplingFactorFiveStream()
{
    JpegFrame frame = Frame420();
    frame.components[0].hSampling = 5;
    JpegStreamBuilder stream;
    AddQ75Tables(stream.Soi());
    return FinishHeaderOnly(stream, kMarkerSOF0, frame, AllComponents(frame));
}

std::vector<unsigned char> ZeroHeightStream()
{
    JpegFrame frame = Frame420();
    frame.height = 0;
    JpegStreamBuilder stream;
    AddQ75Tables(stream.Soi());
    return FinishHeaderOnly(stream, kMarkerSOF0, frame, AllComponents(frame));
}

const std::vector<NamedStream>& NamedStreams()
{
    static const std::vector<NamedStream> streams = {
        {"empty", EmptyStream},
        {"soi-only", SoiOnlyStream},
        {"baseline", BaselineStream},
        {"missing-soi", MissingSoiStream},
        {"tables-only", TablesOnlyStream},
        {"tables-0-and-2", TablesZeroAndTwoStream},
        {"three-tables", ThreeTablesStream},
        {"four-tables", FourTablesStream},
        {"five-components", FiveComponentsStream},
        {"eleven-components", ElevenComponentsStream},
        {"dqt16-within-8bit", Dqt16Within8BitStream},
        {"dqt16-above-255", Dqt16Above255Stream},
        {"dqt16-max", Dqt16MaxStream},
        {"dqt-after-first-scan", DqtAfterFirstScanStream},
        {"no-dqt", NoDqtStream},
        {"cut-after-frame", CutAfterFrameStream},
        {"cut-inside-dqt", CutInsideDqtStream},
        {"precision-12", Precision12Stream},
        {"lossless", LosslessStream},
        {"arithmetic", ArithmeticStream},
        {"dqt-index-4", DqtIndexFourStream},
        {"bad-frame-length", BadFrameLengthStream},
        {"dqt-redefined", DqtRedefinedStream},
        {"dqt-single-segment", DqtSingleSegmentStream},
        {"adobe-rgb", AdobeRgbStream},
        {"adobe-ycck", AdobeYcckStream},
        {"too-wide", TooWideStream},
        {"sampling-factor-5", SamplingFactorFiveStream},
        {"zero-height", ZeroHeightStream},
        {"maker-segments", MakerSegmentsStream},
        {"hostile-maker-segments", HostileMakerSegmentsStream},
    };
    return streams;
}

const NamedStream* FindNamedStream(const std::string& name)
{
    for (const NamedStream& stream : NamedStreams()) {
        if (name == stream.name)
            return &stream;
    }
    return nullptr;
}
