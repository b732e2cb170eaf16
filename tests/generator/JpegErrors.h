#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>

#include <jpeglib.h>

// A libjpeg error turned into a C++ exception: the library's message code
// (msg_code, one of the JERR_ values of jerror.h) and its formatted text.
class JpegLibraryError : public std::runtime_error {
public:
    JpegLibraryError(int code, const std::string& message);
    int Code() const { return m_code; }

private:
    int m_code;
};

// Fills the error manager with libjpeg's defaults, then makes errors throw
// JpegLibraryError and keeps warnings off stderr (libjpeg still counts them
// in num_warnings). Returns the manager for the object's err field.
jpeg_error_mgr* UseThrowingErrors(jpeg_error_mgr& manager);
