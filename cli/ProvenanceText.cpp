#include "cli/ProvenanceText.h"

#include "cli/EncoderText.h"
#include "encoders/FileMaker.h"
#include "encoders/PillowPresets.h"
#include "inspect/NumberText.h"

namespace {

const wchar_t kNoEncoder[] = L"无已知编码器";
const size_t kModelsShown = 2;

std::wstring SizeText(std::int64_t width, std::int64_t height)
{
    return IntText(width) + L"x" + IntText(height);
}

std::wstring DurationText(std::int64_t seconds)
{
    if (seconds < 120)
        return IntText(seconds) + L" 秒";
    if (seconds < 2 * 3600)
        return IntText(seconds / 60) + L" 分钟";
    if (seconds < 2 * 86400)
        return IntText(seconds / 3600) + L" 小时";
    return IntText(seconds / 86400) + L" 天";
}

std::wstring PhotoshopLevelName(int level, const std::wstring& version)
{
    return (version.empty() ? std::wstring(L"Photoshop") : version) + L" 存储为 品质 " + IntText(level);
}

std::wstring SoftwareTablesText(const Evidence& item)
{
    const std::wstring program = item.settings.empty() ? PhotoshopLevelName(static_cast<int>(item.numbers[0]), item.text)
                                                       : EncoderFileText(item.settings);
    const bool bracketed = program.back() == L'）';
    return L"EXIF 称由 " + item.subject + L" 相机拍摄，量化表却与 " + program + (bracketed ? L"相同，" : L" 相同，") +
           item.subject + L" 相机原图中未见";
}

std::wstring HardText(const Evidence& item)
{
    switch (item.code) {
    case EvidenceCode::EditorNamed:
        return L"文件写明经编辑软件处理（" + item.subject + L": " + item.text + L"）";
    case EvidenceCode::PhotoshopQuality:
        return L"含 Photoshop 所记的存储品质 " + IntText(item.numbers[0]) + L"（图像资源 0x0406）";
    case EvidenceCode::SaveForWeb:
        return L"含存储为 Web 所用格式的品质 " + IntText(item.numbers[0]) + L"（APP12 Ducky 段）";
    case EvidenceCode::LibraryComment:
        return L"注释由编码程序写入: " + item.text;
    case EvidenceCode::SoftwareTables:
        return SoftwareTablesText(item);
    default:
        break;
    }
    return L"画面 " + SizeText(item.numbers[0], item.numbers[1]) + L" 与 EXIF 所记 " +
           SizeText(item.numbers[2], item.numbers[3]) + L" 不符（经裁切或缩放）";
}

std::wstring SoftText(const Evidence& item)
{
    switch (item.code) {
    case EvidenceCode::SizeTurned:
        return L"画面 " + SizeText(item.numbers[0], item.numbers[1]) + L" 是 EXIF 所记 " +
               SizeText(item.numbers[2], item.numbers[3]) + L" 转过 90 度（经软件旋转）";
    case EvidenceCode::Progressive:
        return L"相机 EXIF 下为渐进式 JPEG，相机原图中未见";
    case EvidenceCode::OptimizedHuffman:
        return L"Huffman 表经过优化，" + item.subject + L" 相机原图少见";
    case EvidenceCode::JfifSegment:
        return L"相机 EXIF 旁有 JFIF APP0 段（编码程序常加），" + item.subject + L" 相机原图少见";
    case EvidenceCode::ModifiedLater:
        return L"修改时间 " + item.text + L" 比拍摄时间 " + item.subject + L" 晚 " + DurationText(item.numbers[0]);
    case EvidenceCode::EarlierCompression:
        return item.numbers[0] == 0 ? std::wstring(L"更早的一次压缩")
                                    : L"更早的一次压缩（约为 IJG 质量 " + IntText(item.numbers[0]) + L"）";
    default:
        break;
    }
    return L"没有厂商注释，而 " + item.subject + L" 的相机原图都有";
}

// The first models of a list joined by "、", with how many when there are more.
std::wstring ShortModelList(const std::wstring& models, std::int64_t count)
{
    size_t end = 0;
    for (size_t shown = 0; shown < kModelsShown && end != std::wstring::npos; ++shown)
        end = models.find(L'、', end == 0 ? 0 : end + 1);
    if (count <= static_cast<std::int64_t>(kModelsShown) || end == std::wstring::npos)
        return models;
    return models.substr(0, end) + L" 等 " + IntText(count) + L" 个型号";
}

std::wstring SupportText(const Evidence& item)
{
    switch (item.code) {
    case EvidenceCode::TablesOfModel:
        return L"量化表与 " + item.subject + L" 相机原图相同";
    case EvidenceCode::TablesOfMaker:
        return L"量化表与 " + item.subject + L" 相机原图相同（" + ShortModelList(item.text, item.numbers[0]) +
               L"），此型号未见";
    case EvidenceCode::TablesUnseen:
        return item.subject + L" 相机原图中未见此量化表";
    case EvidenceCode::MakerUnknown:
        return L"未知 " + item.subject + L" 相机原图的量化表";
    case EvidenceCode::MakerNotePresent:
        return L"有厂商注释（" + IntText(item.numbers[0]) + L" 字节）";
    default:
        break;
    }
    return L"Software 为固件版本: " + item.text;
}

// "与 Canon 相机原图所用相同（Canon EOS 20D、Canon EOS 30D 等 3 个型号）".
std::wstring CameraClause(const CameraMatch& match)
{
    std::wstring models;
    for (size_t i = 0; i < match.models.size() && i < kModelsShown; ++i)
        models += (i > 0 ? L"、" : L"") + match.models[i];
    if (match.models.size() > kModelsShown)
        models += L" 等 " + IntText(static_cast<long long>(match.models.size())) + L" 个型号";
    return L"与 " + match.maker + L" 相机原图所用相同" + (models.empty() ? L"" : L"（" + models + L"）");
}

std::wstring PhotoshopClause(const PhotoshopLevelMatch& level)
{
    return L"与 " + PhotoshopLevelName(level.level, level.version) + L" 相同（" + IntText(level.files) +
           L" 个文件所记）";
}

bool PresetNamesLevel(const EncoderMatches& matches, int level)
{
    for (const MakerSetting& setting : matches.makers) {
        if (setting.encoder != Encoder::Pillow)
            continue;
        const PillowPreset& preset = PillowPresetAt(setting.table);
        if (preset.photoshop == PillowPreset::Photoshop::SaveAs && preset.photoshopQuality == level)
            return true;
    }
    return false;
}

} // namespace

