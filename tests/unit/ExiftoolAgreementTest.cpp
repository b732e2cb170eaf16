// What the report says a real file states about its maker, held against
// exiftool's reading of the same fields, run at test time on every real sample:
// each statement given equals one of exiftool's values, and each field
// exiftool gives is there, or its kind is marked unreadable.
#ifndef _WIN32
#include "cli/FileReport.h"
#include "framework/TextEncoding.h"
#include "inspect/JpegHeaderReader.h"
#include "tests/support/JsonTree.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iomanip>
#include <map>
#include <sstream>
#include <regex>
#include <sys/stat.h>

namespace {

const std::string kSamplesDir = QUANTLENS_SAMPLES_DIR;

using Values = std::vector<std::string>;

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

std::vector<std::string> SampleNames()
{
    std::vector<std::string> names;
    std::ifstream in(kSamplesDir + "/expected.jsonl");
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            names.push_back(ParseJson(line)["file"].string);
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

// Every copy exiftool read of group:tag ("IFD0:Copy1:ModifyDate" is the second).
Values ExiftoolValues(const JsonValue& file, const std::string& group, const std::string& tag)
{
    const std::regex key(group + ":(Copy[0-9]+:)?" + tag);
    Values values;
    for (const std::string& name : file.keys) {
        if (!std::regex_match(name, key))
            continue;
        const JsonValue& value = file[name];
        if (value.kind == JsonValue::Kind::Array)
            for (const JsonValue& item : value.array)
                values.push_back(TextOf(item));
        else
            values.push_back(TextOf(value));
    }
    return values;
}

// exiftool -v2 names the MakerNote's size: "Tag 0x927c (N bytes".
std::map<std::string, std::string> MakerNoteSizes(const std::vector<std::string>& names)
{
    const std::string out = Output("cd '" + kSamplesDir + "/files' && exiftool -v2 --" + FileList(names) + " 2>/dev/null");
    const std::regex header("^======== (.*)$"), note("Tag 0x927c \\(([0-9]+) bytes");
    std::map<std::string, std::string> sizes;
    std::string file = names.size() == 1 ? names[0] : "";
    std::istringstream lines(out);
    std::smatch match;
    for (std::string line; std::getline(lines, line);) {
        if (std::regex_search(line, match, header))
            file = match[1];
        else if (std::regex_search(line, match, note) && !sizes.count(file))
            sizes[file] = match[1];
    }
    return sizes;
}

std::string Utf8(const std::optional<std::wstring>& text) { return text ? WideToUtf8(*text) : ""; }

template <typename Number>
Values Maybe(const std::optional<Number>& value)
{
    return value ? Values{std::to_string(*value)} : Values{};
}

// One field: our reading, exiftool's, and the kind that says it could not be read.
struct Field
{
    const char* name;
    const char* kind;
    std::function<Values(const FileStatements&)> ours;
    std::function<Values(const JsonValue&)> theirs;
};

std::function<Values(const JsonValue&)> Tag(const char* group, const char* tag)
{
    return [=](const JsonValue& file) {
        Values values = ExiftoolValues(file, group, tag);
        // A numeric field of several values ("100 0"): the report takes the first.
        static const std::regex numbers("(-?[0-9]+)( -?[0-9]+)+");
        std::smatch first;
        for (std::string& value : values)
            value = std::regex_match(value, first, numbers) ? first[1].str() : Shown(value);
        return values;
    };
}

std::function<Values(const FileStatements&)> Text(std::optional<std::wstring> FileStatements::*member)
{
    return [=](const FileStatements& s) { return (s.*member) ? Values{Utf8(s.*member)} : Values{}; };
}

std::string PhotoshopFormat(const std::string& stored)
{
    return stored == "0" ? "0" : stored == "1" ? "1" : stored == "257" ? "2" : "";
}

const std::vector<Field>& Fields()
{
    static const std::vector<Field> fields = {
        {"make", "exif", Text(&FileStatements::make), Tag("IFD0", "Make")},
        {"model", "exif", Text(&FileStatements::model), Tag("IFD0", "Model")},
        {"software", "exif", Text(&FileStatements::software), Tag("IFD0", "Software")},
        {"dateTime", "exif", Text(&FileStatements::dateTime), Tag("IFD0", "ModifyDate")},
        {"orientation", "exif", [](const FileStatements& s) { return Maybe(s.orientation); }, Tag("IFD0", "Orientation")},
        {"dateTimeOriginal", "exif", Text(&FileStatements::dateTimeOriginal), Tag("ExifIFD", "DateTimeOriginal")},
        {"exifWidth", "exif", [](const FileStatements& s) { return Maybe(s.exifWidth); }, Tag("ExifIFD", "ExifImageWidth")},
        {"exifHeight", "exif", [](const FileStatements& s) { return Maybe(s.exifHeight); }, Tag("ExifIFD", "ExifImageHeight")},
        {"photoshopQuality", "photoshop",
         [](const FileStatements& s) { return s.photoshop ? Values{std::to_string(s.photoshop->quality)} : Values{}; },
         Tag("Photoshop", "PhotoshopQuality")},
        {"photoshopFormat", "photoshop",
         [](const FileStatements& s) {
             return s.photoshop && s.photoshop->format >= 0 ? Values{std::to_string(s.photoshop->format)} : Values{};
         },
         [](const JsonValue& file) {
             Values values;
             for (const std::string& stored : ExiftoolValues(file, "Photoshop", "PhotoshopFormat"))
                 if (!PhotoshopFormat(stored).empty())
                     values.push_back(PhotoshopFormat(stored));
             return values;
         }},
        {"photoshopScans", "photoshop",
         [](const FileStatements& s) { return s.photoshop && s.photoshop->scans > 0 ? Values{std::to_string(s.photoshop->scans)} : Values{}; },
         [](const JsonValue& file) {
             Values values;
             for (const std::string& stored : ExiftoolValues(file, "Photoshop", "ProgressiveScans"))
                 values.push_back(std::to_string(std::stoi(stored) + 2));
             return values;
         }},
        {"saveForWeb", "saveForWeb", [](const FileStatements& s) { return Maybe(s.saveForWebQuality); }, Tag("Ducky", "Quality")},
        {"creatorTool", "xmp", Text(&FileStatements::xmpCreatorTool), Tag("XMP-xmp", "CreatorTool")},
        {"jfifVersion", "jfif",
         [](const FileStatements& s) {
             return s.jfif ? Values{std::to_string(s.jfif->majorVersion) + "." + (s.jfif->minorVersion < 10 ? "0" : "") +
                                    std::to_string(s.jfif->minorVersion)}
                           : Values{};
         },
         Tag("JFIF", "JFIFVersion")},
        {"jfifDensity", "jfif",
         [](const FileStatements& s) {
             return s.jfif ? Values{std::to_string(s.jfif->densityX) + "x" + std::to_string(s.jfif->densityY) + " " +
                                    std::to_string(s.jfif->unit)}
                           : Values{};
         },
         [](const JsonValue& file) {
             const Values x = ExiftoolValues(file, "JFIF", "XResolution"), y = ExiftoolValues(file, "JFIF", "YResolution");
             const Values unit = ExiftoolValues(file, "JFIF", "ResolutionUnit");
             return x.empty() || y.empty() || unit.empty() ? Values{} : Values{x.back() + "x" + y.back() + " " + unit.back()};
         }},
        {"adobeVersion", "adobe", [](const FileStatements& s) { return s.adobe ? Values{std::to_string(s.adobe->version)} : Values{}; },
         Tag("Adobe", "DCTEncodeVersion")},
        {"adobeTransform", "adobe", [](const FileStatements& s) { return s.adobe ? Values{std::to_string(s.adobe->transform)} : Values{}; },
         Tag("Adobe", "ColorTransform")},
    };
    return fields;
}

bool Unreadable(const FileStatements& s, const std::string& kind)
{
    return std::find(s.unreadable.begin(), s.unreadable.end(), kind) != s.unreadable.end();
}

Values Utf8List(const std::vector<std::wstring>& texts)
{
    Values values;
    for (const std::wstring& text : texts)
        values.push_back(WideToUtf8(text));
    return values;
}

void CheckField(const Field& field, const FileStatements& ours, const JsonValue& theirs)
{
    const Values mine = field.ours(ours), exiftool = field.theirs(theirs);
    // exiftool will not follow an Exif IFD pointer of the wrong type; libexif does.
    bool refused = false;
    if (std::string(field.name).find("exif") == 0 || field.name == std::string("dateTimeOriginal"))
        for (const std::string& warning : ExiftoolValues(theirs, "ExifTool", "Warning"))
            refused = refused || (warning.find("Wrong format") != std::string::npos &&
                                  warning.find("ExifOffset") != std::string::npos);
    for (const std::string& value : mine) {
        EXPECT_TRUE(refused || std::find(exiftool.begin(), exiftool.end(), value) != exiftool.end())
            << field.name << " " << value << " is not among exiftool's values";
    }
    if (!exiftool.empty()) {
        EXPECT_TRUE(!mine.empty() || Unreadable(ours, field.kind)) << field.name << " " << exiftool[0] << " is missing";
    }
}

void CheckThumbnail(const FileStatements& ours, const JsonValue& theirs, const std::string& extracted)
{
    struct stat info;
    const bool exiftoolHasOne = stat(extracted.c_str(), &info) == 0;
    if (!ours.thumbnail) {
        EXPECT_FALSE(exiftoolHasOne && !Unreadable(ours, "thumbnail")) << "thumbnail missing";
        EXPECT_FALSE(Unreadable(ours, "thumbnail") && ExiftoolValues(theirs, "IFD1", "ThumbnailOffset").empty());
        return;
    }
    ASSERT_TRUE(exiftoolHasOne);
    EXPECT_EQ(ours.thumbnail->bytes, info.st_size);
    JpegFacts facts{};
    ASSERT_EQ(ReadJpegFacts(Utf8ToWide(extracted).c_str(), facts), 1);
    const JpegFacts& mine = ours.thumbnail->facts;
    EXPECT_EQ(mine.width, facts.width);
    EXPECT_EQ(mine.height, facts.height);
    EXPECT_TRUE(std::equal(mine.hSampling, mine.hSampling + 4, facts.hSampling));
    EXPECT_TRUE(std::equal(mine.vSampling, mine.vSampling + 4, facts.vSampling));
    ASSERT_EQ(mine.tableCount, facts.tableCount);
    for (int t = 0; t < facts.tableCount; ++t)
        EXPECT_EQ(mine.tables[t], facts.tables[t]);
    EXPECT_EQ(ours.thumbnail->encoders.size(), static_cast<size_t>(facts.tableCount));
}

void CheckLists(const FileStatements& ours, const JsonValue& theirs, const std::string& makerNote)
{
    Values comments;
    for (const std::string& comment : ExiftoolValues(theirs, "File", "Comment"))
        comments.push_back(Shown(comment, 256));
    EXPECT_EQ(Utf8List(ours.comments), comments);
    if (!Unreadable(ours, "xmp")) {
        Values agents;
        for (const std::string& agent : ExiftoolValues(theirs, "XMP-xmpMM", "HistorySoftwareAgent"))
            agents.push_back(Shown(agent));
        EXPECT_EQ(Utf8List(ours.xmpHistoryAgents), agents);
    }
    EXPECT_EQ(Maybe(ours.makerNoteBytes), makerNote.empty() ? Values{} : Values{makerNote});
}

} // namespace

TEST(FileStatements, AgreeWithExiftoolOnEveryRealSample)
{
    struct stat info;
    if (stat((kSamplesDir + "/expected.jsonl").c_str(), &info) != 0 || Output("exiftool -ver").empty())
        GTEST_SKIP() << "needs " << kSamplesDir << " and exiftool";
    const std::vector<std::string> names = SampleNames();
    TempDir thumbnails;
    const std::string cd = "cd '" + kSamplesDir + "/files' && exiftool ";
    Output(cd + "-q -q -b -W '" + WideToUtf8(thumbnails.Path()) + "/%f.%e' -IFD1:ThumbnailImage --" + FileList(names));
    const JsonValue exiftool = ParseJson(Output(
        cd + "-j -G1:4 -a -IFD0:Make -IFD0:Model -IFD0:Software -IFD0:ModifyDate '-IFD0:Orientation#' "
             "-ExifIFD:DateTimeOriginal '-ExifIFD:ExifImageWidth#' '-ExifIFD:ExifImageHeight#' "
             "-Photoshop:PhotoshopQuality '-Photoshop:PhotoshopFormat#' '-Photoshop:ProgressiveScans#' "
             "'-Ducky:Quality#' -XMP-xmp:CreatorTool -XMP-xmpMM:HistorySoftwareAgent -JFIF:JFIFVersion "
             "'-JFIF:XResolution#' '-JFIF:YResolution#' '-JFIF:ResolutionUnit#' '-Adobe:DCTEncodeVersion#' "
             "'-Adobe:ColorTransform#' -File:Comment '-IFD1:ThumbnailOffset#' -ExifTool:Warning --" +
             FileList(names) + " 2>/dev/null"));
    const std::map<std::string, std::string> makerNotes = MakerNoteSizes(names);
    ASSERT_EQ(exiftool.array.size(), names.size());

    const IjgMatchFinder finder;
    const EncoderCatalogue catalogue;
    int compared = 0;
    for (const JsonValue& theirs : exiftool.array) {
        const std::string name = theirs["SourceFile"].string;
        SCOPED_TRACE(name);
        const FileReport report = InspectFile(Utf8ToWide(kSamplesDir + "/files/" + name), finder, catalogue);
        if (!report.statements)
            continue;
        ++compared;
        for (const Field& field : Fields())
            CheckField(field, *report.statements, theirs);
        const auto note = makerNotes.find(name);
        CheckLists(*report.statements, theirs, note == makerNotes.end() ? "" : note->second);
        CheckThumbnail(*report.statements, theirs, WideToUtf8(thumbnails.Path()) + "/" + name);
    }
    EXPECT_GT(compared, 100);
}
#endif
