#include "encoders/IjgRuleScaler.h"

#include <algorithm>

QuantTable IjgRuleScaler::Scale(const QuantTable& base, int quality, bool forceBaseline)
{
    unsigned int basic[DCTSIZE2];
    std::copy(base.begin(), base.end(), basic);
    jpeg_compress_struct& cinfo = m_compressor.cinfo;
    jpeg_add_quant_table(&cinfo, 0, basic, jpeg_quality_scaling(quality), forceBaseline ? TRUE : FALSE);
    QuantTable table;
    std::copy(cinfo.quant_tbl_ptrs[0]->quantval, cinfo.quant_tbl_ptrs[0]->quantval + DCTSIZE2, table.begin());
    return table;
}
