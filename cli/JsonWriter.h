#pragma once

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <cstddef>
#include <string>

// Builds one compact JSON text (UTF-8) through RapidJSON. Callers open and
// close objects and arrays in a well-nested way; commas are placed
// automatically, and numbers take their shortest exact form.
class JsonWriter
{
public:
    // expectedSize: room reserved up front, so that the text grows without copies.
    explicit JsonWriter(size_t expectedSize = 0);

    void BeginObject() { m_writer.StartObject(); }
    void EndObject() { m_writer.EndObject(); }
    void BeginArray() { m_writer.StartArray(); }
    void EndArray() { m_writer.EndArray(); }
    void Key(const char* name) { m_writer.Key(name); }
    void String(const std::wstring& value);
    void Int(long long value) { m_writer.Int64(value); }
    void Double(double value) { m_writer.Double(value); }
    void Bool(bool value) { m_writer.Bool(value); }

    // Hands the text over, leaving the writer empty.
    std::string TakeText();

private:
    rapidjson::StringBuffer m_buffer;
    rapidjson::Writer<rapidjson::StringBuffer> m_writer;
};
