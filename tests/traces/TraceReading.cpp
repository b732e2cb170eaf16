#include "tests/traces/TraceReading.h"

#include "inspect/JpegException.h"
#include "inspect/JpegHeaderReader.h"
#include "inspect/JpegObjects.h"
#include "traces/TracesHook.h"

#include <fstream>
#include <iterator>

CoefficientPass PassOver(const std::vector<unsigned char>& bytes)
{
    JpegDecompressor decompressor;
    jpeg_mem_src(&decompressor.cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&decompressor.cinfo, FALSE);
    return ReadLuminanceCoefficients(&decompressor.cinfo);
}

TraceVerdict VerdictOn(const std::vector<unsigned char>& bytes, bool* headerRead)
{
    TracesHook hook;
    JpegFacts facts{};
    JpegDecompressor decompressor;
    jpeg_mem_src(&decompressor.cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    ExtractJpegFacts(&decompressor.cinfo, facts, {&hook});
    if (headerRead != nullptr)
        *headerRead = facts.tableCount > 0;
    return hook.Verdict();
}

TraceVerdict VerdictOnFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return VerdictOn(std::vector<unsigned char>(std::istreambuf_iterator<char>(file), {}));
}
