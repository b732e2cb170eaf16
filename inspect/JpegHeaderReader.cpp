#include "inspect/JpegHeaderReader.h"

#include "inspect/JpegObjects.h"
#include "inspect/QualityEstimator.h"
#include "inspect/WidePathFile.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

void CopyFoundTables(j_decompress_ptr cinfo, JpegFacts& facts)
{
    facts.tableCount = 0;
    for (int n = 0; n < 4; ++n) {
        const JQUANT_TBL* table = cinfo->quant_tbl_ptrs[n];
        if (table == nullptr)
            continue;
        std::copy(table->quantval, table->quantval + DCTSIZE2, facts.tables[facts.tableCount].begin());
        ++facts.tableCount;
    }
}

int AnyValueAbove255(const JpegFacts& facts)
{
    for (int t = 0; t < facts.tableCount; ++t)
        for (std::uint16_t value : facts.tables[t])
            if (value > 255)
                return 1;
    return 0;
}

// Only four components fit the record; the library allows up to ten.
void CopySamplingRatios(j_decompress_ptr cinfo, JpegFacts& facts)
{
    std::fill(std::begin(facts.hSampling), std::end(facts.hSampling), 0);
    std::fill(std::begin(facts.vSampling), std::end(facts.vSampling), 0);
    const int recorded = std::min(cinfo->num_components, 4);
    for (int i = 0; i < recorded; ++i) {
        const jpeg_component_info& component = cinfo->comp_info[i];
        facts.hSampling[i] = cinfo->max_h_samp_factor / component.h_samp_factor;
        facts.vSampling[i] = cinfo->max_v_samp_factor / component.v_samp_factor;
    }
}

void ReadWithDecompressor(JpegDecompressor& decompressor, std::FILE* file, JpegFacts& facts,
                          const DecoderHooks& hooks = {})
{
    // The library reads in blocks of its own: a stdio buffer would only add a
    // copy, an allocation and (with glibc) an fstat per file.
    std::setvbuf(file, nullptr, _IONBF, 0);
    jpeg_stdio_src(&decompressor.cinfo, file);
    ExtractJpegFacts(&decompressor.cinfo, facts, hooks);
}

void CopyHeaderFacts(j_decompress_ptr cinfo, JpegFacts& facts)
{
    CopyFoundTables(cinfo, facts);
    if (facts.tableCount == 0)
        return;

    facts.sixteenBit = AnyValueAbove255(facts);
    facts.progressive = cinfo->progressive_mode ? 1 : 0;
    facts.precision = cinfo->data_precision;
    facts.width = static_cast<std::int32_t>(cinfo->image_width);
    facts.height = static_cast<std::int32_t>(cinfo->image_height);
    facts.components = cinfo->num_components;
    facts.colorSpace = cinfo->jpeg_color_space;
    CopySamplingRatios(cinfo, facts);

    facts.estimates[0] = EstimateQuality(facts.tables[0], LuminanceBase);
    if (facts.tableCount == 1) {
        facts.estimates[1].quality = facts.estimates[0].quality;
    } else {
        facts.estimates[1] = EstimateQuality(facts.tables[1], ChrominanceBase);
    }
    facts.standardHuffman = HasStandardHuffman(cinfo);
}

} // namespace

int ReadJpegFacts(const wchar_t* path, JpegFacts& facts)
{
    JpegDecompressor decompressor;
    if (path == nullptr)
        return 0;
    std::unique_ptr<std::FILE, FileCloser> file(OpenWidePathForReading(path));
    if (!file)
        return 0;
    ReadWithDecompressor(decompressor, file.get(), facts);
    return 1;
}

void ReadJpegStreamFacts(std::FILE* file, JpegFacts& facts, const DecoderHooks& hooks)
{
    JpegDecompressor decompressor;
    ReadWithDecompressor(decompressor, file, facts, hooks);
}

void ExtractJpegFacts(j_decompress_ptr cinfo, JpegFacts& facts, const DecoderHooks& hooks)
{
    for (QuantTable& table : facts.tables)
        table.fill(0);
    for (DecoderHook* hook : hooks)
        hook->BeforeHeader(cinfo);
    // Tables-only streams (DQT segments and EOI) are accepted too.
    jpeg_read_header(cinfo, FALSE);
    CopyHeaderFacts(cinfo, facts);
    for (DecoderHook* hook : hooks)
        hook->AfterHeader(cinfo);
}

namespace {

struct StandardCodeLengths
{
    UINT8 dc[17];
    UINT8 ac[17];
};

// The code-length counts of the library's default luminance tables, taken
// from a compressor once rather than per file.
const StandardCodeLengths& DefaultCodeLengths()
{
    static const StandardCodeLengths lengths = [] {
        JpegCompressor defaults;
        defaults.cinfo.in_color_space = JCS_RGB;
        jpeg_set_defaults(&defaults.cinfo);
        StandardCodeLengths taken;
        std::memcpy(taken.dc, defaults.cinfo.dc_huff_tbl_ptrs[0]->bits, 17);
        std::memcpy(taken.ac, defaults.cinfo.ac_huff_tbl_ptrs[0]->bits, 17);
        return taken;
    }();
    return lengths;
}

} // namespace

int HasStandardHuffman(j_decompress_ptr cinfo)
{
    const JHUFF_TBL* dc = cinfo->dc_huff_tbl_ptrs[0];
    const JHUFF_TBL* ac = cinfo->ac_huff_tbl_ptrs[0];
    if (dc == nullptr || ac == nullptr)
        return 0;
    const StandardCodeLengths& standard = DefaultCodeLengths();
    return std::memcmp(standard.dc, dc->bits, 17) == 0 && std::memcmp(standard.ac, ac->bits, 17) == 0 ? 1 : 0;
}
