#include "traces/WarningStop.h"

extern "C" {
#include <jerror.h>
}

WarningStop::WarningStop(j_decompress_ptr cinfo, EndCheck endIsHarmless)
    : m_cinfo(cinfo), m_original(cinfo->err), m_errors{*cinfo->err, endIsHarmless, 0}
{
    m_errors.manager.emit_message = EmitMessage;
    cinfo->err = &m_errors.manager;
}

WarningStop::~WarningStop()
{
    m_cinfo->err = m_original;
}

void WarningStop::EmitMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return;   // trace messages
    auto* errors = reinterpret_cast<WatchedErrors*>(cinfo->err);
    const int code = errors->manager.msg_code;
    if (code == JWRN_JPEG_EOF && errors->endIsHarmless(reinterpret_cast<j_decompress_ptr>(cinfo)))
        return;
    errors->stoppingWarning = code;
    (*errors->manager.error_exit)(cinfo);
}
