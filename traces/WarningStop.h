#pragma once

#include "inspect/JpegLibrary.h"

// While it lives, the first warning the library gives about the compressed
// data (corrupt data, a stream that ends early) stops the read as an error,
// instead of letting the library fill the rest with zeros: counts taken from
// a damaged stream would be no evidence, and a crafted header must not cost
// the time of decoding a huge picture of nothing. An end of data after the
// last row of a single scan (a missing EOI marker) is let through when
// endIsHarmless says so.
class WarningStop
{
public:
    using EndCheck = bool (*)(j_decompress_ptr cinfo);

    WarningStop(j_decompress_ptr cinfo, EndCheck endIsHarmless);
    ~WarningStop();
    WarningStop(const WarningStop&) = delete;
    WarningStop& operator=(const WarningStop&) = delete;

    // The library's code of the warning that stopped the read, or 0.
    int StoppingWarning() const { return m_errors.stoppingWarning; }

private:
    struct WatchedErrors
    {
        jpeg_error_mgr manager;   // first, so that the library's pointer is ours
        EndCheck endIsHarmless;
        int stoppingWarning;
    };

    static void EmitMessage(j_common_ptr cinfo, int level);

    j_decompress_ptr m_cinfo;
    jpeg_error_mgr* m_original;
    WatchedErrors m_errors;
};
