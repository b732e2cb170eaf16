#include "intake/SignatureTable.h"

#include <cstring>

namespace {

enum class Outcome { Accept, Archive, Kind };

struct SignatureRow
{
    int offset;
    int length;
    unsigned char bytes[12];
    Outcome outcome;
    const wchar_t* text;   // the archive message, or the kind named in the kind message
};

// Tested in this order; the first row that matches decides.
const SignatureRow kRows[] = {
    {0, 2, {0xFF, 0xD8}, Outcome::Accept, nullptr},
    {0, 4, {'R', 'a', 'r', '!'}, Outcome::Archive, L"所选源文件其实是个RAR文件，请先解压再试"},
    {0, 2, {'P', 'K'}, Outcome::Archive, L"所选源文件其实是个ZIP文件，请先解压再试"},
    {1, 3, {'P', 'N', 'G'}, Outcome::Kind, L"PNG"},
    {0, 4, {'G', 'I', 'F', '8'}, Outcome::Kind, L"GIF"},
    {0, 2, {'B', 'M'}, Outcome::Kind, L"BMP"},
    {0, 2, {'I', 'I'}, Outcome::Kind, L"TIFF"},
    {0, 2, {'M', 'M'}, Outcome::Kind, L"TIFF"},
    {0, 4, {'A', 'T', '&', 'T'}, Outcome::Kind, L"DjVu"},
    {0, 4, {0xFF, 0x4F, 0xFF, 0x51}, Outcome::Kind, L"JPEG 2000"},
    {0, 12, {0x00, 0x00, 0x00, 0x0C, 0x6A, 0x50, 0x20, 0x20, 0x0D, 0x0A, 0x87, 0x0A},
     Outcome::Kind, L"JPEG 2000"},
    {0, 2, {'H', 'H'}, Outcome::Kind, L"PDG"},
};

bool Matches(const SignatureRow& row, const unsigned char (&head)[16])
{
    return std::memcmp(head + row.offset, row.bytes, row.length) == 0;
}

} // namespace

std::optional<std::wstring> JudgeSignature(const unsigned char (&head)[16])
{
    for (const SignatureRow& row : kRows) {
        if (!Matches(row, head))
            continue;
        switch (row.outcome) {
        case Outcome::Accept:
            return std::nullopt;
        case Outcome::Archive:
            return std::wstring(row.text);
        case Outcome::Kind:
            return std::wstring(L"所选源文件其实是一个") + row.text + L"文件，请重新选择。";
        }
    }
    return std::wstring(L"所选文件无法识别，请重新选择。");
}
