#pragma once

// libjpeg's header needs FILE and size_t declared first; on Windows it must
// follow windows.h so that its 'boolean' agrees with the one there.
#ifdef _WIN32
#include <windows.h>
#endif
#include <cstddef>
#include <cstdio>

extern "C" {
#include <jpeglib.h>
}
