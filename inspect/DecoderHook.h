#pragma once

#include "inspect/JpegLibrary.h"

#include <vector>

// Work done on the decompression object of one file beside the header facts,
// through the same open: what to ask of the library before the header is read
// (markers to keep), and what to read once it has been (statements, coefficients).
// A hook keeps its own results and failures: whatever it cannot read must not
// cost the header report, so it catches the library errors it provokes.
class DecoderHook
{
public:
    virtual ~DecoderHook() = default;
    virtual void BeforeHeader(j_decompress_ptr cinfo) = 0;
    virtual void AfterHeader(j_decompress_ptr cinfo) = 0;
};

using DecoderHooks = std::vector<DecoderHook*>;
