#include "cli/TraceJson.h"

#include "cli/TraceText.h"

#include <cstdint>

namespace {

void WriteName(JsonWriter& json, const char* name)
{
    if (name == nullptr)
        json.Null();
    else
        json.String(std::wstring(name, name + std::char_traits<char>::length(name)));
}

} // namespace

void WriteTraces(JsonWriter& json, const TraceVerdict& verdict)
{
    json.Key("traces");
    json.BeginObject();
    json.Key("verdict");
    WriteName(json, TraceKindName(verdict.kind));
    json.Key("firstQuality");
    if (verdict.firstQuality != 0)
        json.Int(verdict.firstQuality);
    else
        json.Null();
    json.Key("firstQualityRange");
    if (verdict.firstQuality != 0) {
        const std::int32_t range[2] = {verdict.rangeLow, verdict.rangeHigh};
        json.IntArray(range, 2);
    } else {
        json.Null();
    }
    json.Key("score");
    if (verdict.scored)
        json.Double(RoundedTraceScore(verdict.score));
    else
        json.Null();
    json.Key("reason");
    WriteName(json, TraceReasonName(verdict.reason));
    json.EndObject();
}
