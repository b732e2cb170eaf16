#include "statements/ThumbnailReader.h"

#include "inspect/JpegException.h"
#include "inspect/JpegHeaderReader.h"
#include "inspect/JpegObjects.h"
#include "statements/Unreadable.h"

namespace {

bool ReadFacts(const std::vector<unsigned char>& bytes, JpegFacts& facts)
{
    try {
        JpegDecompressor decompressor;
        jpeg_mem_src(&decompressor.cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
        ExtractJpegFacts(&decompressor.cinfo, facts);
        return facts.tableCount > 0 && facts.width > 0 && facts.height > 0;
    } catch (CJPEGException* e) {
        e->Delete();
        return false;
    }
}

} // namespace

void ReadThumbnail(const std::vector<unsigned char>& bytes, const EncoderCatalogue& catalogue,
                   FileStatements& statements)
{
    ThumbnailStatement thumbnail{static_cast<std::int64_t>(bytes.size()), JpegFacts{}, {}};
    if (!ReadFacts(bytes, thumbnail.facts)) {
        MarkUnreadable(statements, "thumbnail");
        return;
    }
    thumbnail.encoders = catalogue.FindAll(thumbnail.facts);
    statements.thumbnail = std::move(thumbnail);
}
