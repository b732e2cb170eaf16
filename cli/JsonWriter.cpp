#include "cli/JsonWriter.h"

#include "framework/TextEncoding.h"

#include <charconv>
#include <cstdio>

namespace {

// Sign and digits of the longest long long.
const size_t kMaxIntDigits = 20;

} // namespace

void JsonWriter::BeforeValue()
{
    if (m_needComma)
        m_text += ',';
    m_needComma = true;
}

void JsonWriter::BeginObject()
{
    BeforeValue();
    m_text += '{';
    m_needComma = false;
}

void JsonWriter::EndObject()
{
    m_text += '}';
    m_needComma = true;
}

void JsonWriter::BeginArray()
{
    BeforeValue();
    m_text += '[';
    m_needComma = false;
}

void JsonWriter::EndArray()
{
    m_text += ']';
    m_needComma = true;
}

void JsonWriter::Key(const char* name)
{
    BeforeValue();
    m_text += '"';
    m_text += name;
    m_text += "\":";
    m_needComma = false;
}

void JsonWriter::String(const std::wstring& value)
{
    BeforeValue();
    const std::string utf8 = WideToUtf8(value);
    m_text += '"';
    // Runs of characters that need no escape are copied whole.
    size_t runStart = 0;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        m_text.append(utf8, runStart, i - runStart);
        runStart = i + 1;
        switch (c) {
        case '"': m_text += "\\\""; break;
        case '\\': m_text += "\\\\"; break;
        case '\n': m_text += "\\n"; break;
        case '\r': m_text += "\\r"; break;
        case '\t': m_text += "\\t"; break;
        default: {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            m_text += escaped;
        }
        }
    }
    m_text.append(utf8, runStart, std::string::npos);
    m_text += '"';
}

void JsonWriter::Int(long long value)
{
    BeforeValue();
    // The digits go straight to the end of the text.
    const size_t size = m_text.size();
    m_text.resize(size + kMaxIntDigits);
    const std::to_chars_result result = std::to_chars(&m_text[size], &m_text[size] + kMaxIntDigits, value);
    m_text.resize(static_cast<size_t>(result.ptr - m_text.data()));
}

void JsonWriter::Double(double value)
{
    BeforeValue();
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    m_text += text;
}

void JsonWriter::Bool(bool value)
{
    BeforeValue();
    m_text += value ? "true" : "false";
}
