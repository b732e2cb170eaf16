#include "tests/support/MiniJson.h"

#include "framework/TextEncoding.h"

#include <cstdlib>

namespace {

class Parser
{
public:
    explicit Parser(const std::string& text) : m_text(text) {}

    JsonValue Document()
    {
        JsonValue value = Value();
        SkipSpace();
        if (m_pos != m_text.size())
            Fail("trailing text");
        return value;
    }

private:
    [[noreturn]] void Fail(const char* what)
    {
        throw std::runtime_error(std::string("JSON: ") + what + " at " + std::to_string(m_pos));
    }

    void SkipSpace()
    {
        while (m_pos < m_text.size() && std::string(" \t\r\n").find(m_text[m_pos]) != std::string::npos)
            ++m_pos;
    }

    char Peek()
    {
        SkipSpace();
        if (m_pos >= m_text.size())
            Fail("unexpected end");
        return m_text[m_pos];
    }

    void Expect(char c)
    {
        if (Peek() != c)
            Fail("unexpected character");
        ++m_pos;
    }

    bool Literal(const char* word)
    {
        const std::string w(word);
        if (m_text.compare(m_pos, w.size(), w) != 0)
            return false;
        m_pos += w.size();
        return true;
    }

    JsonValue Value()
    {
        const char c = Peek();
        JsonValue value;
        if (c == '{') {
            value.kind = JsonValue::Kind::Object;
            ++m_pos;
            if (Peek() == '}') { ++m_pos; return value; }
            do {
                std::string key = String();
                Expect(':');
                value.object[key] = Value();
            } while (Peek() == ',' && ++m_pos);
            Expect('}');
        } else if (c == '[') {
            value.kind = JsonValue::Kind::Array;
            ++m_pos;
            if (Peek() == ']') { ++m_pos; return value; }
            do {
                value.array.push_back(Value());
            } while (Peek() == ',' && ++m_pos);
            Expect(']');
        } else if (c == '"') {
            value.kind = JsonValue::Kind::String;
            value.string = String();
        } else if (Literal("true")) {
            value.kind = JsonValue::Kind::Bool;
            value.boolean = true;
        } else if (Literal("false")) {
            value.kind = JsonValue::Kind::Bool;
        } else if (Literal("null")) {
            value.kind = JsonValue::Kind::Null;
        } else {
            value.kind = JsonValue::Kind::Number;
            char* end = nullptr;
            value.number = std::strtod(m_text.c_str() + m_pos, &end);
            if (end == m_text.c_str() + m_pos)
                Fail("bad value");
            m_pos = end - m_text.c_str();
        }
        return value;
    }

    unsigned Hex4()
    {
        if (m_pos + 4 > m_text.size())
            Fail("short escape");
        const unsigned code = std::stoul(m_text.substr(m_pos, 4), nullptr, 16);
        m_pos += 4;
        return code;
    }

    std::string String()
    {
        Expect('"');
        std::string out;
        while (m_pos < m_text.size() && m_text[m_pos] != '"') {
            char c = m_text[m_pos++];
            if (c != '\\') {
                out += c;
                continue;
            }
            c = m_text[m_pos++];
            switch (c) {
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'u': {
                unsigned code = Hex4();
                if (code >= 0xD800 && code <= 0xDBFF && m_text.compare(m_pos, 2, "\\u") == 0) {
                    m_pos += 2;
                    code = 0x10000 + ((code - 0xD800) << 10) + (Hex4() - 0xDC00);
                }
                AppendUtf8(out, static_cast<char32_t>(code));
                break;
            }
            default: out += c;
            }
        }
        Expect('"');
        return out;
    }

    const std::string& m_text;
    size_t m_pos = 0;
};

} // namespace

JsonValue ParseJson(const std::string& text)
{
    return Parser(text).Document();
}
