#pragma once

#include <string>
#include <utility>
#include <vector>

// One name per camera maker for the ways EXIF Make spells it ("NIKON
// CORPORATION", "NIKON" -> "Nikon"), from provenance/data/maker-names.tsv.
class MakerNames
{
public:
    MakerNames();

    // The maker a Make names: that of the longest listed prefix (any letter
    // case, runs of blanks as one), else the Make itself with its blanks so joined.
    std::wstring MakerOf(const std::wstring& make) const;

private:
    std::vector<std::pair<std::wstring, std::wstring>> m_prefixes;   // lower-case prefix, maker
};

// text with runs of blanks as one space and none at either end.
std::wstring CollapseBlanks(const std::wstring& text);

// text with ASCII letters in lower case.
std::wstring AsciiLower(const std::wstring& text);
