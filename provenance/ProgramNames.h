#pragma once

#include <string>
#include <vector>

// The programs a file's statements can name (provenance/data/program-names.tsv).
enum class ProgramKind { Editor, Tool, Comment };

class ProgramNames
{
public:
    ProgramNames();

    // The first listed name of that kind found in text, in any letter case; empty when none is.
    std::wstring Find(ProgramKind kind, const std::wstring& text) const;

private:
    struct Entry
    {
        ProgramKind kind;
        std::wstring name;
        std::wstring lower;
    };
    std::vector<Entry> m_entries;
};
