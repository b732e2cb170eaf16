#include "cli/TraceText.h"

#include "inspect/NumberText.h"

#include <cmath>
#include <cstdio>

namespace {

using Kind = TraceVerdict::Kind;
using Reason = TraceVerdict::Reason;

const wchar_t* ReasonText(Reason reason)
{
    switch (reason) {
    case Reason::TooFewCoefficients: return L"非零系数太少";
    case Reason::TableTooCoarse: return L"量化表太粗，看不出更早的量化";
    case Reason::EndsEarly: return L"数据在扫描中提前结束";
    case Reason::Corrupt: return L"压缩数据损坏";
    case Reason::NoLuminance: return L"没有亮度分量";
    case Reason::NoImage: return L"没有图像数据";
    case Reason::TooLarge: return L"图像太大，超出系数读取的上限";
    case Reason::NotLibjpegTable: return L"最后的量化表不是 libjpeg 式量化器所用的表（相机、mozjpeg 等）";
    case Reason::None: break;
    }
    return L"";
}

std::wstring ScoreText(double score)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.1f", RoundedTraceScore(score));
    return L"得分 " + std::wstring(buffer, buffer + std::char_traits<char>::length(buffer));
}

// "（原因，得分 3.2）", either part left out when absent.
std::wstring Parenthesis(const std::wstring& first, const TraceVerdict& verdict)
{
    std::wstring inside = first;
    if (verdict.scored)
        inside += (inside.empty() ? L"" : L"，") + ScoreText(verdict.score);
    return inside.empty() ? L"" : L"（" + inside + L"）";
}

std::wstring QualityRange(const TraceVerdict& verdict)
{
    if (verdict.rangeLow == verdict.rangeHigh)
        return IntText(verdict.rangeLow);
    return IntText(verdict.rangeLow) + L"～" + IntText(verdict.rangeHigh);
}

} // namespace

std::wstring TraceVerdictText(const TraceVerdict& verdict)
{
    switch (verdict.kind) {
    case Kind::Found:
        return L"发现更早的一次压缩，首次约为 IJG 质量 " + IntText(verdict.firstQuality) +
               Parenthesis(QualityRange(verdict), verdict);
    case Kind::None:
        return L"未发现" + Parenthesis(L"", verdict);
    case Kind::CannotTell:
        break;
    }
    return L"无法判断" + Parenthesis(ReasonText(verdict.reason), verdict);
}

const char* TraceKindName(Kind kind)
{
    switch (kind) {
    case Kind::Found: return "found";
    case Kind::None: return "none";
    case Kind::CannotTell: break;
    }
    return "cannot-tell";
}

const char* TraceReasonName(Reason reason)
{
    switch (reason) {
    case Reason::TooFewCoefficients: return "too-few-coefficients";
    case Reason::TableTooCoarse: return "table-too-coarse";
    case Reason::EndsEarly: return "ends-early";
    case Reason::Corrupt: return "corrupt-data";
    case Reason::NoLuminance: return "no-luminance";
    case Reason::NoImage: return "no-image";
    case Reason::TooLarge: return "too-large";
    case Reason::NotLibjpegTable: return "not-libjpeg-table";
    case Reason::None: break;
    }
    return nullptr;
}

double RoundedTraceScore(double score)
{
    return std::round(score * 10) / 10;
}
