#include "cli/ReportCommand.h"

#include "cli/ConsoleOutput.h"
#include "cli/FileReport.h"
#include "cli/FileWalk.h"
#include "cli/OutcomeCsv.h"
#include "cli/OutcomeText.h"
#include "cli/OrderedParallel.h"
#include "cli/PathList.h"
#include "cli/ProgressLine.h"
#include "cli/VersionText.h"
#include "framework/TextEncoding.h"

#include <algorithm>
#include <cwchar>
#include <thread>

namespace {

#define QUANTLENS_SHORT_USAGE \
    L"用法: quantlens-report [-r] [-j N] [--json | --csv] [--traces] [-0] [--files-from 列表] 路径...\n" \
    L"Usage: quantlens-report [-r] [-j N] [--json | --csv] [--traces] [-0] [--files-from LIST] PATH...\n"

const wchar_t kShortUsage[] = QUANTLENS_SHORT_USAGE L"Try quantlens-report --help for more.\n";

const wchar_t kUsage[] =
    QUANTLENS_SHORT_USAGE
    L"\n"
    L"Inspects each JPEG file's headers as Quantlens does (the same source-file\n"
    L"check, header reader, quality estimate and report) and prints the report,\n"
    L"with every IJG quality and baseline forcing that reproduces each table exactly.\n"
    L"Each table is also named with the known encoder settings that write it bit\n"
    L"for bit: IJG (libjpeg, cjpeg) and mozjpeg (table sets 1-8) at quality 1-100\n"
    L"with and without baseline forcing, ffmpeg's MJPEG encoder at -q:v 2-31, and\n"
    L"Pillow's nine presets with the Photoshop settings six of them are; else it\n"
    L"says whether the table is one of those encoders' base tables scaled by one\n"
    L"constant factor (its range and rounding), or \"无已知编码器\". \"编码器: \" names\n"
    L"the setting all tables of a file share. The same table as an encoder writes\n"
    L"does not prove that encoder wrote the file.\n"
    L"\"文件自述:\" then gives what the file's own headers say of its maker: EXIF\n"
    L"(camera, software, dates, orientation, size, maker note), the quality\n"
    L"Photoshop and its Save for Web stored, XMP's creator tool and edit history,\n"
    L"JFIF, Adobe, comments and the EXIF thumbnail with its tables named; a kind\n"
    L"present but damaged is marked \"（无法读取）\".\n"
    L"\"出处:\" then says whether the file is a camera's own or was saved again by\n"
    L"software: \"经软件编辑或重存\" (edited: an editor named, a program's own\n"
    L"tables under a camera's name, a size that disagrees), \"可能经软件重存\"\n"
    L"(likely-edited: only soft signs - progressive, optimized Huffman tables or a\n"
    L"JFIF segment where the maker's originals seldom have them, a later DateTime,\n"
    L"a missing maker note, a turned size), \"与相机原图一致\" (consistent-with-\n"
    L"camera) or \"无相机信息\" (no-camera-statement), each piece of evidence\n"
    L"indented below; the encoder lines also name the Photoshop levels and the\n"
    L"camera originals seen writing the tables (for a file that names its maker,\n"
    L"only that maker's). It reads headers only: a header can be forged, and a\n"
    L"careful editor can copy every table.\n"
    L"\n"
    L"  -r, --recursive  walk named folders: every .jpg/.jpeg file below them, in\n"
    L"                   name order, without following symbolic links\n"
    L"  --json           one JSON object per file per line instead of text\n"
    L"  --csv            one CSV row per file after a header row (RFC 4180)\n"
    L"  -j, --jobs N     inspect with N threads (default: one per processor);\n"
    L"                   the output keeps the order of the files\n"
    L"  --files-from LIST also report the paths listed in the file LIST (- for\n"
    L"                   standard input), UTF-8, one a line, after those given here\n"
    L"  -0, --null       the list's paths are each ended by a NUL (find -print0)\n"
    L"  --traces         also read the luminance coefficients (entropy decoding\n"
    L"                   only) for traces of an earlier compression: \"压缩痕迹:\"\n"
    L"                   says \"发现更早的一次压缩\" (found: the coefficients keep\n"
    L"                   the lattice of an earlier quantization, with the IJG\n"
    L"                   quality that made it, the qualities that fit almost\n"
    L"                   as well and a score), \"未发现\" (none found: no trace\n"
    L"                   this method sees; not a proof of a single compression,\n"
    L"                   since a finer later save or a crop hides the first) or\n"
    L"                   \"无法判断\" (cannot tell, and why: only files whose\n"
    L"                   last table is IJG's or a Pillow preset are judged);\n"
    L"                   a found trace joins the evidence of \"出处:\"\n"
    L"  --help           this text\n"
    L"  --version        the program's version and the libjpeg it was built with\n"
    L"  --               every later argument is a path\n"
    L"\n"
    L"A refused or unreadable file (or folder) is named on standard error with\n"
    L"its message; the other files go on. A progress line is shown on standard\n"
    L"error when it is a terminal and there are more than 50 files.\n"
    L"Exit status: 0 all reported, 1 any file failed, 2 usage error.\n";

enum class Format { Text, Json, Csv };

const unsigned kMaximumJobs = 64;

unsigned DefaultJobs()
{
    return std::clamp(std::thread::hardware_concurrency(), 1u, kMaximumJobs);
}

struct ReportOptions
{
    Format format = Format::Text;
    bool recursive = false;
    unsigned jobs = DefaultJobs();
    bool help = false;
    bool version = false;
    bool nulSeparated = false;
    bool traces = false;
    std::vector<std::wstring> lists;   // --files-from files, in order
    std::vector<std::wstring> paths;
    std::wstring problem;   // the first usage error found
};

void Complain(ReportOptions& options, const std::wstring& problem)
{
    if (options.problem.empty())
        options.problem = problem;
}

void SetFormat(ReportOptions& options, Format format)
{
    if (options.format != Format::Text && options.format != format)
        Complain(options, L"--json and --csv exclude each other");
    options.format = format;
}

// A job count from 1 to kMaximumJobs, or 0 when text is not one.
unsigned ParseJobs(const std::wstring& text)
{
    wchar_t* end = nullptr;
    const unsigned long jobs = std::wcstoul(text.c_str(), &end, 10);
    const bool valid = !text.empty() && text[0] != L'-' && *end == L'\0' && jobs >= 1 && jobs <= kMaximumJobs;
    return valid ? static_cast<unsigned>(jobs) : 0;
}

ReportOptions ParseOptions(const std::vector<std::wstring>& args)
{
    ReportOptions options;
    bool onlyPaths = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::wstring& arg = args[i];
        if (onlyPaths || arg.empty() || arg[0] != L'-' || arg == L"-")
            options.paths.push_back(arg);
        else if (arg == L"--")
            onlyPaths = true;
        else if (arg == L"--json")
            SetFormat(options, Format::Json);
        else if (arg == L"--csv")
            SetFormat(options, Format::Csv);
        else if (arg == L"-r" || arg == L"--recursive")
            options.recursive = true;
        else if (arg == L"-j" || arg == L"--jobs")
            options.jobs = i + 1 < args.size() ? ParseJobs(args[++i]) : 0;
        else if (arg == L"--help" || arg == L"-h")
            options.help = true;
        else if (arg == L"--files-from") {
            if (i + 1 < args.size())
                options.lists.push_back(args[++i]);
            else
                Complain(options, L"--files-from needs a file (- for standard input)");
        }
        else if (arg == L"-0" || arg == L"--null")
            options.nulSeparated = true;
        else if (arg == L"--version")
            options.version = true;
        else if (arg == L"--traces")
            options.traces = true;
        else
            Complain(options, L"unknown option " + arg);
    }
    if (options.jobs == 0)
        Complain(options, L"-j needs a number of threads from 1 to " + std::to_wstring(kMaximumJobs));
    for (const std::wstring& list : options.lists) {
        if (!ReadPathList(list, options.nulSeparated, options.paths))
            Complain(options, L"cannot read the path list " + list);
    }
    if (options.paths.empty() && options.lists.empty() && !options.version)
        Complain(options, L"no path given");
    return options;
}

