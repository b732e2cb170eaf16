#include "inspect/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

std::wstring IntText(long long value)
{
    char buffer[24];
    char* end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::wstring(buffer, end);
}

std::wstring FixedText2(double value)
{
    // The program never changes the C locale, so the decimal mark stays ".".
    char buffer[400];
    const int length = std::snprintf(buffer, sizeof buffer, "%.2f", value);
    return std::wstring(buffer, buffer + std::clamp(length, 0, static_cast<int>(sizeof buffer) - 1));
}
