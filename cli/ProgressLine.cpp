#include "cli/ProgressLine.h"

#include "cli/ConsoleOutput.h"
#include "inspect/NumberText.h"

namespace {

// Shorter batches end before a progress line would help.
const std::size_t kMinimumFiles = 50;

// Columns a text takes in a terminal: CJK characters take two.
std::size_t DisplayWidth(const std::wstring& text)
{
    std::size_t width = 0;
    for (wchar_t c : text)
        width += c >= 0x1100 ? 2 : 1;
    return width;
}

} // namespace

ProgressLine::ProgressLine(std::size_t total)
    : m_total(total), m_active(total > kMinimumFiles && StandardErrorIsTerminal())
{
}

ProgressLine::~ProgressLine()
{
    Clear();
}

void ProgressLine::Update(std::size_t done)
{
    if (!m_active)
        return;
    const std::size_t percent = done * 100 / m_total;
    if (percent != m_shownPercent || m_shownWidth == 0)
        Draw(done);
    m_shownPercent = percent;
}

void ProgressLine::Clear()
{
    if (m_shownWidth == 0)
        return;
    WriteErr(L"\r" + std::wstring(m_shownWidth, L' ') + L"\r");
    m_shownWidth = 0;
}

void ProgressLine::Draw(std::size_t done)
{
    const std::wstring text = L"已检查 " + IntText(static_cast<long long>(done)) + L"/" +
                              IntText(static_cast<long long>(m_total)) + L" 个文件";
    WriteErr(L"\r" + text);
    m_shownWidth = DisplayWidth(text);
}
