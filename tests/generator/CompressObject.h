#pragma once

#include "tests/generator/JpegErrors.h"

// A libjpeg compression object whose errors throw JpegLibraryError; it is
// destroyed when it goes out of scope, also on the way out of an error.
class CompressObject {
public:
    CompressObject();
    ~CompressObject();
    CompressObject(const CompressObject&) = delete;
    CompressObject& operator=(const CompressObject&) = delete;

    jpeg_compress_struct* Get() { return &m_cinfo; }

private:
    jpeg_error_mgr m_errors;
    jpeg_compress_struct m_cinfo;
};
