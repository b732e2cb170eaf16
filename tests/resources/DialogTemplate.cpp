#include "tests/resources/DialogTemplate.h"

#include "tests/resources/ByteReader.h"

#include <windows.h>

#include <iomanip>
#include <stdexcept>

bool NameOrOrdinal::operator==(const NameOrOrdinal& other) const
{
    return isOrdinal == other.isOrdinal && ordinal == other.ordinal && text == other.text;
}

std::ostream& operator<<(std::ostream& out, const NameOrOrdinal& value)
{
    if (value.isOrdinal)
        return out << "ordinal 0x" << std::hex << std::setw(4) << std::setfill('0')
                   << value.ordinal << std::dec;
    out << "text \"";
    for (wchar_t c : value.text) {
        if (c >= 0x20 && c < 0x7f)
            out << static_cast<char>(c);
        else
            out << "\\u" << std::hex << std::setw(4) << std::setfill('0')
                << static_cast<unsigned>(c) << std::dec;
    }
    return out << '"';
}

namespace {

NameOrOrdinal ReadNameOrOrdinal(ByteReader& in)
{
    size_t start = in.Offset();
    uint16_t first = in.Word();
    if (first == 0xFFFF)
        return NameOrOrdinal::Ordinal(in.Word());
    in.Seek(start);
    return NameOrOrdinal::Text(in.String());
}

DialogItem ReadItem(ByteReader& in)
{
    DialogItem item;
    in.AlignToDword();
    item.helpId = in.Dword();
    item.exStyle = in.Dword();
    item.style = in.Dword();
    item.x = in.Short();
    item.y = in.Short();
    item.cx = in.Short();
    item.cy = in.Short();
    item.id = static_cast<int32_t>(in.Dword());
    item.windowClass = ReadNameOrOrdinal(in);
    item.title = ReadNameOrOrdinal(in);
    item.extraCount = in.Word();
    in.Skip(item.extraCount);
    return item;
}

}  // namespace

DialogTemplate ParseDialogTemplate(const std::string& bytes)
{
    ByteReader in(bytes.data(), bytes.size());
    DialogTemplate dialog;
    dialog.version = in.Word();
    dialog.signature = in.Word();
    if (dialog.version != 1 || dialog.signature != 0xFFFF)
        throw std::invalid_argument("not an extended dialog template");
    dialog.helpId = in.Dword();
    dialog.exStyle = in.Dword();
    dialog.style = in.Dword();
    uint16_t count = in.Word();
    dialog.x = in.Short();
    dialog.y = in.Short();
    dialog.cx = in.Short();
    dialog.cy = in.Short();
    dialog.menu = ReadNameOrOrdinal(in);
    dialog.windowClass = ReadNameOrOrdinal(in);
    dialog.title = in.String();
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = in.Word();
        dialog.weight = in.Word();
        dialog.italic = in.Byte();
        dialog.charset = in.Byte();
        dialog.typeface = in.String();
    }
    for (uint16_t i = 0; i < count; ++i)
        dialog.items.push_back(ReadItem(in));
    return dialog;
}
