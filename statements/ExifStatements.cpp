#include "statements/ExifStatements.h"

#include "statements/StatementString.h"
#include "statements/Unreadable.h"

#include <libexif/exif-data.h>
#include <libexif/exif-log.h>

#include <cstring>
#include <memory>

namespace {

// libexif reports what it skips only through its log; these are the damages
// it notes while loading the IFDs (the maker note's own log is not ours).
struct DamageWatch
{
    bool ifd0Read = false;         // libexif gives up silently before IFD0 on some faults
    bool inThumbnailIfd = false;
    bool exifDamaged = false;
    bool thumbnailDamaged = false;
};

bool StartsWith(const char* text, const char* prefix)
{
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

bool IsSkipNote(const char* format)
{
    static const char* const kSkips[] = {"Tag starts past end", "Tag data goes past end", "Short data",
                                         "Recursive entry", "Attempt to load IFD"};
    for (const char* skip : kSkips)
        if (StartsWith(format, skip))
            return true;
    return false;
}

void WatchLog(ExifLog*, ExifLogCode code, const char* domain, const char* format, va_list, void* data)
{
    DamageWatch& watch = *static_cast<DamageWatch*>(data);
    if (domain == nullptr || format == nullptr || std::strcmp(domain, "ExifData") != 0)
        return;
    if (StartsWith(format, "Loading %hu entries"))
        watch.ifd0Read = true;
    if (StartsWith(format, "IFD 1 at")) {
        watch.inThumbnailIfd = true;
        return;
    }
    const bool thumbnailNote = StartsWith(format, "Bogus thumbnail") || StartsWith(format, "Bogus offset of IFD1");
    if (thumbnailNote || ((code == EXIF_LOG_CODE_CORRUPT_DATA || IsSkipNote(format)) && watch.inThumbnailIfd))
        watch.thumbnailDamaged = true;
    else if (code == EXIF_LOG_CODE_CORRUPT_DATA || IsSkipNote(format))
        watch.exifDamaged = true;
}

struct ExifDataUnref
{
    void operator()(ExifData* data) const { exif_data_unref(data); }
};

struct ExifLogUnref
{
    void operator()(ExifLog* log) const { exif_log_unref(log); }
};

std::optional<std::wstring> TextOf(ExifContent* ifd, ExifTag tag)
{
    const ExifEntry* entry = exif_content_get_entry(ifd, tag);
    if (entry == nullptr || entry->data == nullptr || exif_format_get_size(entry->format) != 1)
        return std::nullopt;
    return TerminatedStatementString(entry->data, entry->size);
}

// The first value of an integer field, whichever integer type the file chose.
std::optional<std::int64_t> NumberOf(ExifContent* ifd, ExifTag tag, ExifByteOrder order)
{
    const ExifEntry* entry = exif_content_get_entry(ifd, tag);
    const size_t width = entry != nullptr ? exif_format_get_size(entry->format) : 0;
    if (entry == nullptr || entry->data == nullptr || entry->components < 1 || width == 0 || entry->size < width)
        return std::nullopt;
    switch (entry->format) {
    case EXIF_FORMAT_BYTE: return entry->data[0];
    case EXIF_FORMAT_SBYTE: return static_cast<signed char>(entry->data[0]);
    case EXIF_FORMAT_SHORT: return exif_get_short(entry->data, order);
    case EXIF_FORMAT_SSHORT: return exif_get_sshort(entry->data, order);
    case EXIF_FORMAT_LONG: return exif_get_long(entry->data, order);
    case EXIF_FORMAT_SLONG: return exif_get_slong(entry->data, order);
    default: return std::nullopt;
    }
}

void TakeStatements(ExifData* data, FileStatements& statements)
{
    const ExifByteOrder order = exif_data_get_byte_order(data);
    ExifContent* ifd0 = data->ifd[EXIF_IFD_0];
    ExifContent* exifIfd = data->ifd[EXIF_IFD_EXIF];
    statements.make = TextOf(ifd0, EXIF_TAG_MAKE);
    statements.model = TextOf(ifd0, EXIF_TAG_MODEL);
    statements.software = TextOf(ifd0, EXIF_TAG_SOFTWARE);
    statements.dateTime = TextOf(ifd0, EXIF_TAG_DATE_TIME);
    if (auto orientation = NumberOf(ifd0, EXIF_TAG_ORIENTATION, order))
        statements.orientation = static_cast<int>(*orientation);
    statements.dateTimeOriginal = TextOf(exifIfd, EXIF_TAG_DATE_TIME_ORIGINAL);
    statements.exifWidth = NumberOf(exifIfd, EXIF_TAG_PIXEL_X_DIMENSION, order);
    statements.exifHeight = NumberOf(exifIfd, EXIF_TAG_PIXEL_Y_DIMENSION, order);
    if (const ExifEntry* note = exif_content_get_entry(exifIfd, EXIF_TAG_MAKER_NOTE))
        statements.makerNoteBytes = note->size;
}

} // namespace

void ReadExifStatements(const unsigned char* payload, size_t size, FileStatements& statements,
                        std::vector<unsigned char>& thumbnail)
{
    DamageWatch watch;   // outlives the library's objects, which may log until they go
    std::unique_ptr<ExifData, ExifDataUnref> data(exif_data_new());
    std::unique_ptr<ExifLog, ExifLogUnref> log(exif_log_new());
    if (!data || !log) {
        MarkUnreadable(statements, "exif");
        return;
    }
    exif_log_set_func(log.get(), WatchLog, &watch);
    exif_data_log(data.get(), log.get());
    // Read what the file says, as it says it: no tags added or mended.
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    // A segment holds at most 65533 bytes, within libexif's unsigned size.
    exif_data_load_data(data.get(), payload, static_cast<unsigned int>(size));

    if (watch.exifDamaged || !watch.ifd0Read)
        MarkUnreadable(statements, "exif");
    if (watch.thumbnailDamaged)
        MarkUnreadable(statements, "thumbnail");
    TakeStatements(data.get(), statements);
    if (data->data != nullptr && data->size > 0)
        thumbnail.assign(data->data, data->data + data->size);
}
