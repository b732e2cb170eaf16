#pragma once

#include <cstddef>
#include <string>

// The "已检查 N/M 个文件" line that a long batch keeps redrawing on standard
// error, shown only when standard error is a terminal and there are more than
// 50 files. Other text for standard error goes through Clear first.
class ProgressLine
{
public:
    explicit ProgressLine(std::size_t total);
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    // Redraws the line after done files, at most once per percent.
    void Update(std::size_t done);

    // Erases the line; the next Update draws it again.
    void Clear();

private:
    void Draw(std::size_t done);

    std::size_t m_total;
    bool m_active;
    std::size_t m_shownPercent = static_cast<std::size_t>(-1);
    std::size_t m_shownWidth = 0;   // terminal columns the drawn line takes
};
