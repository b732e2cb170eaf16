#pragma once

#include "statements/FileStatements.h"

#include <algorithm>

// Notes once that a statement of the given kind was present but could not be read.
inline void MarkUnreadable(FileStatements& statements, const char* kind)
{
    std::vector<std::string>& unreadable = statements.unreadable;
    if (std::find(unreadable.begin(), unreadable.end(), kind) == unreadable.end())
        unreadable.push_back(kind);
}
