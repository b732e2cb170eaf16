#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// Reads big-endian fields from a segment's bytes; every read is checked
// against the end and fails, leaving the cursor where it was, when it would
// pass it.
class ByteCursor
{
public:
    ByteCursor(const unsigned char* data, size_t size) : m_data(data), m_left(size) {}

    size_t Left() const { return m_left; }
    const unsigned char* Here() const { return m_data; }

    bool StartsWith(const char* text, size_t length) const
    {
        return m_left >= length && std::memcmp(m_data, text, length) == 0;
    }

    bool Skip(size_t count)
    {
        if (count > m_left)
            return false;
        m_data += count;
        m_left -= count;
        return true;
    }

    bool ReadU8(std::uint32_t& value) { return ReadBigEndian(1, value); }
    bool ReadU16(std::uint32_t& value) { return ReadBigEndian(2, value); }
    bool ReadU32(std::uint32_t& value) { return ReadBigEndian(4, value); }

private:
    bool ReadBigEndian(size_t width, std::uint32_t& value)
    {
        if (width > m_left)
            return false;
        value = 0;
        for (size_t i = 0; i < width; ++i)
            value = (value << 8) | m_data[i];
        return Skip(width);
    }

    const unsigned char* m_data;
    size_t m_left;
};
