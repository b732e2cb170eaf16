#include "tests/generator/JpegProbe.h"

#include <algorithm>
#include <cstddef>

namespace {

class DecompressObject {
public:
    explicit DecompressObject(const std::vector<unsigned char>& bytes)
    {
        m_cinfo.err = UseThrowingErrors(m_errors);
        jpeg_create_decompress(&m_cinfo);
        try {
            jpeg_mem_src(&m_cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
        } catch (...) {
            jpeg_destroy_decompress(&m_cinfo);
            throw;
        }
    }
    ~DecompressObject() { jpeg_destroy_decompress(&m_cinfo); }
    DecompressObject(const DecompressObject&) = delete;
    DecompressObject& operator=(const DecompressObject&) = delete;

    jpeg_decompress_struct* Get() { return &m_cinfo; }

private:
    jpeg_error_mgr m_errors;
    jpeg_decompress_struct m_cinfo;
};

QuantSlots CopyQuantTables(const jpeg_decompress_struct* cinfo)
{
    QuantSlots slots;
    for (int n = 0; n < NUM_QUANT_TBLS; ++n) {
        if (const JQUANT_TBL* table = cinfo->quant_tbl_ptrs[n]) {
            QuantValues values{};
            std::copy(table->quantval, table->quantval + 64, values.begin());
            slots[n] = values;
        }
    }
    return slots;
}

std::optional<HuffmanBits> CopyBits(const JHUFF_TBL* table)
{
    if (table == nullptr)
        return std::nullopt;
    HuffmanBits bits{};
    std::copy(table->bits, table->bits + 17, bits.begin());
    return bits;
}

// libjpeg 62 does not tell SOF0 from SOF1, so walk the segments for it.
int FindFrameMarker(const std::vector<unsigned char>& bytes)
{
    std::size_t pos = 2; // after SOI
    while (pos + 4 <= bytes.size() && bytes[pos] == 0xFF) {
        const int code = bytes[pos + 1];
        const bool isFrame = code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
        if (isFrame)
            return code;
        if (code == 0xDA)
            return 0;
        pos += 2 + bytes[pos + 2] * 256u + bytes[pos + 3];
    }
    return 0;
}

} // namespace

HeaderProbe ProbeHeader(const std::vector<unsigned char>& bytes)
{
    DecompressObject decompressor(bytes);
    jpeg_decompress_struct* cinfo = decompressor.Get();
    HeaderProbe probe;
    probe.result = jpeg_read_header(cinfo, FALSE);
    probe.width = static_cast<int>(cinfo->image_width);
    probe.height = static_cast<int>(cinfo->image_height);
    probe.precision = cinfo->data_precision;
    probe.colorSpace = cinfo->jpeg_color_space;
    probe.progressive = cinfo->progressive_mode != FALSE;
    probe.arithmetic = cinfo->arith_code != FALSE;
    probe.frameMarker = FindFrameMarker(bytes);
    probe.sawJfif = cinfo->saw_JFIF_marker != FALSE;
    probe.restartInterval = cinfo->restart_interval;
    for (int i = 0; i < cinfo->num_components; ++i) {
        const jpeg_component_info& c = cinfo->comp_info[i];
        probe.components.push_back({c.component_id, c.h_samp_factor, c.v_samp_factor, c.quant_tbl_no});
    }
    probe.quantTables = CopyQuantTables(cinfo);
    probe.dcBits0 = CopyBits(cinfo->dc_huff_tbl_ptrs[0]);
    probe.acBits0 = CopyBits(cinfo->ac_huff_tbl_ptrs[0]);
    probe.warnings = cinfo->err->num_warnings;
    return probe;
}

DecodedImage DecodeImage(const std::vector<unsigned char>& bytes)
{
    DecompressObject decompressor(bytes);
    jpeg_decompress_struct* cinfo = decompressor.Get();
    jpeg_read_header(cinfo, TRUE);
    jpeg_start_decompress(cinfo);
    DecodedImage image;
    image.width = static_cast<int>(cinfo->output_width);
    image.height = static_cast<int>(cinfo->output_height);
    image.channels = cinfo->output_components;
    const std::size_t stride = cinfo->output_width * static_cast<std::size_t>(image.channels);
    image.pixels.resize(stride * cinfo->output_height);
    while (cinfo->output_scanline < cinfo->output_height) {
        JSAMPROW row = image.pixels.data() + cinfo->output_scanline * stride;
        jpeg_read_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_decompress(cinfo);
    image.quantTables = CopyQuantTables(cinfo);
    image.warnings = cinfo->err->num_warnings;
    return image;
}
