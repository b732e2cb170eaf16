#include "cli/StatementJson.h"

#include "cli/EncoderJson.h"
#include "inspect/InspectionReport.h"

namespace {

void WriteText(JsonWriter& json, const char* key, const std::optional<std::wstring>& text)
{
    if (!text)
        return;
    json.Key(key);
    json.String(*text);
}

void WriteOptionalInt(JsonWriter& json, const std::optional<std::int64_t>& value)
{
    if (value)
        json.Int(*value);
    else
        json.Null();
}

void WriteExif(JsonWriter& json, const FileStatements& s)
{
    WriteText(json, "make", s.make);
    WriteText(json, "model", s.model);
    WriteText(json, "software", s.software);
    WriteText(json, "dateTime", s.dateTime);
    WriteText(json, "dateTimeOriginal", s.dateTimeOriginal);
    if (s.orientation) {
        json.Key("orientation"); json.Int(*s.orientation);
    }
    if (s.exifWidth || s.exifHeight) {
        json.Key("exifSize");
        json.BeginArray();
        WriteOptionalInt(json, s.exifWidth);
        WriteOptionalInt(json, s.exifHeight);
        json.EndArray();
    }
    if (s.makerNoteBytes) {
        json.Key("makerNote"); json.Int(*s.makerNoteBytes);
    }
}

const wchar_t* PhotoshopFormatName(int format)
{
    switch (format) {
    case 0: return L"standard";
    case 1: return L"optimized";
    case 2: return L"progressive";
    default: return nullptr;
    }
}

void WriteEditors(JsonWriter& json, const FileStatements& s)
{
    if (s.photoshop) {
        json.Key("photoshop");
        json.BeginObject();
        json.Key("quality"); json.Int(s.photoshop->quality);
        if (const wchar_t* format = PhotoshopFormatName(s.photoshop->format)) {
            json.Key("format"); json.String(format);
        }
        if (s.photoshop->scans > 0) {
            json.Key("scans"); json.Int(s.photoshop->scans);
        }
        json.EndObject();
    }
    if (s.saveForWebQuality) {
        json.Key("saveForWeb");
        json.BeginObject();
        json.Key("quality"); json.Int(*s.saveForWebQuality);
        json.EndObject();
    }
    if (s.xmpCreatorTool || !s.xmpHistoryAgents.empty()) {
        json.Key("xmp");
        json.BeginObject();
        WriteText(json, "creatorTool", s.xmpCreatorTool);
        if (!s.xmpHistoryAgents.empty()) {
            json.Key("historyAgents");
            json.BeginArray();
            for (const std::wstring& agent : s.xmpHistoryAgents)
                json.String(agent);
            json.EndArray();
        }
        json.EndObject();
    }
}

void WriteJfif(JsonWriter& json, const JfifStatement& jfif)
{
    const std::wstring minor = (jfif.minorVersion < 10 ? L"0" : L"") + std::to_wstring(jfif.minorVersion);
    json.Key("jfif");
    json.BeginObject();
    json.Key("version"); json.String(std::to_wstring(jfif.majorVersion) + L"." + minor);
    json.Key("density");
    const std::int32_t density[] = {jfif.densityX, jfif.densityY};
    json.IntArray(density, 2);
    json.Key("unit"); json.Int(jfif.unit);
    json.EndObject();
}

void WriteThumbnail(JsonWriter& json, const ThumbnailStatement& thumbnail)
{
    const JpegFacts& facts = thumbnail.facts;
    json.Key("thumbnail");
    json.BeginObject();
    json.Key("bytes"); json.Int(thumbnail.bytes);
    json.Key("width"); json.Int(facts.width);
    json.Key("height"); json.Int(facts.height);
    json.Key("sampling"); json.String(BuildInspectionReport(facts).sampling);
    json.Key("tables");
    json.BeginArray();
    for (int t = 0; t < facts.tableCount; ++t)
        json.IntArray(facts.tables[t].data(), 64);
    json.EndArray();
    WriteEncoders(json, thumbnail.encoders);
    json.EndObject();
}

void WriteFormats(JsonWriter& json, const FileStatements& s)
{
    if (s.jfif)
        WriteJfif(json, *s.jfif);
    if (s.adobe) {
        json.Key("adobe");
        json.BeginObject();
        json.Key("version"); json.Int(s.adobe->version);
        json.Key("transform"); json.Int(s.adobe->transform);
        json.EndObject();
    }
    if (!s.comments.empty()) {
        json.Key("comments");
        json.BeginArray();
        for (const std::wstring& comment : s.comments)
            json.String(comment);
        json.EndArray();
    }
    if (s.thumbnail)
        WriteThumbnail(json, *s.thumbnail);
}

} // namespace

void WriteStatements(JsonWriter& json, const FileStatements& statements)
{
    json.Key("statements");
    json.BeginObject();
    WriteExif(json, statements);
    WriteEditors(json, statements);
    WriteFormats(json, statements);
    if (!statements.unreadable.empty()) {
        json.Key("unreadable");
        json.BeginArray();
        for (const std::string& kind : statements.unreadable)
            json.String(std::wstring(kind.begin(), kind.end()));
        json.EndArray();
    }
    json.EndObject();
}
