#pragma once

#include "inspect/QuantTable.h"

#include <functional>
#include <string_view>

// Hashes a table's 128 bytes, for tables as keys of unordered containers.
struct QuantTableHash
{
    size_t operator()(const QuantTable& table) const
    {
        return std::hash<std::string_view>()(
            std::string_view(reinterpret_cast<const char*>(table.data()), sizeof(QuantTable)));
    }
};
