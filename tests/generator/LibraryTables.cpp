#include "tests/generator/LibraryTables.h"

#include <algorithm>
#include <stdexcept>

#include "tests/generator/CompressObject.h"

namespace {

void CheckSlot(int slot)
{
    if (slot != 0 && slot != 1)
        throw std::out_of_range("libjpeg's standard tables exist for slots 0 and 1 only");
}

} // namespace

QuantValues IjgQuantTable(int quality, bool forceBaseline, int slot)
{
    CheckSlot(slot);
    CompressObject compressor;
    jpeg_set_quality(compressor.Get(), quality, forceBaseline ? TRUE : FALSE);
    const JQUANT_TBL* table = compressor.Get()->quant_tbl_ptrs[slot];
    QuantValues values{};
    std::copy(table->quantval, table->quantval + 64, values.begin());
    return values;
}

HuffmanTable StandardHuffmanTable(HuffmanClass tableClass, int slot)
{
    CheckSlot(slot);
    CompressObject compressor;
    jpeg_compress_struct* cinfo = compressor.Get();
    cinfo->in_color_space = JCS_RGB;
    jpeg_set_defaults(cinfo);
    const JHUFF_TBL* stored = tableClass == HuffmanClass::dc ? cinfo->dc_huff_tbl_ptrs[slot]
                                                             : cinfo->ac_huff_tbl_ptrs[slot];
    HuffmanTable table;
    std::copy(stored->bits, stored->bits + 17, table.bits.begin());
    int count = 0;
    for (int length = 1; length <= 16; ++length)
        count += stored->bits[length];
    table.values.assign(stored->huffval, stored->huffval + count);
    return table;
}
