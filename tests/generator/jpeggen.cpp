// jpeggen: writes the project's JPEG test data (see the usage text).

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "framework/TextEncoding.h"
#include "tests/generator/ByteStreams.h"
#include "tests/generator/Catalogue.h"
#include "tests/generator/FileOutput.h"
#include "tests/generator/JpegWriter.h"

namespace {

using Arguments = std::vector<std::wstring>;

const char kUsage[] =
    "usage:\n"
    "  jpeggen sample OUT.jpg\n"
    "  jpeggen jpeg OUT.jpg [--quality N] [--no-baseline] [--optimize] [--progressive]\n"
    "                       [--grey] [--arith] [--sampling 444|422|420] [--size WxH]\n"
    "                       [--restart MCUS]\n"
    "  jpeggen stream NAME OUT.jpg\n"
    "  jpeggen list\n"
    "  jpeggen catalogue DIR\n";

int Usage()
{
    std::fputs(kUsage, stderr);
    return 2;
}

// The whole text as a decimal number in [minimum, maximum].
bool ParseNumber(const std::wstring& text, int minimum, int maximum, int& value)
{
    if (text.empty())
        return false;
    wchar_t* end = nullptr;
    errno = 0;
    const long number = std::wcstol(text.c_str(), &end, 10);
    if (errno != 0 || *end != L'\0' || number < minimum || number > maximum)
        return false;
    value = static_cast<int>(number);
    return true;
}

bool ParseSize(const std::wstring& text, JpegOptions& options)
{
    const std::size_t x = text.find(L'x');
    return x != std::wstring::npos && ParseNumber(text.substr(0, x), 1, 65500, options.width)
        && ParseNumber(text.substr(x + 1), 1, 65500, options.height);
}

bool ParseSampling(const std::wstring& text, JpegOptions& options)
{
    if (text == L"444")
        options.sampling = Subsampling::s444;
    else if (text == L"422")
        options.sampling = Subsampling::s422;
    else if (text == L"420")
        options.sampling = Subsampling::s420;
    else
        return false;
    return true;
}

// Applies one option, taking its value from args[i + 1] if it has one.
bool ApplyOption(const Arguments& args, std::size_t& i, JpegOptions& options)
{
    const std::wstring& name = args[i];
    if (name == L"--no-baseline")
        options.forceBaseline = false;
    else if (name == L"--optimize")
        options.optimizeCoding = true;
    else if (name == L"--progressive")
        options.progressive = true;
    else if (name == L"--grey")
        options.greyscale = true;
    else if (name == L"--arith")
        options.arithmetic = true;
    else if (i + 1 >= args.size())
        return false;
    else if (name == L"--quality")
        return ParseNumber(args[++i], 1, 100, options.quality);
    else if (name == L"--sampling")
        return ParseSampling(args[++i], options);
    else if (name == L"--size")
        return ParseSize(args[++i], options);
    else if (name == L"--restart") {
        int interval = 0;
        if (!ParseNumber(args[++i], 0, 65535, interval))
            return false;
        options.restartInterval = static_cast<unsigned>(interval);
    } else
        return false;
    return true;
}

int Save(const std::wstring& path, const std::vector<unsigned char>& bytes)
{
    if (WriteFileBytes(path, bytes))
        return 0;
    std::fprintf(stderr, "jpeggen: cannot write %s\n", WideToUtf8(path).c_str());
    return 1;
}

int RunJpeg(const Arguments& args)
{
    if (args.size() < 2)
        return Usage();
    JpegOptions options;
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (!ApplyOption(args, i, options))
            return Usage();
    }
    return Save(args[1], WriteJpeg(options));
}

int RunStream(const Arguments& args)
{
    if (args.size() != 3)
        return Usage();
    const NamedStream* stream = FindNamedStream(WideToUtf8(args[1]));
    if (stream == nullptr) {
        std::fprintf(stderr, "jpeggen: no stream named %s (see jpeggen list)\n",
                     WideToUtf8(args[1]).c_str());
        return 2;
    }
    return Save(args[2], stream->build());
}

int RunList()
{
    for (const NamedStream& stream : NamedStreams())
        std::printf("%s\n", stream.name);
    return 0;
}

int RunCatalogue(const std::wstring& folder)
{
    if (!MakeDirectory(folder)) {
        std::fprintf(stderr, "jpeggen: cannot create %s\n", WideToUtf8(folder).c_str());
        return 1;
    }
    const wchar_t last = folder.empty() ? L'/' : folder.back();
    const std::wstring prefix = (last == L'/' || last == L'\\') ? folder : folder + L"/";
    int result = 0;
    for (const CatalogueEntry& entry : BuildCatalogue()) {
        if (Save(prefix + Utf8ToWide(entry.fileName), entry.bytes) != 0)
            result = 1;
    }
    return result;
}

int Dispatch(const Arguments& args)
{
    const std::wstring command = args.empty() ? std::wstring() : args[0];
    if (command == L"sample" && args.size() == 2)
        return Save(args[1], WriteSampleJpeg());
    if (command == L"jpeg")
        return RunJpeg(args);
    if (command == L"stream")
        return RunStream(args);
    if (command == L"list" && args.size() == 1)
        return RunList();
    if (command == L"catalogue" && args.size() == 2)
        return RunCatalogue(args[1]);
    return Usage();
}

int Run(const Arguments& args)
{
    try {
        return Dispatch(args);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "jpeggen: %s\n", e.what());
        return 1;
    }
}

} // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv)
{
    return Run(Arguments(argv + 1, argv + argc));
}
#else
int main(int argc, char** argv)
{
    Arguments args;
    for (int i = 1; i < argc; ++i)
        args.push_back(Utf8ToWide(argv[i]));
    return Run(args);
}
#endif
