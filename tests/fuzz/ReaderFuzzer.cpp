// libFuzzer target: the header reader on arbitrary bytes held in memory, with
// the reader of the file's statements about its maker riding along (EXIF
// through libexif, XMP through expat, Photoshop's resources, Save for Web,
// the thumbnail) and the coefficient pass of the traces, then the report
// texts and the provenance verdict built from whatever it read (not the JSON: clang's UBSan stops at RapidJSON 1.1's first
// push on its empty level stack, null plus an offset, before any of ours runs;
// the evidence details stand in for the provenance JSON). Every input must end
// in facts or a CJPEGException; the sanitizers turn anything else into a crash.
#include "cli/ProvenanceJson.h"
#include "cli/ProvenanceText.h"
#include "cli/StatementText.h"
#include "cli/TraceText.h"
#include "inspect/InspectionReport.h"
#include "inspect/JpegException.h"
#include "inspect/JpegHeaderReader.h"
#include "inspect/JpegObjects.h"
#include "provenance/ProvenanceJudge.h"
#include "statements/StatementReader.h"
#include "traces/TracesHook.h"
#include "ui/QuantTableText.h"

#include <cstddef>
#include <cstdint>

namespace {

// False when the library refused the stream.
bool ReadFromMemory(const std::uint8_t* data, std::size_t size, JpegFacts& facts, StatementReader& statements,
                    TracesHook& traces)
{
    try {
        JpegDecompressor decompressor;
        jpeg_mem_src(&decompressor.cinfo, data, static_cast<unsigned long>(size));
        ExtractJpegFacts(&decompressor.cinfo, facts, {&statements, &traces});
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
    TracesHook traces;
    if (ReadFromMemory(data, size, facts, statements, traces)) {
        BuildInspectionReport(facts);
        FileTablesText(facts);
        TraceVerdictText(traces.Verdict());
        if (const std::optional<FileStatements> said = statements.Take()) {
            StatementBlockText(*said);
            static const ProvenanceJudge judge;
            const std::vector<EncoderMatches> encoders = catalogue.FindAll(facts);
            const ProvenanceVerdict provenance = judge.Judge(facts, encoders, *said);
            ProvenanceBlockText(provenance);
            EncoderLineSummary(encoders, provenance);
            for (const Evidence& item : provenance.evidence)
                EvidenceDetail(item);
        }
    }
    return 0;
}
