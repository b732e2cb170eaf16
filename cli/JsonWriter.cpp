#include "cli/JsonWriter.h"

#include "framework/TextEncoding.h"

JsonWriter::JsonWriter(size_t expectedSize)
    : m_writer(m_buffer)
{
    m_buffer.Reserve(expectedSize);
}

// Text the wide string cannot carry (a lone surrogate in a Windows file name)
// is already U+FFFD in the UTF-8, so the JSON is always valid.
void JsonWriter::String(const std::wstring& value)
{
    const std::string utf8 = WideToUtf8(value);
    m_writer.String(utf8.data(), static_cast<rapidjson::SizeType>(utf8.size()));
}

std::string JsonWriter::TakeText()
{
    std::string text(m_buffer.GetString(), m_buffer.GetSize());
    m_buffer.Clear();
    m_writer.Reset(m_buffer);
    return text;
}