std::wstring VerdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Edited: return L"经软件编辑或重存";
    case Verdict::LikelyEdited: return L"可能经软件重存";
    case Verdict::ConsistentWithCamera: return L"与相机原图一致";
    case Verdict::NoCameraStatement: break;
    }
    return L"无相机信息";
}

std::wstring EvidenceText(const Evidence& item)
{
    switch (WeightOf(item.code)) {
    case EvidenceWeight::Hard: return HardText(item);
    case EvidenceWeight::Soft: return SoftText(item);
    case EvidenceWeight::Support: break;
    }
    return SupportText(item);
}

std::wstring ProvenanceBlockText(const ProvenanceVerdict& provenance)
{
    std::wstring text = L"出处: " + VerdictText(provenance.verdict) + L"\n";
    for (const Evidence& item : provenance.evidence)
        text += L"  " + EvidenceText(item) + L"\n";
    return text;
}

std::vector<const PhotoshopLevelMatch*> NewPhotoshopLevels(const EncoderMatches& matches,
                                                          const ProvenanceVerdict& provenance)
{
    std::vector<const PhotoshopLevelMatch*> levels;
    for (const PhotoshopLevelMatch* level : provenance.photoshop)
        if (!PresetNamesLevel(matches, level->level))
            levels.push_back(level);
    return levels;
}

std::wstring EncoderLineText(const EncoderMatches& matches, const ProvenanceVerdict& provenance)
{
    std::wstring observed;
    for (const PhotoshopLevelMatch* level : NewPhotoshopLevels(matches, provenance))
        observed += (observed.empty() ? L"" : L"；") + PhotoshopClause(*level);
    for (const CameraMatch* camera : provenance.cameras)
        observed += (observed.empty() ? L"" : L"；") + CameraClause(*camera);
    const std::wstring rules = EncoderMatchText(matches);
    if (observed.empty())
        return rules;
    return rules == kNoEncoder ? observed : rules + L"；" + observed;
}

std::wstring EncoderLineSummary(const std::vector<EncoderMatches>& perTable, const ProvenanceVerdict& provenance)
{
    std::wstring summary;
    for (size_t t = 0; t < perTable.size(); ++t)
        summary += (t > 0 ? L"/" : L"") + EncoderLineText(perTable[t], provenance);
    return summary;
}

std::string ProvenanceSummary(const ProvenanceVerdict& provenance)
{
    std::string summary = VerdictId(provenance.verdict);
    for (size_t i = 0; i < provenance.evidence.size(); ++i)
        summary += (i == 0 ? ": " : " ") + std::string(EvidenceId(provenance.evidence[i].code));
    return summary;
}
