#include "cli/EncoderJson.h"

#include "cli/EncoderText.h"
#include "cli/ProvenanceJson.h"
#include "encoders/PillowPresets.h"
#include "framework/TextEncoding.h"

namespace {

void WriteQuality(JsonWriter& json, const MakerSetting& setting)
{
    json.Key("quality"); json.Int(setting.quality);
    json.Key("baseline"); json.Bool(setting.baseline);
}

void WritePillow(JsonWriter& json, const PillowPreset& preset)
{
    json.Key("encoder"); json.String(L"pillow");
    json.Key("preset"); json.String(Utf8ToWide(preset.name));
    if (preset.photoshop == PillowPreset::Photoshop::None)
        return;
    const wchar_t* command = preset.photoshop == PillowPreset::Photoshop::SaveAs ? L"save-as " : L"save-for-web ";
    json.Key("photoshop"); json.String(command + std::to_wstring(preset.photoshopQuality));
}

void WriteMaker(JsonWriter& json, const MakerSetting& setting)
{
    json.BeginObject();
    switch (setting.encoder) {
    case Encoder::Ijg:
        json.Key("encoder"); json.String(L"ijg");
        WriteQuality(json, setting);
        break;
    case Encoder::Mozjpeg:
        json.Key("encoder"); json.String(L"mozjpeg");
        json.Key("table"); json.Int(setting.table);
        WriteQuality(json, setting);
        break;
    case Encoder::Ffmpeg:
        json.Key("encoder"); json.String(L"ffmpeg");
        json.Key("qscale"); json.Int(setting.quality);
        break;
    case Encoder::Pillow:
        WritePillow(json, PillowPresetAt(setting.table));
        break;
    }
    json.EndObject();
}

std::wstring BaseId(const ScaleBase& base)
{
    const std::wstring role = base.luminance ? L"luminance" : L"chrominance";
    switch (base.family) {
    case ScaleBase::Family::AnnexK:
        return L"annex-k-" + role;
    case ScaleBase::Family::Mozjpeg:
        return L"mozjpeg-" + std::to_wstring(base.set) + L"-" + role;
    case ScaleBase::Family::Mpeg1Intra:
        break;
    }
    return L"mpeg-1-intra";
}

const wchar_t* RoundingId(Rounding rounding)
{
    switch (rounding) {
    case Rounding::Down: return L"down";
    case Rounding::Up: return L"up";
    case Rounding::Nearest: break;
    }
    return L"nearest";
}

void WriteScaled(JsonWriter& json, const ScaledMatch& match)
{
    json.BeginObject();
    json.Key("encoder"); json.String(L"scaled");
    json.Key("base"); json.String(BaseId(match.base));
    json.Key("scaleMin"); json.Double(PercentTenths(match.range.minPercent) / 10.0);
    json.Key("scaleMax"); json.Double(PercentTenths(match.range.maxPercent) / 10.0);
    json.Key("rounding"); json.String(RoundingId(match.rounding));
    json.EndObject();
}

} // namespace

void WriteEncoders(JsonWriter& json, const std::vector<EncoderMatches>& perTable,
                   const ProvenanceVerdict* provenance)
{
    json.Key("encoders");
    json.BeginArray();
    for (const EncoderMatches& matches : perTable) {
        json.BeginArray();
        for (const MakerSetting& setting : matches.makers)
            WriteMaker(json, setting);
        for (const ScaledMatch& match : matches.scaled)
            WriteScaled(json, match);
        if (provenance)
            WriteObservedMakers(json, matches, *provenance);
        json.EndArray();
    }
    json.EndArray();
}
