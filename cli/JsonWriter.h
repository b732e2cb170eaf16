#pragma once

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <cstddef>
#include <cstdint>
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
    // name: one of the program's own ASCII identifiers, which need no escaping.
    void Key(const char* name) { m_writer.PlainKey(name); }
    void String(const std::wstring& value) { m_writer.WideString(value); }
    void Int(long long value) { m_writer.Int64(value); }
    void Double(double value) { m_writer.Double(value); }
    void Bool(bool value) { m_writer.Bool(value); }
    void Null() { m_writer.Null(); }
    // An array of count numbers, as BeginArray, Int for each and EndArray.
    template <typename Number>
    void IntArray(const Number* values, int count) { m_writer.IntArray(values, count); }

    // Hands the text over, leaving the writer empty.
    std::string TakeText();

private:
    // RapidJSON's writer, with three things written straight into its
    // buffer: keys, wide strings (escaped as RapidJSON escapes, converted to
    // UTF-8 in the same pass) and arrays of integers. A report is mostly
    // these, and writing them whole takes a fraction of the time.
    class Writer : public rapidjson::Writer<rapidjson::StringBuffer>
    {
    public:
        using rapidjson::Writer<rapidjson::StringBuffer>::Writer;
        void PlainKey(const char* name);
        void WideString(const std::wstring& value);
        template <typename Number>
        void IntArray(const Number* values, int count);  // int32_t or uint16_t

    private:
        // Writes one value of at most room bytes: write(start) fills them and
        // returns the end; what it leaves unused goes back to the buffer.
        template <typename Write>
        void WriteWhole(rapidjson::Type type, size_t room, Write write);
    };

    rapidjson::StringBuffer m_buffer;
    Writer m_writer;
};
