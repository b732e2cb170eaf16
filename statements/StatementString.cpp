#include "statements/StatementString.h"

#include "framework/TextEncoding.h"

#include <cstring>

namespace {

bool IsTrailingFill(unsigned char byte)
{
    return byte == '\0' || byte == ' ' || byte == '\t' || byte == '\r' || byte == '\n';
}

} // namespace

std::wstring StatementString(const unsigned char* bytes, size_t size)
{
    while (size > 0 && IsTrailingFill(bytes[size - 1]))
        --size;
    return Utf8ToWide(std::string(reinterpret_cast<const char*>(bytes), size));
}

std::wstring TerminatedStatementString(const unsigned char* bytes, size_t size)
{
    const void* nul = std::memchr(bytes, '\0', size);
    if (nul != nullptr)
        size = static_cast<size_t>(static_cast<const unsigned char*>(nul) - bytes);
    return StatementString(bytes, size);
}
