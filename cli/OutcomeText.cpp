#include "cli/OutcomeText.h"

#include "cli/EncoderJson.h"
#include "cli/EncoderText.h"
#include "cli/IjgMatchText.h"
#include "cli/JsonWriter.h"
#include "cli/ProvenanceJson.h"
#include "cli/ProvenanceText.h"
#include "cli/ReportFields.h"
#include "cli/StatementJson.h"
#include "cli/StatementText.h"
#include "cli/TraceJson.h"
#include "cli/TraceText.h"
#include "encoders/FileMaker.h"
#include "inspect/NumberText.h"

const wchar_t* StatusName(InspectionOutcome::Status status)
{
    switch (status) {
    case InspectionOutcome::Status::Ok: return L"ok";
    case InspectionOutcome::Status::Refused: return L"refused";
    default: return L"error";
    }
}

namespace {

std::wstring WithUnixLineBreaks(const std::wstring& text)
{
    std::wstring result;
    for (wchar_t c : text)
        if (c != L'\r')
            result += c;
    return result;
}

void WriteIntArray(JsonWriter& json, const char* key, const std::int32_t* values, int count)
{
    json.Key(key);
    json.IntArray(values, count);
}

void WriteFacts(JsonWriter& json, const JpegFacts& facts)
{
    json.Key("facts");
    json.BeginObject();
    json.Key("tableCount"); json.Int(facts.tableCount);
    json.Key("sixteenBit"); json.Int(facts.sixteenBit);
    json.Key("tables");
    json.BeginArray();
    for (int t = 0; t < facts.tableCount; ++t)
        json.IntArray(facts.tables[t].data(), 64);
    json.EndArray();
    json.Key("estimates");
    json.BeginArray();
    for (const QualityEstimate& estimate : facts.estimates) {
        json.BeginObject();
        json.Key("quality"); json.Int(estimate.quality);
        json.Key("variance"); json.Double(estimate.variance);
        json.EndObject();
    }
    json.EndArray();
    json.Key("standardHuffman"); json.Int(facts.standardHuffman);
    json.Key("progressive"); json.Int(facts.progressive);
    json.Key("precision"); json.Int(facts.precision);
    json.Key("width"); json.Int(facts.width);
    json.Key("height"); json.Int(facts.height);
    json.Key("components"); json.Int(facts.components);
    json.Key("colorSpace"); json.Int(facts.colorSpace);
    WriteIntArray(json, "hSampling", facts.hSampling, 4);
    WriteIntArray(json, "vSampling", facts.vSampling, 4);
    json.EndObject();
}

void WriteReport(JsonWriter& json, const InspectionReport& report)
{
    json.Key("report");
    json.BeginObject();
    for (const ReportField& field : kReportFields) {
        json.Key(field.jsonName);
        json.String(report.*field.text);
    }
    json.Key("qualityMismatch"); json.Bool(report.qualityMismatch);
    json.EndObject();
}

void WriteIjgMatch(JsonWriter& json, const std::vector<IjgMatches>& perTable)
{
    json.Key("ijgMatch");
    json.BeginArray();
    for (const IjgMatches& matches : perTable) {
        json.BeginArray();
        for (const IjgMatch& match : matches) {
            json.BeginObject();
            json.Key("quality"); json.Int(match.quality);
            json.Key("baseline"); json.Bool(match.baseline);
            json.EndObject();
        }
        json.EndArray();
    }
    json.EndArray();
}

} // namespace

std::wstring OutcomeText(const FileReport& file)
{
    const InspectionOutcome& outcome = file.outcome;
    std::wstring text = L"文件: " + file.path + L"\n";
    if (outcome.status != InspectionOutcome::Status::Ok)
        return text + outcome.message + L"\n";
    for (const ReportField& field : kReportFields)
        text += std::wstring(field.label) + L" " + outcome.report.*field.text + field.unit + L"\n";
    for (size_t t = 0; t < file.ijgMatch.size(); ++t) {
        const std::wstring label = L"量化表 " + IntText(static_cast<long long>(t) + 1) + L": ";
        text += label + IjgMatchText(file.ijgMatch[t]) + L"\n";
        text += label + (file.provenance ? EncoderLineText(file.encoders[t], *file.provenance)
                                         : EncoderMatchText(file.encoders[t])) + L"\n";
    }
    const std::wstring maker = EncoderFileText(FileMakerSettings(file.encoders));
    if (!maker.empty())
        text += L"编码器: " + maker + L"\n";
    if (file.statements)
        text += StatementBlockText(*file.statements);
    if (file.provenance)
        text += ProvenanceBlockText(*file.provenance);
    if (file.traces)
        text += L"压缩痕迹: " + TraceVerdictText(*file.traces) + L"\n";
    return text + L"\n" + WithUnixLineBreaks(outcome.tablesText) + L"\n";
}

std::string OutcomeJson(const FileReport& file)
{
    const InspectionOutcome& outcome = file.outcome;
    // A report takes about 2 KB: the tables twice, as numbers and as text.
    JsonWriter json(4096);
    json.BeginObject();
    json.Key("path"); json.String(file.path);
    json.Key("status"); json.String(StatusName(outcome.status));
    if (outcome.status != InspectionOutcome::Status::Ok) {
        json.Key("message"); json.String(outcome.message);
    } else {
        WriteFacts(json, outcome.facts);
        WriteReport(json, outcome.report);
        WriteIjgMatch(json, file.ijgMatch);
        WriteEncoders(json, file.encoders, file.provenance ? &*file.provenance : nullptr);
        if (file.statements)
            WriteStatements(json, *file.statements);
        if (file.provenance)
            WriteProvenance(json, *file.provenance);
        if (file.traces)
            WriteTraces(json, *file.traces);
        json.Key("tablesText"); json.String(outcome.tablesText);
    }
    json.EndObject();
    return json.TakeText();
}
