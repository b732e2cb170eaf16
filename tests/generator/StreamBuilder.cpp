#include "tests/generator/StreamBuilder.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>

#include "tests/generator/FlatScan.h"

namespace {

void Put16(std::vector<unsigned char>& out, int value)
{
    out.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
    out.push_back(static_cast<unsigned char>(value & 0xFF));
}

void PutNibbles(std::vector<unsigned char>& out, int high, int low)
{
    out.push_back(static_cast<unsigned char>(((high & 0x0F) << 4) | (low & 0x0F)));
}

void PutText(std::vector<unsigned char>& out, const char* text)
{
    for (; *text != '\0'; ++text)
        out.push_back(static_cast<unsigned char>(*text));
}

void PutDqtEntry(std::vector<unsigned char>& out, const DqtEntry& entry)
{
    PutNibbles(out, entry.sixteenBit ? 1 : 0, entry.table);
    for (const std::uint16_t value : ToZigzag(entry.values)) {
        if (entry.sixteenBit)
            Put16(out, value);
        else if (value <= 255)
            out.push_back(static_cast<unsigned char>(value));
        else
            throw std::invalid_argument("an 8-bit DQT table cannot hold a value above 255");
    }
}

int HuffmanSlotOf(int componentIndex)
{
    return componentIndex == 0 ? 0 : 1;
}

} // namespace

std::vector<unsigned char> FramePayload(const JpegFrame& frame)
{
    std::vector<unsigned char> payload;
    payload.push_back(static_cast<unsigned char>(frame.precision));
    Put16(payload, frame.height);
    Put16(payload, frame.width);
    payload.push_back(static_cast<unsigned char>(frame.components.size()));
    for (const FrameComponent& c : frame.components) {
        payload.push_back(static_cast<unsigned char>(c.id));
        PutNibbles(payload, c.hSampling, c.vSampling);
        payload.push_back(static_cast<unsigned char>(c.quantTable));
    }
    return payload;
}

std::vector<int> AllComponents(const JpegFrame& frame)
{
    std::vector<int> indexes;
    for (std::size_t i = 0; i < frame.components.size(); ++i)
        indexes.push_back(static_cast<int>(i));
    return indexes;
}

JpegStreamBuilder& JpegStreamBuilder::Marker(unsigned char code)
{
    m_bytes.push_back(0xFF);
    m_bytes.push_back(code);
    return *this;
}

JpegStreamBuilder& JpegStreamBuilder::Segment(unsigned char code,
                                              const std::vector<unsigned char>& payload)
{
    Marker(code);
    Put16(m_bytes, static_cast<int>(payload.size()) + 2);
    m_bytes.insert(m_bytes.end(), payload.begin(), payload.end());
    return *this;
}

JpegStreamBuilder& JpegStreamBuilder::Jfif()
{
    std::vector<unsigned char> payload;
    PutText(payload, "JFIF");
    payload.push_back(0);
    payload.insert(payload.end(), {1, 1, 0}); // version 1.01, no density unit
    Put16(payload, 1);
    Put16(payload, 1);
    payload.insert(payload.end(), {0, 0}); // no thumbnail
    return Segment(kMarkerAPP0, payload);
}

JpegStreamBuilder& JpegStreamBuilder::Adobe(int transform)
{
    std::vector<unsigned char> payload;
    PutText(payload, "Adobe");
    Put16(payload, 100); // version
    Put16(payload, 0);   // flags0
    Put16(payload, 0);   // flags1
    payload.push_back(static_cast<unsigned char>(transform));
    return Segment(kMarkerAPP14, payload);
}

JpegStreamBuilder& JpegStreamBuilder::Dqt(const std::vector<DqtEntry>& tables)
{
    std::vector<unsigned char> payload;
    for (const DqtEntry& entry : tables)
        PutDqtEntry(payload, entry);
    return Segment(kMarkerDQT, payload);
}

JpegStreamBuilder& JpegStreamBuilder::Dqt(int table, const QuantValues& values, bool sixteenBit)
{
    return Dqt({DqtEntry{table, values, sixteenBit}});
}

JpegStreamBuilder& JpegStreamBuilder::Frame(unsigned char sofMarker, const JpegFrame& frame)
{
    m_frame = frame;
    return Segment(sofMarker, FramePayload(frame));
}

JpegStreamBuilder& JpegStreamBuilder::Dht(HuffmanClass tableClass, int slot, const HuffmanTable& table)
{
    std::vector<unsigned char> payload;
    PutNibbles(payload, static_cast<int>(tableClass), slot);
    payload.insert(payload.end(), table.bits.begin() + 1, table.bits.end());
    payload.insert(payload.end(), table.values.begin(), table.values.end());
    (tableClass == HuffmanClass::dc ? m_dcTables : m_acTables).at(slot) = table;
    return Segment(kMarkerDHT, payload);
}

JpegStreamBuilder& JpegStreamBuilder::StandardDht()
{
    for (int slot = 0; slot < 2; ++slot) {
        Dht(HuffmanClass::dc, slot, StandardHuffmanTable(HuffmanClass::dc, slot));
        Dht(HuffmanClass::ac, slot, StandardHuffmanTable(HuffmanClass::ac, slot));
    }
    return *this;
}

JpegStreamBuilder& JpegStreamBuilder::Sos(const std::vector<int>& components, int ss, int se)
{
    if (!m_frame)
        throw std::logic_error("SOS needs a frame header before it");
    std::vector<unsigned char> payload;
    payload.push_back(static_cast<unsigned char>(components.size()));
    for (const int index : components) {
        payload.push_back(static_cast<unsigned char>(m_frame->components.at(index).id));
        PutNibbles(payload, HuffmanSlotOf(index), HuffmanSlotOf(index));
    }
    payload.push_back(static_cast<unsigned char>(ss));
    payload.push_back(static_cast<unsigned char>(se));
    payload.push_back(0); // Ah, Al
    return Segment(kMarkerSOS, payload);
}

JpegStreamBuilder& JpegStreamBuilder::Scan(const std::vector<int>& components)
{
    Sos(components);
    std::vector<ScanTables> tables;
    for (const int index : components) {
        const std::optional<HuffmanTable>& dc = m_dcTables.at(HuffmanSlotOf(index));
        const std::optional<HuffmanTable>& ac = m_acTables.at(HuffmanSlotOf(index));
        if (!dc || !ac)
            throw std::logic_error("a scan needs its DHT tables before it");
        tables.push_back(ScanTables{&*dc, &*ac});
    }
    const std::vector<unsigned char> data = FlatScanData(*m_frame, components, tables);
    m_bytes.insert(m_bytes.end(), data.begin(), data.end());
    return *this;
}
