#include "cli/EncoderText.h"

#include "cli/QualityListText.h"
#include "encoders/PillowPresets.h"
#include "framework/TextEncoding.h"
#include "inspect/NumberText.h"

#include <cmath>

namespace {

const wchar_t kNoEncoder[] = L"无已知编码器";
const wchar_t kClauseSeparator[] = L"；";
const wchar_t kListSeparator[] = L"、";

// One encoder's settings as a sentence part: "与 " subject " 相同" note.
struct Clause
{
    std::wstring subject;
    std::wstring note;
};

// The run of settings from begin that share the encoder (and, when bySet, the table set).
size_t RunEnd(const MakerSettings& settings, size_t begin, bool bySet)
{
    size_t end = begin;
    while (end < settings.size() && settings[end].encoder == settings[begin].encoder &&
           (!bySet || settings[end].table == settings[begin].table))
        ++end;
    return end;
}

std::wstring QualitiesOf(const MakerSettings& settings, size_t begin, size_t end)
{
    IjgMatches qualities;
    for (size_t i = begin; i < end; ++i)
        qualities.push_back({settings[i].quality, settings[i].baseline});
    return QualityListText(qualities);
}

std::wstring PhotoshopText(const PillowPreset& preset)
{
    const wchar_t* command =
        preset.photoshop == PillowPreset::Photoshop::SaveAs ? L"存储为" : L"存储为 Web 所用格式";
    return L"Photoshop " + std::wstring(command) + L" 品质 " + IntText(preset.photoshopQuality);
}

Clause PillowClause(const MakerSetting& setting)
{
    const PillowPreset& preset = PillowPresetAt(setting.table);
    const std::wstring name = L"Pillow 预设 " + Utf8ToWide(preset.name);
    if (preset.photoshop == PillowPreset::Photoshop::None)
        return {name, L""};
    return {PhotoshopText(preset), L"（" + name + L"）"};
}

// mozjpeg's sets in one clause when they share their qualities:
// "mozjpeg 表方案 1、2 质量 100（基线或非基线）".
void AddMozjpegClauses(const MakerSettings& settings, size_t begin, size_t end, std::vector<Clause>& clauses)
{
    std::wstring previousQualities;
    for (size_t setBegin = begin; setBegin < end;) {
        const size_t setEnd = RunEnd(settings, setBegin, true);
        const std::wstring qualities = QualitiesOf(settings, setBegin, setEnd);
        const std::wstring set = IntText(settings[setBegin].table);
        if (!clauses.empty() && qualities == previousQualities && setBegin != begin) {
            std::wstring& subject = clauses.back().subject;
            subject.insert(subject.find(L" 质量 "), kListSeparator + set);
        } else {
            clauses.push_back({L"mozjpeg 表方案 " + set + L" 质量 " + qualities, L""});
        }
        previousQualities = qualities;
        setBegin = setEnd;
    }
}

std::vector<Clause> Clauses(const MakerSettings& settings)
{
    std::vector<Clause> clauses;
    for (size_t begin = 0; begin < settings.size();) {
        const size_t end = RunEnd(settings, begin, false);
        switch (settings[begin].encoder) {
        case Encoder::Ijg:
            clauses.push_back({L"IJG 质量 " + QualitiesOf(settings, begin, end), L""});
            break;
        case Encoder::Mozjpeg:
            AddMozjpegClauses(settings, begin, end, clauses);
            break;
        case Encoder::Ffmpeg: {
            std::wstring qscales;
            for (size_t i = begin; i < end; ++i)
                qscales += (i > begin ? kListSeparator : L"") + IntText(settings[i].quality);
            clauses.push_back({L"ffmpeg MJPEG -q:v " + qscales, L""});
            break;
        }
        case Encoder::Pillow:
            for (size_t i = begin; i < end; ++i)
                clauses.push_back(PillowClause(settings[i]));
            break;
        }
        begin = end;
    }
    return clauses;
}

std::wstring BaseName(const ScaleBase& base)
{
    const wchar_t* role = base.luminance ? L"亮度表" : L"色度表";
    switch (base.family) {
    case ScaleBase::Family::AnnexK:
        return std::wstring(L"标准") + role;
    case ScaleBase::Family::Mozjpeg:
        return L"mozjpeg 表方案 " + IntText(base.set) + L" " + role;
    case ScaleBase::Family::Mpeg1Intra:
        break;
    }
    return L"MPEG-1 默认帧内矩阵";
}

const wchar_t* RoundingText(Rounding rounding)
{
    switch (rounding) {
    case Rounding::Down: return L"向下取整";
    case Rounding::Up: return L"向上取整";
    case Rounding::Nearest: break;
    }
    return L"四舍五入";
}

std::wstring PercentText(double percent)
{
    const long long tenths = PercentTenths(percent);
    return IntText(tenths / 10) + L"." + IntText(tenths % 10) + L"%";
}

std::wstring ScaledText(const ScaledMatch& match)
{
    const std::wstring low = PercentText(match.range.minPercent);
    const std::wstring high = PercentText(match.range.maxPercent);
    const std::wstring range = low == high ? low : low + L"～" + high;
    return BaseName(match.base) + L"按 " + range + L" 缩放、" + RoundingText(match.rounding);
}

// "与 … 相同", with no space after a closing full-width bracket.
std::wstring SentenceOf(const Clause& clause)
{
    const bool bracketed = clause.subject.back() == L'）';
    return L"与 " + clause.subject + (bracketed ? L"相同" : L" 相同") + clause.note;
}

} // namespace

long long PercentTenths(double percent)
{
    return std::llround(percent * 10.0);
}

std::wstring EncoderMatchText(const EncoderMatches& matches)
{
    std::wstring text;
    for (const Clause& clause : Clauses(matches.makers))
        text += (text.empty() ? L"" : kClauseSeparator) + SentenceOf(clause);
    for (const ScaledMatch& match : matches.scaled)
        text += (text.empty() ? L"" : kClauseSeparator) + ScaledText(match);
    return text.empty() ? kNoEncoder : text;
}

std::wstring EncoderFileText(const MakerSettings& settings)
{
    std::wstring text;
    for (const Clause& clause : Clauses(settings))
        text += (text.empty() ? L"" : kClauseSeparator) + clause.subject + clause.note;
    return text;
}

std::wstring EncoderMatchSummary(const std::vector<EncoderMatches>& perTable)
{
    std::wstring summary;
    for (size_t t = 0; t < perTable.size(); ++t)
        summary += (t > 0 ? L"/" : L"") + EncoderMatchText(perTable[t]);
    return summary;
}
