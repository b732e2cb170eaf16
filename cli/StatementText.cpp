#include "cli/StatementText.h"

#include "cli/EncoderText.h"
#include "inspect/NumberText.h"

#include <algorithm>

namespace {

const wchar_t kUnreadable[] = L"（无法读取）";

// A statement's text on one line: control characters (line breaks among
// them) become spaces.
std::wstring OneLine(std::wstring text)
{
    std::replace_if(text.begin(), text.end(), [](wchar_t c) { return c < 0x20 || c == 0x7F; }, L' ');
    return text;
}

// 37420 as "37,420".
std::wstring GroupedText(long long value)
{
    std::wstring digits = IntText(value);
    const size_t first = digits[0] == L'-' ? 1 : 0;
    for (size_t i = digits.size(); i > first + 3; i -= 3)
        digits.insert(i - 3, L",");
    return digits;
}

bool IsUnreadable(const FileStatements& statements, const char* kind)
{
    return std::find(statements.unreadable.begin(), statements.unreadable.end(), kind) !=
           statements.unreadable.end();
}

class Block
{
public:
    explicit Block(const FileStatements& statements) : m_statements(statements) {}

    void Line(const wchar_t* label, const std::wstring& text)
    {
        m_text += L"  " + std::wstring(label) + L": " + text + L"\n";
    }
    void OptionalLine(const wchar_t* label, const std::optional<std::wstring>& text)
    {
        if (text)
            Line(label, OneLine(*text));
    }
    void UnreadableLine(const char* kind, const wchar_t* label)
    {
        if (IsUnreadable(m_statements, kind))
            Line(label, kUnreadable);
    }
    const std::wstring& Text() const { return m_text; }

private:
    const FileStatements& m_statements;
    std::wstring m_text;
};

const wchar_t* OrientationName(int orientation)
{
    switch (orientation) {
    case 1: return L"正常";
    case 2: return L"水平翻转";
    case 3: return L"旋转 180°";
    case 4: return L"垂直翻转";
    case 5: return L"水平翻转并顺时针旋转 270°";
    case 6: return L"顺时针旋转 90°";
    case 7: return L"水平翻转并顺时针旋转 90°";
    case 8: return L"顺时针旋转 270°";
    default: return nullptr;
    }
}

std::wstring OrientationText(int orientation)
{
    const wchar_t* name = OrientationName(orientation);
    return IntText(orientation) + (name ? L"（" + std::wstring(name) + L"）" : L"");
}

std::wstring SizeText(const std::optional<std::int64_t>& width, const std::optional<std::int64_t>& height)
{
    auto side = [](const std::optional<std::int64_t>& value) { return value ? IntText(*value) : L"?"; };
    return side(width) + L"x" + side(height);
}

std::wstring PhotoshopText(const PhotoshopStatement& photoshop)
{
    std::wstring text = IntText(photoshop.quality);
    switch (photoshop.format) {
    case 0: return text + L"（标准）";
    case 1: return text + L"（优化）";
    case 2: return text + (photoshop.scans > 0 ? L"（渐进，" + IntText(photoshop.scans) + L" 次扫描）" : L"（渐进）");
    default: return text;
    }
}

// The agents in order, a run of the same one written once with its count.
std::wstring HistoryText(const std::vector<std::wstring>& agents)
{
    std::wstring text;
    for (size_t i = 0; i < agents.size();) {
        size_t end = i + 1;
        while (end < agents.size() && agents[end] == agents[i])
            ++end;
        text += (i > 0 ? L" → " : L"") + OneLine(agents[i]);
        if (end - i > 1)
            text += L"（" + IntText(static_cast<long long>(end - i)) + L" 次）";
        i = end;
    }
    return text;
}

std::wstring JfifText(const JfifStatement& jfif)
{
    const std::wstring minor = (jfif.minorVersion < 10 ? L"0" : L"") + IntText(jfif.minorVersion);
    const std::wstring density = L"，密度 " + IntText(jfif.densityX) + L"x" + IntText(jfif.densityY);
    switch (jfif.unit) {
    case 0: return IntText(jfif.majorVersion) + L"." + minor + density + L"（无单位）";
    case 1: return IntText(jfif.majorVersion) + L"." + minor + density + L" 点/英寸";
    case 2: return IntText(jfif.majorVersion) + L"." + minor + density + L" 点/厘米";
    default: return IntText(jfif.majorVersion) + L"." + minor + density + L"（单位 " + IntText(jfif.unit) + L"）";
    }
}

std::wstring AdobeText(const AdobeStatement& adobe)
{
    static const wchar_t* const kTransforms[] = {L"无", L"YCbCr", L"YCCK"};
    const std::wstring transform = IntText(adobe.transform);
    const bool named = adobe.transform >= 0 && adobe.transform <= 2;
    return L"版本 " + IntText(adobe.version) + L"，色彩变换 " + transform +
           (named ? L"（" + std::wstring(kTransforms[adobe.transform]) + L"）" : L"");
}

std::wstring ThumbnailText(const ThumbnailStatement& thumbnail)
{
    std::wstring text = IntText(thumbnail.facts.width) + L"x" + IntText(thumbnail.facts.height);
    for (size_t t = 0; t < thumbnail.encoders.size(); ++t)
        text += L"，量化表 " + IntText(static_cast<long long>(t) + 1) + L": " + EncoderMatchText(thumbnail.encoders[t]);
    return text;
}

void AddExifLines(Block& block, const FileStatements& s)
{
    if (s.make || s.model)
        block.Line(L"相机", OneLine(CameraText(s)));
    block.OptionalLine(L"软件", s.software);
    block.OptionalLine(L"拍摄时间", s.dateTimeOriginal);
    block.OptionalLine(L"修改时间", s.dateTime);
    if (s.orientation)
        block.Line(L"方向", OrientationText(*s.orientation));
    if (s.exifWidth || s.exifHeight)
        block.Line(L"EXIF 图像尺寸", SizeText(s.exifWidth, s.exifHeight));
    if (s.makerNoteBytes)
        block.Line(L"制造商注释", L"有（" + GroupedText(*s.makerNoteBytes) + L" 字节）");
    block.UnreadableLine("exif", L"EXIF");
}

void AddEditorLines(Block& block, const FileStatements& s)
{
    if (s.photoshop)
        block.Line(L"Photoshop 品质", PhotoshopText(*s.photoshop));
    block.UnreadableLine("photoshop", L"Photoshop 品质");
    if (s.saveForWebQuality)
        block.Line(L"存储为 Web 所用格式 品质", IntText(*s.saveForWebQuality));
    block.UnreadableLine("saveForWeb", L"存储为 Web 所用格式 品质");
    block.OptionalLine(L"XMP 创建工具", s.xmpCreatorTool);
    if (!s.xmpHistoryAgents.empty())
        block.Line(L"XMP 编辑历史", HistoryText(s.xmpHistoryAgents));
    block.UnreadableLine("xmp", L"XMP");
}

void AddFormatLines(Block& block, const FileStatements& s)
{
    if (s.jfif)
        block.Line(L"JFIF", JfifText(*s.jfif));
    block.UnreadableLine("jfif", L"JFIF");
    if (s.adobe)
        block.Line(L"Adobe", AdobeText(*s.adobe));
    block.UnreadableLine("adobe", L"Adobe");
    for (const std::wstring& comment : s.comments)
        block.Line(L"注释", OneLine(comment));
    if (s.thumbnail)
        block.Line(L"缩略图", ThumbnailText(*s.thumbnail));
    block.UnreadableLine("thumbnail", L"缩略图");
}

} // namespace

std::wstring CameraText(const FileStatements& statements)
{
    const std::wstring make = statements.make.value_or(L"");
    const std::wstring model = statements.model.value_or(L"");
    if (make.empty() || model.compare(0, make.size(), make) == 0)
        return model.empty() ? make : model;
    return model.empty() ? make : make + L" " + model;
}

std::wstring StatementBlockText(const FileStatements& statements)
{
    Block block(statements);
    AddExifLines(block, statements);
    AddEditorLines(block, statements);
    AddFormatLines(block, statements);
    return block.Text().empty() ? L"文件自述: 无\n" : L"文件自述:\n" + block.Text();
}
