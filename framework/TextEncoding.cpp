#include "framework/TextEncoding.h"

#include <type_traits>

namespace {

const char32_t kReplacement = 0xFFFD;

} // namespace

char* PutUtf8(char* out, char32_t c)
{
    if (c < 0x80) {
        *out++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *out++ = static_cast<char>(0xC0 | (c >> 6));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (c >> 12));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (c >> 18));
        *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

namespace {

void AppendWide(std::wstring& out, char32_t c)
{
    if constexpr (sizeof(wchar_t) == 2) {
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<wchar_t>(0xD800 + (c >> 10));
            out += static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
            return;
        }
    }
    out += static_cast<wchar_t>(c);
}

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// Decodes one code point of UTF-8 text starting at i; advances i.
char32_t NextUtf8(const std::string& text, size_t& i)
{
    const unsigned char lead = static_cast<unsigned char>(text[i++]);
    int extra;
    char32_t c;
    if (lead < 0x80) return lead;
    if (lead >= 0xC2 && lead <= 0xDF) { extra = 1; c = lead & 0x1F; }
    else if (lead >= 0xE0 && lead <= 0xEF) { extra = 2; c = lead & 0x0F; }
    else if (lead >= 0xF0 && lead <= 0xF4) { extra = 3; c = lead & 0x07; }
    else return kReplacement;
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return kReplacement;
        c = (c << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    static const char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    if (c < kMinimum[extra] || IsSurrogate(c) || c > 0x10FFFF)
        return kReplacement;
    return c;
}

} // namespace

char32_t NextWideCodePoint(const std::wstring& text, size_t& i)
{
    char32_t c = static_cast<char32_t>(text[i++]);
    if (sizeof(wchar_t) == 2 && c >= 0xD800 && c <= 0xDBFF && i < text.size()) {
        char32_t low = static_cast<char32_t>(text[i]);
        if (low >= 0xDC00 && low <= 0xDFFF) {
            ++i;
            return 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        }
    }
    return (IsSurrogate(c) || c > 0x10FFFF) ? kReplacement : c;
}

std::string WideToUtf8(const std::wstring& text)
{
    // No code unit gives more than four bytes; ASCII, most of any report,
    // goes straight through.
    std::string out(4 * text.size(), '\0');
    char* end = out.data();
    // Stores through end may alias the string object, so read through locals.
    const wchar_t* const units = text.data();
    const size_t length = text.size();
    for (size_t i = 0; i < length;) {
        if (static_cast<std::make_unsigned_t<wchar_t>>(units[i]) < 0x80)
            *end++ = static_cast<char>(units[i++]);
        else
            end = PutUtf8(end, NextWideCodePoint(text, i));
    }
    out.resize(end - out.data());
    return out;
}

std::wstring Utf8ToWide(const std::string& text)
{
    std::wstring out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();)
        AppendWide(out, NextUtf8(text, i));
    return out;
}
