// What the report says a real file states about its maker, held against
// exiftool's reading of the same fields, run at test time on every real sample:
// each statement given equals one of exiftool's values, and each field
// exiftool gives is there, or its kind is marked unreadable. Other files:
// QUANTLENS_STATEMENT_FILES=FOLDER core_tests --gtest_filter='FileStatements.*'.
#ifndef _WIN32
#include "cli/FileReport.h"
#include "framework/TextEncoding.h"
#include "inspect/JpegHeaderReader.h"
#include "tests/support/JsonTree.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <dirent.h>
#include <cstdio>
#include <iomanip>
#include <map>
#include <sstream>
#include <regex>
#include <sys/stat.h>

namespace {

// The real samples, or any folder of JPEG files named by QUANTLENS_STATEMENT_FILES.
std::string FilesDir()
{
    const char* other = std::getenv("QUANTLENS_STATEMENT_FILES");
    return other != nullptr ? other : QUANTLENS_SAMPLES_DIR "/files";
}

using Values = std::vector<std::string>;
using Reading = std::map<std::string, Values>;   // by exiftool's group:tag

std::string Output(const std::string& command)
{
    std::string out;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return out;
    char buffer[65536];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    pclose(pipe);
    return out;
}

std::vector<std::string> FileNames(const std::string& dir)
{
    std::vector<std::string> names;
    if (DIR* folder = opendir(dir.c_str())) {
        while (const dirent* entry = readdir(folder))
            if (entry->d_type == DT_REG)
                names.push_back(entry->d_name);
        closedir(folder);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string FileList(const std::vector<std::string>& names)
{
    std::string list;
    for (const std::string& name : names)
        list += " '" + name + "'";
    return list;
}

// A value as the report shows it: trimmed, invalid UTF-8 replaced; exiftool
// gives text that is not UTF-8 as "base64:…".
std::string Shown(std::string text, size_t limit = std::string::npos)
{
    static const std::string kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    if (text.rfind("base64:", 0) == 0) {
        std::string bytes;
        unsigned bits = 0, count = 0;
        for (char c : text.substr(7)) {
            if (kAlphabet.find(c) == std::string::npos)
                continue;
            bits = bits << 6 | static_cast<unsigned>(kAlphabet.find(c));
            if ((count += 6) >= 8)
                bytes += static_cast<char>(bits >> (count -= 8));
        }
        text = bytes;
    }
    text = text.substr(0, limit);
    while (!text.empty() && std::string(" \t\r\n", 5).find(text.back()) != std::string::npos)
        text.pop_back();
    return WideToUtf8(Utf8ToWide(text));
}

std::string TextOf(const JsonValue& value)
{
    if (value.kind != JsonValue::Kind::Number)
        return value.string;
    std::ostringstream text;
    text << std::setprecision(15) << value.number;   // 72, 1.01
    return text.str();
}

// What only exiftool -v2 tells: the MakerNote's size ("Tag 0x927c (N bytes")
// and the number of COM segments (its Comment tag also takes other programs'
// comments, such as PhotoStudio's APP10), under "ExifIFD:MakerNote" and "File:COM".
std::map<std::string, Reading> VerboseReadings(const std::vector<std::string>& names)
{
    const std::string out = Output("cd '" + FilesDir() + "' && exiftool -v2 --" + FileList(names) + " 2>/dev/null");
    const std::regex header("^======== (.*)$"), note("Tag 0x927c \\(([0-9]+) bytes");
    std::map<std::string, Reading> readings;
    std::string file = names.size() == 1 ? names[0] : "";
    std::istringstream lines(out);
    std::smatch match;
    for (std::string line; std::getline(lines, line);) {
        Reading& reading = readings[file];
        if (std::regex_search(line, match, header))
            file = match[1];
        else if (std::regex_search(line, match, note) && !reading.count("ExifIFD:MakerNote"))
            reading["ExifIFD:MakerNote"] = {match[1]};
        else if (line.rfind("JPEG COM (", 0) == 0)
            reading["File:COM"] = {std::to_string(reading.count("File:COM") ? std::stoi(reading["File:COM"][0]) + 1 : 1)};
    }
    return readings;
}

Values Utf8List(const std::vector<std::wstring>& texts)
{
    Values values;
    for (const std::wstring& text : texts)
        values.push_back(WideToUtf8(text));
    return values;
}


// Our statements under the exiftool tags that read the same fields, as
// exiftool gives them with print conversion off where the test asks for it.
Reading OurReading(const FileStatements& s)
{
    Reading r;
    auto text = [&](const char* tag, const std::optional<std::wstring>& value) {
        if (value)
            r[tag] = {WideToUtf8(*value)};
    };
    auto number = [&](const char* tag, auto value) {
        if (value)
            r[tag] = {std::to_string(*value)};
    };
    text("IFD0:Make", s.make);
    text("IFD0:Model", s.model);
    text("IFD0:Software", s.software);
    text("IFD0:ModifyDate", s.dateTime);
    number("IFD0:Orientation", s.orientation);
    text("ExifIFD:DateTimeOriginal", s.dateTimeOriginal);
    number("ExifIFD:ExifImageWidth", s.exifWidth);
    number("ExifIFD:ExifImageHeight", s.exifHeight);
    if (s.photoshop) {
        static const char* const kStored[] = {"0", "1", "257"};   // standard, optimized, progressive
        r["Photoshop:PhotoshopQuality"] = {std::to_string(s.photoshop->quality)};
        if (s.photoshop->format >= 0)
            r["Photoshop:PhotoshopFormat"] = {kStored[s.photoshop->format]};
        if (s.photoshop->scans > 0)
            r["Photoshop:ProgressiveScans"] = {std::to_string(s.photoshop->scans - 2)};
    }
    number("Ducky:Quality", s.saveForWebQuality);
    text("XMP-xmp:CreatorTool", s.xmpCreatorTool);
    if (s.jfif) {
        r["JFIF:JFIFVersion"] = {std::to_string(s.jfif->majorVersion) + (s.jfif->minorVersion < 10 ? ".0" : ".") +
                                 std::to_string(s.jfif->minorVersion)};
        r["JFIF:XResolution"] = {std::to_string(s.jfif->densityX)};
        r["JFIF:YResolution"] = {std::to_string(s.jfif->densityY)};
        r["JFIF:ResolutionUnit"] = {std::to_string(s.jfif->unit)};
    }
    if (s.adobe) {
        r["Adobe:DCTEncodeVersion"] = {std::to_string(s.adobe->version)};
        r["Adobe:ColorTransform"] = {std::to_string(s.adobe->transform)};
    }
    r["File:Comment"] = Utf8List(s.comments);
    r["File:COM"] = {std::to_string(s.comments.size())};
    number("ExifIFD:MakerNote", s.makerNoteBytes);
    r["XMP-xmpMM:HistorySoftwareAgent"] = Utf8List(s.xmpHistoryAgents);
    return r;
}

// exiftool's reading of one file, every copy of a tag ("IFD0:Copy1:ModifyDate")
// under the tag, as the report would show it.
Reading TheirReading(const JsonValue& file)
{
    static const std::regex copy(":Copy[0-9]+:"), numbers("(-?[0-9]+)( -?[0-9]+)+");
    Reading r;
    for (const std::string& key : file.keys) {
        const std::string tag = std::regex_replace(key, copy, ":");
        const JsonValue& value = file[key];
        for (const JsonValue& item : value.kind == JsonValue::Kind::Array ? value.array : std::vector<JsonValue>{value}) {
            std::smatch first;
            const std::string text = TextOf(item);
            // A numeric field of several values ("100 0"): the report takes the first.
            r[tag].push_back(std::regex_match(text, first, numbers) ? first[1].str()
                                                                   : Shown(text, tag == "File:Comment" ? 256 : std::string::npos));
        }
    }
    return r;
}

// The kind that says a group's statements could not be read.
std::string KindOf(const std::string& tag)
{
    static const std::vector<std::pair<std::string, std::string>> kinds = {
        {"IFD0:", "exif"}, {"ExifIFD:", "exif"}, {"Photoshop:", "photoshop"}, {"Ducky:", "saveForWeb"},
        {"XMP-", "xmp"}, {"JFIF:", "jfif"}, {"Adobe:", "adobe"}};
    for (const auto& kind : kinds)
        if (tag.rfind(kind.first, 0) == 0)
            return kind.second;
    return "";
}

bool Unreadable(const FileStatements& s, const std::string& kind)
{
    return std::find(s.unreadable.begin(), s.unreadable.end(), kind) != s.unreadable.end();
}

// Equal, or the same number (exiftool's JSON gives "1.00" as a number).
bool Has(const Values& values, const std::string& value)
{
    static const std::regex number("-?[0-9]+(\\.[0-9]+)?");
    return std::any_of(values.begin(), values.end(), [&](const std::string& other) {
        return other == value ||
               (std::regex_match(other, number) && std::regex_match(value, number) && std::stod(other) == std::stod(value));
    });
}

// Whether every value of part comes in whole, in order.
bool InOrderWithin(const Values& part, const Values& whole)
{
    auto at = whole.begin();
    for (const std::string& value : part)
        if ((at = std::find(at, whole.end(), value)) == whole.end())
            return false;
        else
            ++at;
    return true;
}

// Each statement is among exiftool's values, each field exiftool read is
// there (or its kind unreadable); lists (comments, history) are equal.
void CheckReadings(const FileStatements& statements, const Reading& ours, const Reading& theirs)
{
    // exiftool will not follow an Exif IFD pointer of the wrong type; libexif does.
    const Values warnings = theirs.count("ExifTool:Warning") ? theirs.at("ExifTool:Warning") : Values{};
    const bool exifIfdRefused = std::any_of(warnings.begin(), warnings.end(), [](const std::string& w) {
        return w.find("Wrong format") != std::string::npos && w.find("ExifOffset") != std::string::npos;
    });
    for (const auto& [tag, values] : ours) {
        const Values exiftool = theirs.count(tag) ? theirs.at(tag) : Values{};
        if (tag == "File:Comment") {
            EXPECT_TRUE(InOrderWithin(values, exiftool)) << tag;
            continue;
        }
        if (tag == "XMP-xmpMM:HistorySoftwareAgent" && !Unreadable(statements, "xmp")) {
            EXPECT_EQ(values, exiftool) << tag;
            continue;
        }
        if (exifIfdRefused && tag.rfind("ExifIFD:", 0) == 0)
            continue;
        for (const std::string& value : values)
            EXPECT_TRUE(Has(exiftool, value)) << tag << " " << value << " is not among exiftool's values";
    }
    for (const auto& [tag, values] : theirs) {
        const std::string kind = KindOf(tag);
        EXPECT_TRUE(kind.empty() || ours.count(tag) || Unreadable(statements, kind)) << tag << " " << values[0] << " is missing";
    }
}

void CheckThumbnail(const FileStatements& ours, const Reading& theirs, const std::string& extracted)
{
    struct stat info;
    const bool exiftoolHasOne = stat(extracted.c_str(), &info) == 0;
    if (!ours.thumbnail) {
        EXPECT_FALSE(exiftoolHasOne && !Unreadable(ours, "thumbnail")) << "thumbnail missing";
        EXPECT_FALSE(Unreadable(ours, "thumbnail") && !theirs.count("IFD1:ThumbnailOffset"));
        return;
    }
    ASSERT_TRUE(exiftoolHasOne);
    EXPECT_EQ(ours.thumbnail->bytes, info.st_size);
    JpegFacts facts{};
    ASSERT_EQ(ReadJpegFacts(Utf8ToWide(extracted).c_str(), facts), 1);
    const JpegFacts& mine = ours.thumbnail->facts;
    EXPECT_EQ(std::make_pair(mine.width, mine.height), std::make_pair(facts.width, facts.height));
    EXPECT_TRUE(std::equal(mine.hSampling, mine.hSampling + 4, facts.hSampling));
    EXPECT_TRUE(std::equal(mine.vSampling, mine.vSampling + 4, facts.vSampling));
    ASSERT_EQ(mine.tableCount, facts.tableCount);
    EXPECT_TRUE(std::equal(mine.tables, mine.tables + facts.tableCount, facts.tables));
    EXPECT_EQ(ours.thumbnail->encoders.size(), static_cast<size_t>(facts.tableCount));
}

} // namespace

TEST(FileStatements, AgreeWithExiftoolOnEveryRealSample)
{
    const std::vector<std::string> names = FileNames(FilesDir());
    if (names.empty() || Output("exiftool -ver").empty())
        GTEST_SKIP() << "needs JPEG files in " << FilesDir() << " and exiftool";
    TempDir thumbnails;
    const std::string cd = "cd '" + FilesDir() + "' && exiftool ";
    Output(cd + "-q -q -b -W '" + WideToUtf8(thumbnails.Path()) + "/%f.%e' -IFD1:ThumbnailImage --" + FileList(names));
    const JsonValue exiftool = ParseJson(Output(
        cd + "-j -G1:4 -a -IFD0:Make -IFD0:Model -IFD0:Software -IFD0:ModifyDate '-IFD0:Orientation#' "
             "-ExifIFD:DateTimeOriginal '-ExifIFD:ExifImageWidth#' '-ExifIFD:ExifImageHeight#' "
             "-Photoshop:PhotoshopQuality '-Photoshop:PhotoshopFormat#' '-Photoshop:ProgressiveScans#' "
             "'-Ducky:Quality#' -XMP-xmp:CreatorTool -XMP-xmpMM:HistorySoftwareAgent -JFIF:JFIFVersion "
             "'-JFIF:XResolution#' '-JFIF:YResolution#' '-JFIF:ResolutionUnit#' '-Adobe:DCTEncodeVersion#' "
             "'-Adobe:ColorTransform#' -File:Comment '-IFD1:ThumbnailOffset#' -ExifTool:Warning --" +
             FileList(names) + " 2>/dev/null"));
    const std::map<std::string, Reading> verbose = VerboseReadings(names);
    ASSERT_EQ(exiftool.array.size(), names.size());

    const IjgMatchFinder finder;
    const EncoderCatalogue catalogue;
    int compared = 0;
    for (const JsonValue& theirs : exiftool.array) {
        const std::string name = theirs["SourceFile"].string;
        SCOPED_TRACE(name);
        const FileReport report = InspectFile(Utf8ToWide(FilesDir() + "/" + name), finder, catalogue);
        if (!report.statements)
            continue;
        ++compared;
        Reading exiftoolReading = TheirReading(theirs);
        exiftoolReading["File:COM"] = {"0"};
        if (verbose.count(name))
            for (const auto& [tag, values] : verbose.at(name))
                exiftoolReading[tag] = values;
        CheckReadings(*report.statements, OurReading(*report.statements), exiftoolReading);
        CheckThumbnail(*report.statements, exiftoolReading, WideToUtf8(thumbnails.Path()) + "/" + name);
    }
    EXPECT_GT(compared, static_cast<int>(names.size()) / 2);
}
#endif
