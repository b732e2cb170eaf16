#include "statements/DuckyQuality.h"

#include "statements/ByteCursor.h"
#include "statements/Unreadable.h"

namespace {

const std::uint32_t kQualityTag = 1;

} // namespace

void ReadDuckyQuality(const unsigned char* fields, size_t size, FileStatements& statements)
{
    ByteCursor cursor(fields, size);
    std::uint32_t tag = 0, length = 0;
    while (cursor.ReadU16(tag) && tag != 0) {
        if (!cursor.ReadU16(length) || length > cursor.Left()) {
            MarkUnreadable(statements, "saveForWeb");
            return;
        }
        ByteCursor data(cursor.Here(), length);
        cursor.Skip(length);
        if (tag != kQualityTag)
            continue;
        std::uint32_t quality = 0;
        if (!data.ReadU32(quality) || quality > 100) {
            MarkUnreadable(statements, "saveForWeb");
            return;
        }
        statements.saveForWebQuality = static_cast<int>(quality);
        return;
    }
}
