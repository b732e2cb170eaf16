#include "tests/generator/FlatScan.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <utility>

namespace {

class BitWriter {
public:
    void Put(HuffmanCode code)
    {
        for (int i = code.length - 1; i >= 0; --i)
            PutBit((code.bits >> i) & 1u);
    }

    // Pads the last byte with 1-bits, as the entropy coder does.
    std::vector<unsigned char> Finish()
    {
        while (m_count != 0)
            PutBit(1);
        return std::move(m_bytes);
    }

private:
    void PutBit(unsigned bit)
    {
        m_byte = (m_byte << 1) | bit;
        if (++m_count < 8)
            return;
        m_bytes.push_back(static_cast<unsigned char>(m_byte));
        if (m_byte == 0xFF)
            m_bytes.push_back(0x00); // byte stuffing
        m_byte = 0;
        m_count = 0;
    }

    std::vector<unsigned char> m_bytes;
    unsigned m_byte = 0;
    int m_count = 0;
};

int CeilDiv(int a, int b)
{
    return (a + b - 1) / b;
}

void PutZeroBlocks(BitWriter& writer, const ScanTables& tables, int blocks)
{
    const HuffmanCode dc = CodeOfSymbol(*tables.dc, 0x00); // difference category 0
    const HuffmanCode eob = CodeOfSymbol(*tables.ac, 0x00);
    for (int i = 0; i < blocks; ++i) {
        writer.Put(dc);
        writer.Put(eob);
    }
}

} // namespace

HuffmanCode CodeOfSymbol(const HuffmanTable& table, unsigned char symbol)
{
    unsigned code = 0;
    std::size_t k = 0;
    for (int length = 1; length <= 16; ++length) {
        for (int i = 0; i < table.bits[length] && k < table.values.size(); ++i, ++k) {
            if (table.values[k] == symbol)
                return HuffmanCode{code, length};
            ++code;
        }
        code <<= 1;
    }
    throw std::invalid_argument("symbol not in the Huffman table");
}

std::vector<unsigned char> FlatScanData(const JpegFrame& frame,
                                        const std::vector<int>& scanComponents,
                                        const std::vector<ScanTables>& tables)
{
    int hMax = 1;
    int vMax = 1;
    for (const FrameComponent& c : frame.components) {
        hMax = std::max(hMax, c.hSampling);
        vMax = std::max(vMax, c.vSampling);
    }
    BitWriter writer;
    if (scanComponents.size() == 1) {
        // Non-interleaved: the component's own blocks, one per MCU.
        const FrameComponent& c = frame.components.at(scanComponents[0]);
        const int columns = CeilDiv(CeilDiv(frame.width * c.hSampling, hMax), 8);
        const int rows = CeilDiv(CeilDiv(frame.height * c.vSampling, vMax), 8);
        PutZeroBlocks(writer, tables.at(0), columns * rows);
        return writer.Finish();
    }
    const int mcus = CeilDiv(frame.width, 8 * hMax) * CeilDiv(frame.height, 8 * vMax);
    for (int mcu = 0; mcu < mcus; ++mcu) {
        for (std::size_t k = 0; k < scanComponents.size(); ++k) {
            const FrameComponent& c = frame.components.at(scanComponents[k]);
            PutZeroBlocks(writer, tables.at(k), c.hSampling * c.vSampling);
        }
    }
    return writer.Finish();
}
