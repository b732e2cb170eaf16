#include "cli/JsonWriter.h"

#include "framework/TextEncoding.h"

#include <rapidjson/internal/itoa.h>

#include <algorithm>
#include <cstring>
#include <type_traits>

namespace {

// What RapidJSON writes after a backslash for each ASCII character, or 0 for
// one written as it is.
struct EscapeTable
{
    char code[128] = {};
    constexpr EscapeTable()
    {
        for (int c = 0; c < 0x20; ++c)
            code[c] = 'u';
        code['\b'] = 'b';
        code['\t'] = 't';
        code['\n'] = 'n';
        code['\f'] = 'f';
        code['\r'] = 'r';
        code['"'] = '"';
        code['\\'] = '\\';
    }
};

constexpr EscapeTable kEscape;
const char kHexDigits[] = "0123456789ABCDEF";

} // namespace

JsonWriter::JsonWriter(size_t expectedSize)
    : m_writer(m_buffer)
{
    m_buffer.Reserve(expectedSize);
}

template <typename Write>
void JsonWriter::Writer::WriteWhole(rapidjson::Type type, size_t room, Write write)
{
    Prefix(type);
    char* const start = os_->Push(room);
    const char* end = write(start);
    os_->Pop(room - static_cast<size_t>(end - start));
    EndValue(true);
}

void JsonWriter::Writer::PlainKey(const char* name)
{
    const size_t length = std::strlen(name);
    WriteWhole(rapidjson::kStringType, length + 2, [&](char* out) {
        *out++ = '"';
        out = std::copy(name, name + length, out);
        *out++ = '"';
        return out;
    });
}

// Text the wide string cannot carry (a lone surrogate in a Windows file name)
// becomes U+FFFD, so the JSON is always valid.
void JsonWriter::Writer::WideString(const std::wstring& value)
{
    // No code unit takes more than six bytes ("\u001F"; UTF-8 takes four).
    WriteWhole(rapidjson::kStringType, 2 + 6 * value.size(), [&](char* out) {
        *out++ = '"';
        // Read through locals: the compiler must assume that stores through
        // out may change the string object itself.
        const wchar_t* const text = value.data();
        const size_t length = value.size();
        for (size_t i = 0; i < length;) {
            const auto unit = static_cast<std::make_unsigned_t<wchar_t>>(text[i]);
            if (unit >= 0x80) {
                size_t next = i;   // i itself stays out of memory, away from the stores
                out = PutUtf8(out, NextWideCodePoint(value, next));
                i = next;
                continue;
            }
            ++i;
            const char code = kEscape.code[unit];
            if (code == 0) {
                *out++ = static_cast<char>(unit);
                continue;
            }
            *out++ = '\\';
            *out++ = code;
            if (code == 'u') {
                *out++ = '0';
                *out++ = '0';
                *out++ = kHexDigits[unit >> 4];
                *out++ = kHexDigits[unit & 0xF];
            }
        }
        *out++ = '"';
        return out;
    });
}

template <typename Number>
void JsonWriter::Writer::IntArray(const Number* values, int count)
{
    // "[", then at most eleven characters and a comma per number, then "]".
    WriteWhole(rapidjson::kArrayType, 2 + 12 * static_cast<size_t>(count), [&](char* out) {
        *out++ = '[';
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                *out++ = ',';
            out = rapidjson::internal::i32toa(values[i], out);
        }
        *out++ = ']';
        return out;
    });
}

template void JsonWriter::Writer::IntArray(const std::int32_t*, int);
template void JsonWriter::Writer::IntArray(const std::uint16_t*, int);

std::string JsonWriter::TakeText()
{
    std::string text(m_buffer.GetString(), m_buffer.GetSize());
    m_buffer.Clear();
    m_writer.Reset(m_buffer);
    return text;
}
