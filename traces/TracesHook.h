#pragma once

#include "inspect/DecoderHook.h"
#include "traces/TraceVerdict.h"

// The coefficient pass and its verdict, riding on the header read of one file.
class TracesHook : public DecoderHook
{
public:
    void BeforeHeader(j_decompress_ptr) override {}
    void AfterHeader(j_decompress_ptr cinfo) override;

    const TraceVerdict& Verdict() const { return m_verdict; }

private:
    TraceVerdict m_verdict;
};
