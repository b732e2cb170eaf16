#include "provenance/ProgramNames.h"

#include "framework/TextEncoding.h"
#include "provenance/MakerNames.h"
#include "provenance/ProvenanceData.h"
#include "provenance/TsvRows.h"

namespace {

ProgramKind KindNamed(const std::string& kind)
{
    if (kind == "editor")
        return ProgramKind::Editor;
    return kind == "tool" ? ProgramKind::Tool : ProgramKind::Comment;
}

} // namespace

ProgramNames::ProgramNames()
{
    const TsvRows rows(k_program_names_tsv);
    for (size_t r = 0; r < rows.Size(); ++r) {
        const std::wstring name = Utf8ToWide(rows.Field(r, "name"));
        m_entries.push_back({KindNamed(rows.Field(r, "kind")), name, AsciiLower(name)});
    }
}

std::wstring ProgramNames::Find(ProgramKind kind, const std::wstring& text) const
{
    const std::wstring lower = AsciiLower(text);
    for (const Entry& entry : m_entries)
        if (entry.kind == kind && lower.find(entry.lower) != std::wstring::npos)
            return entry.name;
    return std::wstring();
}
