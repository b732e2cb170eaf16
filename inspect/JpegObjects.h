#pragma once

#include "inspect/JpegErrorHooks.h"

// libjpeg decompression and compression objects that own their error manager
// (with the exception-throwing hooks) and destroy themselves on every way out,
// a thrown library error included.
class JpegDecompressor
{
public:
    JpegDecompressor()
    {
        cinfo.err = InstallJpegErrorHooks(m_err);
        jpeg_create_decompress(&cinfo);
    }
    ~JpegDecompressor() { jpeg_destroy_decompress(&cinfo); }
    JpegDecompressor(const JpegDecompressor&) = delete;
    JpegDecompressor& operator=(const JpegDecompressor&) = delete;

    jpeg_decompress_struct cinfo;

private:
    jpeg_error_mgr m_err;
};

class JpegCompressor
{
public:
    JpegCompressor()
    {
        cinfo.err = InstallJpegErrorHooks(m_err);
        jpeg_create_compress(&cinfo);
    }
    ~JpegCompressor() { jpeg_destroy_compress(&cinfo); }
    JpegCompressor(const JpegCompressor&) = delete;
    JpegCompressor& operator=(const JpegCompressor&) = delete;

    jpeg_compress_struct cinfo;

private:
    jpeg_error_mgr m_err;
};
