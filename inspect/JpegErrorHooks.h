#pragma once

#include "inspect/JpegLibrary.h"

// Error manager hooks: library errors become a heap-allocated CJPEGException
// thrown through the library's frames (it is built with unwind tables);
// warnings and trace messages are formatted and dropped.
[[noreturn]] void JpegErrorExit(j_common_ptr cinfo);
void JpegOutputMessage(j_common_ptr cinfo);

// Sets up err with the library defaults and the two hooks; returns err.
jpeg_error_mgr* InstallJpegErrorHooks(jpeg_error_mgr& err);
