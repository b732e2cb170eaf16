#include "cli/ProvenanceJson.h"

#include "cli/ProvenanceText.h"
#include "encoders/PillowPresets.h"
#include "framework/TextEncoding.h"

namespace {

std::wstring Number(std::int64_t value)
{
    return std::to_wstring(value);
}

std::wstring SettingDetail(const MakerSetting& setting)
{
    const std::wstring forcing = setting.baseline ? L" baseline" : L"";
    switch (setting.encoder) {
    case Encoder::Ijg:
        return L"ijg quality " + Number(setting.quality) + forcing;
    case Encoder::Mozjpeg:
        return L"mozjpeg table " + Number(setting.table) + L" quality " + Number(setting.quality) + forcing;
    case Encoder::Ffmpeg:
        return L"ffmpeg qscale " + Number(setting.quality);
    case Encoder::Pillow:
        break;
    }
    return L"pillow " + Utf8ToWide(PillowPresetAt(setting.table).name);
}

std::wstring SoftwareTablesDetail(const Evidence& item)
{
    if (item.settings.empty())
        return L"photoshop save-as " + Number(item.numbers[0]) + (item.text.empty() ? L"" : L" (" + item.text + L")");
    std::wstring detail;
    for (const MakerSetting& setting : item.settings)
        detail += (detail.empty() ? L"" : L", ") + SettingDetail(setting);
    return detail;
}

std::wstring SizesDetail(const Evidence& item)
{
    return Number(item.numbers[0]) + L"x" + Number(item.numbers[1]) + L" exif " + Number(item.numbers[2]) + L"x" +
           Number(item.numbers[3]);
}

} // namespace

std::wstring EvidenceDetail(const Evidence& item)
{
    switch (item.code) {
    case EvidenceCode::EditorNamed:
        return item.subject + L": " + item.text;
    case EvidenceCode::PhotoshopQuality:
    case EvidenceCode::SaveForWeb:
    case EvidenceCode::MakerNotePresent:
        return Number(item.numbers[0]);
    case EvidenceCode::SoftwareTables:
        return SoftwareTablesDetail(item);
    case EvidenceCode::SizeDiffers:
    case EvidenceCode::SizeTurned:
        return SizesDetail(item);
    case EvidenceCode::ModifiedLater:
        return item.subject + L" -> " + item.text;
    case EvidenceCode::EarlierCompression:
        return item.numbers[0] == 0 ? std::wstring() : Number(item.numbers[0]);
    case EvidenceCode::TablesOfMaker:
        return item.subject + L": " + item.text;
    case EvidenceCode::LibraryComment:
    case EvidenceCode::FirmwareSoftware:
        return item.text;
    default:
        break;
    }
    return item.subject;
}

void WriteProvenance(JsonWriter& json, const ProvenanceVerdict& provenance)
{
    json.Key("provenance");
    json.BeginObject();
    json.Key("verdict"); json.String(Utf8ToWide(VerdictId(provenance.verdict)));
    json.Key("evidence");
    json.BeginArray();
    for (const Evidence& item : provenance.evidence) {
        json.BeginObject();
        json.Key("code"); json.String(Utf8ToWide(EvidenceId(item.code)));
        json.Key("detail"); json.String(EvidenceDetail(item));
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
}

void WriteObservedMakers(JsonWriter& json, const EncoderMatches& matches, const ProvenanceVerdict& provenance)
{
    for (const PhotoshopLevelMatch* level : NewPhotoshopLevels(matches, provenance)) {
        json.BeginObject();
        json.Key("encoder"); json.String(L"photoshop");
        json.Key("quality"); json.Int(level->level);
        if (!level->version.empty()) {
            json.Key("version"); json.String(level->version);
        }
        json.Key("files"); json.Int(level->files);
        json.EndObject();
    }
    for (const CameraMatch* camera : provenance.cameras) {
        json.BeginObject();
        json.Key("encoder"); json.String(L"camera");
        json.Key("make"); json.String(camera->maker);
        json.Key("models");
        json.BeginArray();
        for (const std::wstring& model : camera->models)
            json.String(model);
        json.EndArray();
        json.Key("files"); json.Int(camera->files);
        json.EndObject();
    }
}
