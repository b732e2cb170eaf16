#include "statements/PhotoshopQuality.h"

#include "statements/ByteCursor.h"
#include "statements/Unreadable.h"

namespace {

const std::uint32_t kJpegQualityResource = 0x0406;

enum class Walk { Found, Absent, Broken };

// Resource blocks are "8BIM", an ID, a Pascal name padded to even length,
// a 32-bit size and the data padded to even length.
Walk FindResource(ByteCursor& cursor, std::uint32_t wanted, ByteCursor& data)
{
    while (cursor.StartsWith("8BIM", 4)) {
        std::uint32_t id = 0, nameLength = 0, size = 0;
        cursor.Skip(4);
        if (!cursor.ReadU16(id) || !cursor.ReadU8(nameLength) || !cursor.Skip(nameLength | 1) ||
            !cursor.ReadU32(size) || size > cursor.Left())
            return Walk::Broken;
        if (id == wanted) {
            data = ByteCursor(cursor.Here(), size);
            return Walk::Found;
        }
        // The padding byte of the last block may be missing.
        if (!cursor.Skip(size + (size & 1)))
            break;
    }
    return Walk::Absent;
}

// The format as stored: 0x0000 standard, 0x0001 optimized, 0x0101 progressive.
int FormatOf(std::uint32_t stored)
{
    switch (stored) {
    case 0x0000: return 0;
    case 0x0001: return 1;
    case 0x0101: return 2;
    default: return -1;
    }
}

} // namespace

void ReadPhotoshopQuality(const unsigned char* resources, size_t size, FileStatements& statements)
{
    ByteCursor cursor(resources, size);
    ByteCursor data(nullptr, 0);
    const Walk walk = FindResource(cursor, kJpegQualityResource, data);
    if (walk == Walk::Absent)
        return;
    std::uint32_t stored = 0;
    // Stored as a signed 16-bit value from -4 to 8.
    const int quality = walk == Walk::Found && data.ReadU16(stored) ? static_cast<std::int16_t>(stored) + 4 : -1;
    if (quality < 0 || quality > 12) {
        MarkUnreadable(statements, "photoshop");
        return;
    }
    PhotoshopStatement photoshop{quality, -1, 0};
    if (data.ReadU16(stored))
        photoshop.format = FormatOf(stored);
    // Scans 1..3 stand for 3..5 progressive scans.
    if (photoshop.format == 2 && data.ReadU16(stored) && stored >= 1 && stored <= 3)
        photoshop.scans = static_cast<int>(stored) + 2;
    statements.photoshop = photoshop;
}
