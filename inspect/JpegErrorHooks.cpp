#include "inspect/JpegErrorHooks.h"

#include "inspect/JpegException.h"

#include <string>

void JpegErrorExit(j_common_ptr cinfo)
{
    char text[JMSG_LENGTH_MAX] = {};
    (*cinfo->err->format_message)(cinfo, text);
    // The library's texts are 8-bit; each byte becomes the character of that code.
    std::wstring message;
    for (const char* p = text; *p != '\0'; ++p)
        message += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    throw new CJPEGException(cinfo->err->msg_code, message);
}

void JpegOutputMessage(j_common_ptr cinfo)
{
    char text[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, text);
}

jpeg_error_mgr* InstallJpegErrorHooks(jpeg_error_mgr& err)
{
    jpeg_std_error(&err);
    err.error_exit = JpegErrorExit;
    err.output_message = JpegOutputMessage;
    return &err;
}
