#include "traces/BlockRowStream.h"

#include <algorithm>

extern "C" {
#include <jerror.h>
}

struct BlockRowStream::Array
{
    int component;
    JDIMENSION blocksPerRow;
    JDIMENSION rowsInArray;
    JDIMENSION maxAccess;
    std::vector<JCOEF> coefficients;  // maxAccess rows of blocks
    std::vector<JBLOCKROW> rows;
    JDIMENSION heldStart = 0;         // the first row the memory holds
    JDIMENSION heldCount = 0;         // rows held and not yet passed on
};

BlockRowStream::BlockRowStream(j_decompress_ptr cinfo, BlockRowSink& sink)
    : m_cinfo(cinfo), m_sink(sink), m_savedClientData(cinfo->client_data), m_saved(*cinfo->mem)
{
    cinfo->client_data = this;
    cinfo->mem->request_virt_barray = Request;
    cinfo->mem->access_virt_barray = Access;
}

BlockRowStream::~BlockRowStream()
{
    m_cinfo->mem->request_virt_barray = m_saved.request_virt_barray;
    m_cinfo->mem->access_virt_barray = m_saved.access_virt_barray;
    m_cinfo->client_data = m_savedClientData;
}

BlockRowStream& BlockRowStream::Of(j_common_ptr cinfo)
{
    return *static_cast<BlockRowStream*>(cinfo->client_data);
}

jvirt_barray_ptr BlockRowStream::Request(j_common_ptr cinfo, int, boolean, JDIMENSION blocksPerRow,
                                         JDIMENSION rows, JDIMENSION maxAccess)
{
    BlockRowStream& stream = Of(cinfo);
    auto array = std::make_unique<Array>();
    array->component = static_cast<int>(stream.m_arrays.size());
    array->blocksPerRow = blocksPerRow;
    array->rowsInArray = rows;
    array->maxAccess = maxAccess;
    array->coefficients.resize(static_cast<size_t>(blocksPerRow) * maxAccess * DCTSIZE2);
    for (JDIMENSION r = 0; r < maxAccess; ++r)
        array->rows.push_back(reinterpret_cast<JBLOCKROW>(array->coefficients.data()) +
                              static_cast<size_t>(r) * blocksPerRow);
    stream.m_arrays.push_back(std::move(array));
    return reinterpret_cast<jvirt_barray_ptr>(stream.m_arrays.back().get());
}

JBLOCKARRAY BlockRowStream::Access(j_common_ptr cinfo, jvirt_barray_ptr handle, JDIMENSION startRow,
                                   JDIMENSION rowCount, boolean)
{
    BlockRowStream& stream = Of(cinfo);
    Array& array = *reinterpret_cast<Array*>(handle);
    const JDIMENSION expected = array.heldStart + array.heldCount;
    if (startRow != expected || rowCount > array.maxAccess || startRow + rowCount > array.rowsInArray) {
        cinfo->err->msg_code = JERR_BAD_VIRTUAL_ACCESS;
        (*cinfo->err->error_exit)(cinfo);
    }
    stream.PassOn(array);
    // The entropy decoder expects zeroed blocks.
    std::fill(array.coefficients.begin(), array.coefficients.end(), JCOEF{0});
    array.heldStart = startRow;
    array.heldCount = rowCount;
    return array.rows.data();
}

void BlockRowStream::PassOn(Array& array)
{
    for (JDIMENSION r = 0; r < array.heldCount; ++r)
        m_sink.TakeRow(array.component, array.heldStart + r, array.rows[r]);
    array.heldStart += array.heldCount;
    array.heldCount = 0;
}

void BlockRowStream::Flush()
{
    for (auto& array : m_arrays)
        PassOn(*array);
}