// One file's output and, when it failed, its line for standard error.
struct RenderedFile
{
    std::string output;     // UTF-8 in the chosen format
    std::wstring failure;   // "path: message\n", empty when the file was reported
};

std::string FormatOutput(const FileReport& file, Format format)
{
    switch (format) {
    case Format::Json:
        return OutcomeJson(file) + "\n";
    case Format::Csv:
        return OutcomeCsvLine(file);
    case Format::Text:
        break;
    }
    return WideToUtf8(OutcomeText(file));
}

RenderedFile Render(const WalkItem& item, const ReportOptions& options, const IjgMatchFinder& finder,
                    const EncoderCatalogue& catalogue, const ProvenanceJudge& judge)
{
    const FileReport file = item.unreadableFolder
                                ? UnreadableFolderReport(item.path)
                                : InspectFile(item.path, finder, catalogue, &judge, options.traces);
    RenderedFile rendered{FormatOutput(file, options.format), std::wstring()};
    if (!Succeeded(file))
        rendered.failure = file.path + L": " + file.outcome.message + L"\n";
    return rendered;
}

// Reports every item, in order; true when all succeeded.
bool ReportAll(const std::vector<WalkItem>& items, const ReportOptions& options)
{
    const IjgMatchFinder finder;
    const EncoderCatalogue catalogue;
    const ProvenanceJudge judge;
    ProgressLine progress(items.size());
    if (options.format == Format::Csv)
        WriteOutUtf8(CsvHeaderLine());
    bool allReported = true;
    ForEachInOrder(
        items.size(), options.jobs,
        [&](size_t i) { return Render(items[i], options, finder, catalogue, judge); },
        [&](size_t i, RenderedFile&& file) {
            if (options.format == Format::Text && i > 0)
                WriteOutUtf8("\n");
            WriteOutUtf8(file.output);
            if (!file.failure.empty()) {
                allReported = false;
                progress.Clear();
                WriteErr(file.failure);
            }
            progress.Update(i + 1);
        });
    return allReported;
}

} // namespace

int RunReportCommand(const std::vector<std::wstring>& args)
{
    PrepareStandardStreams();
    const ReportOptions options = ParseOptions(args);
    if (options.help) {
        WriteOut(kUsage);
        FinishOutput();
        return 0;
    }
    if (options.version && options.problem.empty()) {
        WriteOut(VersionText());
        FinishOutput();
        return 0;
    }
    if (!options.problem.empty()) {
        WriteErr(L"quantlens-report: " + options.problem + L"\n" + kShortUsage);
        return 2;
    }
    const bool allReported = ReportAll(CollectPaths(options.paths, options.recursive), options);
    FinishOutput();
    return allReported ? 0 : 1;
}
