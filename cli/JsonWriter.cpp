#include "cli/JsonWriter.h"

#include "framework/TextEncoding.h"

#include <cstdio>

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
    m_text += '"';
    for (char c : WideToUtf8(value)) {
        switch (c) {
        case '"': m_text += "\\\""; break;
        case '\\': m_text += "\\\\"; break;
        case '\n': m_text += "\\n"; break;
        case '\r': m_text += "\\r"; break;
        case '\t': m_text += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                m_text += escaped;
            } else {
                m_text += c;
            }
        }
    }
    m_text += '"';
}

void JsonWriter::Int(long long value)
{
    BeforeValue();
    m_text += std::to_string(value);
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
