#include "provenance/MakerNames.h"

#include "framework/TextEncoding.h"
#include "provenance/ProvenanceData.h"
#include "provenance/TsvRows.h"


std::wstring CollapseBlanks(const std::wstring& text)
{
    std::wstring result;
    bool blank = false;
    for (wchar_t c : text) {
        if (c == L' ' || c == L'\t' || c == L'\r' || c == L'\n') {
            blank = !result.empty();
            continue;
        }
        if (blank)
            result += L' ';
        result += c;
        blank = false;
    }
    return result;
}

std::wstring AsciiLower(const std::wstring& text)
{
    std::wstring result = text;
    for (wchar_t& c : result)
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    return result;
}

MakerNames::MakerNames()
{
    const TsvRows rows(k_maker_names_tsv);
    for (size_t r = 0; r < rows.Size(); ++r)
        m_prefixes.emplace_back(AsciiLower(CollapseBlanks(Utf8ToWide(rows.Field(r, "prefix")))),
                                Utf8ToWide(rows.Field(r, "maker")));
}

std::wstring MakerNames::MakerOf(const std::wstring& make) const
{
    const std::wstring collapsed = CollapseBlanks(make);
    const std::wstring lower = AsciiLower(collapsed);
    const std::pair<std::wstring, std::wstring>* best = nullptr;
    for (const auto& entry : m_prefixes)
        if (lower.compare(0, entry.first.size(), entry.first) == 0 &&
            (!best || entry.first.size() > best->first.size()))
            best = &entry;
    return best ? best->second : collapsed;
}
