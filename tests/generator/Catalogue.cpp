#include "tests/generator/Catalogue.h"

#include "tests/generator/ByteStreams.h"
#include "tests/generator/JpegWriter.h"

namespace {

const char* SamplingTag(const JpegOptions& options)
{
    if (options.greyscale)
        return "grey";
    switch (options.sampling) {
    case Subsampling::s444: return "444";
    case Subsampling::s422: return "422";
    case Subsampling::s420: return "420";
    }
    return "";
}

std::string FileNameFor(const JpegOptions& options)
{
    std::string name = "jpeg-q" + std::to_string(options.quality) + "-" + SamplingTag(options);
    if (!options.forceBaseline)
        name += "-unforced";
    if (options.optimizeCoding)
        name += "-optimized";
    if (options.progressive)
        name += "-progressive";
    if (options.arithmetic)
        name += "-arith";
    if (options.restartInterval != 0)
        name += "-rst" + std::to_string(options.restartInterval);
    name += "-" + std::to_string(options.width) + "x" + std::to_string(options.height);
    return name + ".jpg";
}

std::vector<JpegOptions> OptionSpread()
{
    std::vector<JpegOptions> spread;
    const auto add = [&spread](auto change) {
        JpegOptions options;
        options.width = 64;
        options.height = 48;
        change(options);
        spread.push_back(options);
    };
    for (const int quality : {1, 10, 25, 50, 75, 90, 95, 99, 100})
        add([quality](JpegOptions& o) { o.quality = quality; });
    for (const int quality : {1, 10})
        add([quality](JpegOptions& o) { o.quality = quality; o.forceBaseline = false; });
    add([](JpegOptions& o) { o.optimizeCoding = true; });
    add([](JpegOptions& o) { o.progressive = true; });
    add([](JpegOptions& o) { o.sampling = Subsampling::s444; });
    add([](JpegOptions& o) { o.sampling = Subsampling::s422; });
    add([](JpegOptions& o) { o.greyscale = true; });
    add([](JpegOptions& o) { o.greyscale = true; o.progressive = true; });
    add([](JpegOptions& o) { o.restartInterval = 1; });
    add([](JpegOptions& o) { o.width = 17; o.height = 13; });
    add([](JpegOptions& o) { o.width = 1; o.height = 1; });
    if (ArithmeticCodingAvailable()) {
        add([](JpegOptions& o) { o.arithmetic = true; });
        add([](JpegOptions& o) { o.arithmetic = true; o.progressive = true; });
    }
    return spread;
}

} // namespace

std::vector<CatalogueEntry> BuildCatalogue()
{
    std::vector<CatalogueEntry> entries;
    for (const NamedStream& stream : NamedStreams())
        entries.push_back({std::string("stream-") + stream.name + ".jpg", stream.build()});
    entries.push_back({"sample.jpg", WriteSampleJpeg()});
    for (const JpegOptions& options : OptionSpread())
        entries.push_back({FileNameFor(options), WriteJpeg(options)});
    return entries;
}
