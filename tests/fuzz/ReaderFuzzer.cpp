// libFuzzer target: the header reader on arbitrary bytes held in memory, with
// the reader of the file's statements about its maker riding along (EXIF
// through libexif, XMP through expat, Photoshop's resources, Save for Web,
// the thumbnail), then the report texts built from whatever it read (not
// the JSON: clang's UBSan stops at RapidJSON 1.1's first push on its empty
// level stack, null plus an offset, before any of ours runs). Every
// input must end in facts or a CJPEGException; the sanitizers turn anything
// else into a crash.
#include "cli/StatementText.h"
#include "inspect/InspectionReport.h"
#include "inspect/JpegException.h"
#include "inspect/JpegHeaderReader.h"
#include "inspect/JpegObjects.h"
#include "statements/StatementReader.h"
#include "ui/QuantTableText.h"

#include <cstddef>
#include <cstdint>

namespace {

// False when the library refused the stream.
bool ReadFromMemory(const std::uint8_t* data, std::size_t size, JpegFacts& facts, StatementReader& statements)
{
    try {
        JpegDecompressor decompressor;
        jpeg_mem_src(&decompressor.cinfo, data, static_cast<unsigned long>(size));
        ExtractJpegFacts(&decompressor.cinfo, facts, {&statements});
        return true;
    } catch (CJPEGException* e) {
        e->Delete();
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const EncoderCatalogue catalogue;
    JpegFacts facts{};
    StatementReader statements(catalogue);
    if (ReadFromMemory(data, size, facts, statements)) {
        BuildInspectionReport(facts);
        FileTablesText(facts);
        if (const std::optional<FileStatements> said = statements.Take())
            StatementBlockText(*said);
    }
    return 0;
}
