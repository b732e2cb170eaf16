// libFuzzer target: the header reader on arbitrary bytes held in memory, with
// the coefficient pass of the traces riding on it, then the report texts
// built from whatever it read. Every input must end in facts or a
// CJPEGException; the sanitizers turn anything else into a crash.
#include "inspect/InspectionReport.h"
#include "inspect/JpegException.h"
#include "inspect/JpegHeaderReader.h"
#include "inspect/JpegObjects.h"
#include "traces/TracesHook.h"
#include "ui/QuantTableText.h"

#include <cstddef>
#include <cstdint>

namespace {

// False when the library refused the stream.
bool ReadFromMemory(const std::uint8_t* data, std::size_t size, JpegFacts& facts)
{
    try {
        TracesHook traces;
        JpegDecompressor decompressor;
        jpeg_mem_src(&decompressor.cinfo, data, static_cast<unsigned long>(size));
        ExtractJpegFacts(&decompressor.cinfo, facts, {&traces});
        return true;
    } catch (CJPEGException* e) {
        e->Delete();
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    JpegFacts facts{};
    if (ReadFromMemory(data, size, facts)) {
        BuildInspectionReport(facts);
        FileTablesText(facts);
    }
    return 0;
}
