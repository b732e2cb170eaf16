#include "tests/resources/ByteReader.h"

#include <stdexcept>

ByteReader::ByteReader(const void* data, size_t size)
    : m_data(static_cast<const uint8_t*>(data)), m_size(size)
{
}

void ByteReader::Need(size_t count) const
{
    if (count > m_size - m_offset)
        throw std::out_of_range("resource data ends early at offset " + std::to_string(m_offset));
}

uint8_t ByteReader::Byte()
{
    Need(1);
    return m_data[m_offset++];
}

uint16_t ByteReader::Word()
{
    uint16_t low = Byte();
    return static_cast<uint16_t>(low | Byte() << 8);
}

uint32_t ByteReader::Dword()
{
    uint32_t low = Word();
    return low | static_cast<uint32_t>(Word()) << 16;
}

std::wstring ByteReader::String()
{
    std::wstring text;
    for (wchar_t c = Word(); c != 0; c = Word())
        text += c;
    return text;
}

void ByteReader::AlignToDword()
{
    Seek((m_offset + 3) & ~size_t(3));
}

void ByteReader::Skip(size_t count)
{
    Need(count);
    m_offset += count;
}

void ByteReader::Seek(size_t offset)
{
    if (offset > m_size)
        throw std::out_of_range("offset " + std::to_string(offset) + " lies beyond the resource");
    m_offset = offset;
}
