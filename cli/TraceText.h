#pragma once

#include "traces/TraceVerdict.h"

#include <string>

// The report's "压缩痕迹:" line text, after the label: "发现更早的一次压缩，首次约为
// IJG 质量 75（74～76，得分 41.3）", "未发现（得分 2.1）" or "无法判断（原因）".
std::wstring TraceVerdictText(const TraceVerdict& verdict);

// The names the JSON and CSV outputs give: "found", "none", "cannot-tell".
const char* TraceKindName(TraceVerdict::Kind kind);

// The JSON "reason" key: "too-few-coefficients" and the like; null for Reason::None.
const char* TraceReasonName(TraceVerdict::Reason reason);

// The score as shown: one decimal.
double RoundedTraceScore(double score);
