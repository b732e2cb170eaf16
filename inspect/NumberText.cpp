#include "inspect/NumberText.h"

#include <cstdio>

namespace {

std::wstring Widen(const char* ascii)
{
    std::wstring text;
    for (const char* p = ascii; *p != '\0'; ++p)
        text += static_cast<wchar_t>(*p);
    return text;
}

} // namespace

std::wstring IntText(long long value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%lld", value);
    return Widen(buffer);
}

std::wstring FixedText2(double value)
{
    // The program never changes the C locale, so the decimal mark stays ".".
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    return Widen(buffer);
}
