// The report's JSON is valid for any text a file name can hold, and its
// numbers read back exactly in their shortest form.
#include "cli/JsonWriter.h"
#include "framework/TextEncoding.h"
#include "tests/support/JsonTree.h"

#include <gtest/gtest.h>

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <climits>
#include <cstdint>

TEST(JsonWriter, AnyNameReadsBackAndNumbersTakeTheirShortestForm)
{
    const struct { std::wstring text; std::string utf8; } names[] = {
        {L"C:\\照片\\\"a\",b.jpg", "C:\\照片\\\"a\",b.jpg"},
        {L"\"lead\x01\x1f\t\r\n\x7f/", "\"lead\x01\x1f\t\r\n\x7f/"},
        // Both sides of every length of UTF-8 and of the surrogates' gap.
        {L"\x7F\u0080 \u07FF\u0800 \uD7FF\uE000 \uFFFF\U00010000 \U0010FFFF",
         "\x7F\u0080 \u07FF\u0800 \uD7FF\uE000 \uFFFF\U00010000 \U0010FFFF"},
        // A Windows name may hold an unpaired surrogate; UTF-8 cannot.
        {std::wstring(L"a") + wchar_t(0xD800) + L"b" + wchar_t(0xDC00), "a\uFFFDb\uFFFD"},
        {std::wstring(3000, L'\x1f'), std::string(3000, '\x1f')},   // the most room a character takes
    };
    JsonWriter writer;
    writer.BeginArray();
    for (const auto& name : names)
        writer.String(name.text);
    writer.Int(LLONG_MIN);
    writer.Double(41.7);
    writer.Double(37.0);
    writer.Bool(false);
    writer.EndArray();
    const std::string text = writer.TakeText();
    EXPECT_NE(text.find(",-9223372036854775808,41.7,37.0,false]"), std::string::npos) << text;
    const JsonValue read = ParseJson(text);
    ASSERT_EQ(read.array.size(), 9u);
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(read.array[i].string, names[i].utf8) << i;
        EXPECT_EQ(WideToUtf8(names[i].text), names[i].utf8) << i;   // as CSV and text take them
        if (i != 3) {   // as paths on Linux and lists come in
            EXPECT_EQ(Utf8ToWide(names[i].utf8), names[i].text) << i;
        }
    }
    EXPECT_EQ(read.array[6].number, 41.7);
    EXPECT_TRUE(writer.TakeText().empty());
    // Ill-formed UTF-8 (overlong, a surrogate, beyond U+10FFFF, cut short, a
    // lead that never starts a character) comes in as U+FFFD.
    EXPECT_EQ(Utf8ToWide("\xE0\x80\xAF" "a" "\xF0\x80\x80\xAF" "b" "\xED\xA0\x80" "c" "\xF4\x90\x80\x80"
                         "\xE4\xB8" "d" "\xC0\xAF" "\xF0\x8F\xBF\xBF"),
              L"\uFFFDa\uFFFDb\uFFFDc\uFFFD\uFFFDd\uFFFD\uFFFD\uFFFD");
    if (sizeof(wchar_t) == 4) {   // a wide text beyond U+10FFFF goes out as U+FFFD
        EXPECT_EQ(WideToUtf8(std::wstring(1, static_cast<wchar_t>(0x110000))), "\uFFFD");
    }
}

// Strings, keys and number arrays are written whole, beside RapidJSON's own
// writer; the text must be exactly what that writer gives.
TEST(JsonWriter, WritesWhatRapidJsonWrites)
{
    std::wstring everyAscii;
    for (wchar_t c = 1; c < 0x80; ++c)
        everyAscii += c;
    const std::wstring strings[] = {everyAscii, L"", L"亮度量化表：\r\n#0:  16", L"\U0001F600\"x"};
    const std::int32_t numbers[] = {INT32_MIN, -1, 0, 9, 10, 65535, INT32_MAX};

    rapidjson::StringBuffer expected;
    rapidjson::Writer<rapidjson::StringBuffer> reference(expected);
    JsonWriter writer;
    reference.StartObject();
    writer.BeginObject();
    for (const std::wstring& text : strings) {
        reference.Key("k");
        writer.Key("k");
        reference.String(WideToUtf8(text).c_str());
        writer.String(text);
    }
    reference.Key("numbers");
    writer.Key("numbers");
    reference.StartArray();
    for (std::int32_t n : numbers)
        reference.Int(n);
    reference.EndArray();
    writer.IntArray(numbers, 7);
    reference.Key("empty");
    writer.Key("empty");
    reference.StartArray();
    reference.EndArray();
    writer.IntArray(numbers, 0);
    reference.EndObject();
    writer.EndObject();
    EXPECT_EQ(writer.TakeText(), std::string(expected.GetString(), expected.GetSize()));
}
