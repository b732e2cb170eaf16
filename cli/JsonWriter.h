#pragma once

#include <cstddef>
#include <string>

// Builds one compact JSON text (UTF-8). Callers open and close objects and
// arrays in a well-nested way; commas are placed automatically.
class JsonWriter
{
public:
    // expectedSize: room reserved up front, so that the text grows without copies.
    explicit JsonWriter(size_t expectedSize = 0) { m_text.reserve(expectedSize); }

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    void Key(const char* name);
    void String(const std::wstring& value);
    void Int(long long value);
    void Double(double value);
    void Bool(bool value);

    // Hands the text over, leaving the writer empty.
    std::string TakeText() { return std::move(m_text); }

private:
    void BeforeValue();

    std::string m_text;
    bool m_needComma = false;
};
