#include "inspect/IjgTables.h"

#include "inspect/JpegObjects.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kQualities = 100;

QuantTable CopyTable(const JQUANT_TBL* table)
{
    QuantTable copy;
    std::copy(table->quantval, table->quantval + DCTSIZE2, copy.begin());
    return copy;
}

IjgTables MakeIjgTables(int quality, bool forceBaseline)
{
    // Only the quantization tables are made: no jpeg_set_defaults.
    JpegCompressor compressor;
    jpeg_set_quality(&compressor.cinfo, quality, forceBaseline ? TRUE : FALSE);
    return {CopyTable(compressor.cinfo.quant_tbl_ptrs[0]),
            CopyTable(compressor.cinfo.quant_tbl_ptrs[1])};
}

// Every file's verdict needs two of these; a compressor object per table cost
// more than the rest of a file's report, so all 200 are made once.
using TableSet = std::array<IjgTables, 2 * kQualities>;

TableSet MakeAllTables()
{
    TableSet all;
    for (int quality = 1; quality <= kQualities; ++quality) {
        all[2 * (quality - 1)] = MakeIjgTables(quality, true);
        all[2 * (quality - 1) + 1] = MakeIjgTables(quality, false);
    }
    return all;
}

} // namespace

IjgTables BuildIjgTables(int quality, bool forceBaseline)
{
    static const TableSet all = MakeAllTables();
    // The library clamps the quality the same way.
    const int clamped = std::clamp(quality, 1, kQualities);
    return all[2 * (clamped - 1) + (forceBaseline ? 0 : 1)];
}
