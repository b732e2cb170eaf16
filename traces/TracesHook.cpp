#include "traces/TracesHook.h"

#include "traces/CoefficientPass.h"
#include "traces/TraceJudgement.h"

void TracesHook::AfterHeader(j_decompress_ptr cinfo)
{
    m_verdict = JudgeTraces(ReadLuminanceCoefficients(cinfo));
}
