// Little-endian reading of a resource's bytes, with bounds checks: a
// malformed resource ends the parse with std::out_of_range.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class ByteReader {
public:
    ByteReader(const void* data, size_t size);

    uint8_t Byte();
    uint16_t Word();
    uint32_t Dword();
    int16_t Short() { return static_cast<int16_t>(Word()); }
    // A zero-terminated UTF-16 string.
    std::wstring String();
    // Moves to the next multiple of four bytes from the start.
    void AlignToDword();
    void Skip(size_t count);
    void Seek(size_t offset);

    size_t Offset() const { return m_offset; }
    const uint8_t* Data() const { return m_data; }
    size_t Size() const { return m_size; }

private:
    void Need(size_t count) const;

    const uint8_t* m_data;
    size_t m_size;
    size_t m_offset = 0;
};
