#pragma once

#include "inspect/JpegLibrary.h"

#include <memory>
#include <vector>

// Takes the rows of quantized blocks of one component as they are decoded.
class BlockRowSink
{
public:
    virtual ~BlockRowSink() = default;
    virtual void TakeRow(int component, JDIMENSION blockRow, const JBLOCK* blocks) = 0;
};

// While it lives, jpeg_read_coefficients keeps no whole-image arrays: every
// coefficient array the library asks for is one iMCU row tall, and each row
// goes to the sink before the next one is decoded into the same memory. This
// holds for files with one interleaved scan, where every row is written once
// and in order; any other access is a library error (JERR_BAD_VIRTUAL_ACCESS).
// Uses the decompression object's client_data while it lives.
class BlockRowStream
{
public:
    BlockRowStream(j_decompress_ptr cinfo, BlockRowSink& sink);
    ~BlockRowStream();
    BlockRowStream(const BlockRowStream&) = delete;
    BlockRowStream& operator=(const BlockRowStream&) = delete;

    // Hands over the rows still held; call once jpeg_read_coefficients has returned.
    void Flush();

    struct Array;

private:
    static jvirt_barray_ptr Request(j_common_ptr cinfo, int poolId, boolean preZero,
                                    JDIMENSION blocksPerRow, JDIMENSION rows, JDIMENSION maxAccess);
    static JBLOCKARRAY Access(j_common_ptr cinfo, jvirt_barray_ptr array, JDIMENSION startRow,
                              JDIMENSION rowCount, boolean writable);
    static BlockRowStream& Of(j_common_ptr cinfo);
    void PassOn(Array& array);

    j_decompress_ptr m_cinfo;
    BlockRowSink& m_sink;
    void* m_savedClientData;
    jpeg_memory_mgr m_saved;
    std::vector<std::unique_ptr<Array>> m_arrays;
};
