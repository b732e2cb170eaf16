#pragma once

#include "cli/JsonWriter.h"
#include "traces/TraceVerdict.h"

// The key "traces": {"verdict":"found","firstQuality":75,"firstQualityRange":[74,76],
// "score":41.3,"reason":null}; absent values are null.
void WriteTraces(JsonWriter& json, const TraceVerdict& verdict);
