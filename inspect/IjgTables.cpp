#include "inspect/IjgTables.h"

#include "inspect/JpegObjects.h"

#include <algorithm>

namespace {

QuantTable CopyTable(const JQUANT_TBL* table)
{
    QuantTable copy;
    std::copy(table->quantval, table->quantval + DCTSIZE2, copy.begin());
    return copy;
}

} // namespace

IjgTables BuildIjgTables(int quality, bool forceBaseline)
{
    // Only the quantization tables are made: no jpeg_set_defaults.
    JpegCompressor compressor;
    jpeg_set_quality(&compressor.cinfo, quality, forceBaseline ? TRUE : FALSE);
    return {CopyTable(compressor.cinfo.quant_tbl_ptrs[0]),
            CopyTable(compressor.cinfo.quant_tbl_ptrs[1])};
}
