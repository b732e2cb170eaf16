#include "tests/generator/JpegErrors.h"

namespace {

// libjpeg's C frames carry unwind tables (x86-64 ABI, -fexceptions on the
// MinGW build), so the exception can leave through them.
[[noreturn]] void ThrowLibraryError(j_common_ptr cinfo)
{
    char text[JMSG_LENGTH_MAX] = {};
    (*cinfo->err->format_message)(cinfo, text);
    throw JpegLibraryError(cinfo->err->msg_code, text);
}

void DropMessage(j_common_ptr)
{
}

} // namespace

JpegLibraryError::JpegLibraryError(int code, const std::string& message)
    : std::runtime_error(message), m_code(code)
{
}

jpeg_error_mgr* UseThrowingErrors(jpeg_error_mgr& manager)
{
    jpeg_std_error(&manager);
    manager.error_exit = ThrowLibraryError;
    manager.output_message = DropMessage;
    return &manager;
}
