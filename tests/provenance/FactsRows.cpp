#include "tests/provenance/FactsRows.h"

#include "framework/TextEncoding.h"
#include "provenance/TableSetKey.h"
#include "provenance/TsvRows.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <set>
#include <sstream>

namespace {

std::optional<std::wstring> Text(const std::string& field)
{
    if (field == "-")
        return std::nullopt;
    return Utf8ToWide(field);
}

// "W x H" as two numbers; false when the field is not one.
bool ParseSize(const std::string& field, long long& width, long long& height)
{
    char x = 0;
    std::istringstream in(field);
    return static_cast<bool>(in >> width >> x >> height) && x == 'x' && in.peek() == EOF;
}

// "['Adobe Photoshop CS4 Windows', 'Adobe Photoshop CS4 Windows']" or one agent.
std::vector<std::wstring> HistoryAgents(const std::string& field)
{
    if (field == "-")
        return {};
    if (field.empty() || field[0] != '[')
        return {Utf8ToWide(field)};
    std::vector<std::wstring> agents;
    for (size_t open = field.find('\''); open != std::string::npos; open = field.find('\'', open + 1)) {
        const size_t close = field.find('\'', open + 1);
        if (close == std::string::npos)
            break;
        agents.push_back(Utf8ToWide(field.substr(open + 1, close - open - 1)));
        open = close;
    }
    return agents;
}

JpegFacts FactsOf(const TsvRows& rows, size_t r)
{
    JpegFacts facts{};
    const std::vector<QuantTable> tables = ParseTables(rows.Field(r, "tables"));
    facts.tableCount = static_cast<std::int32_t>(std::min<size_t>(tables.size(), 4));
    std::copy(tables.begin(), tables.begin() + facts.tableCount, facts.tables);
    long long width = 0, height = 0;
    if (ParseSize(rows.Field(r, "size"), width, height)) {
        facts.width = static_cast<std::int32_t>(width);
        facts.height = static_cast<std::int32_t>(height);
    }
    std::istringstream sampling(rows.Field(r, "sampling"));
    for (std::string part; std::getline(sampling, part, ',') && facts.components < 4; ++facts.components)
        std::sscanf(part.c_str(), "%dx%d", &facts.hSampling[facts.components], &facts.vSampling[facts.components]);
    facts.progressive = rows.Field(r, "progressive") == "yes";
    facts.standardHuffman = rows.Field(r, "huffman") == "standard";
    return facts;
}

FileStatements StatementsOf(const TsvRows& rows, size_t r)
{
    FileStatements statements;
    statements.make = Text(rows.Field(r, "make"));
    statements.model = Text(rows.Field(r, "model"));
    statements.software = Text(rows.Field(r, "software"));
    statements.xmpCreatorTool = Text(rows.Field(r, "creator_tool"));
    statements.xmpHistoryAgents = HistoryAgents(rows.Field(r, "history_agent"));
    statements.dateTimeOriginal = Text(rows.Field(r, "date_original"));
    statements.dateTime = Text(rows.Field(r, "date_modified"));
    if (const std::optional<std::wstring> comment = Text(rows.Field(r, "comment")))
        statements.comments.push_back(*comment);
    if (rows.Field(r, "photoshop_quality") != "-")
        statements.photoshop = PhotoshopStatement{std::atoi(rows.Field(r, "photoshop_quality").c_str()), -1, 0};
    // ducky_quality is left out: the column holds exiftool's Quality tag of any
    // group, for most cameras the maker note's ("Fine", and numbers for Nikon's).
    if (rows.Field(r, "maker_notes") == "yes")
        statements.makerNoteBytes = 1;
    long long width = 0, height = 0;
    if (ParseSize(rows.Field(r, "exif_size"), width, height)) {
        statements.exifWidth = width;
        statements.exifHeight = height;
    }
    int major = 0, minor = 0;
    if (std::sscanf(rows.Field(r, "jfif").c_str(), "%d.%d", &major, &minor) == 2)
        statements.jfif = JfifStatement{major, minor, 1, 1, 0};
    return statements;
}

std::vector<std::string> TsvFiles(const std::string& dir)
{
    std::vector<std::string> names;
    if (DIR* folder = opendir(dir.c_str())) {
        while (const dirent* entry = readdir(folder)) {
            const std::string name = entry->d_name;
            if (name.size() > 4 && name.compare(name.size() - 4, 4, ".tsv") == 0)
                names.push_back(dir + "/" + name);
        }
        closedir(folder);
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

std::vector<FactsRow> ReadFactsRows(const std::string& dir)
{
    std::vector<FactsRow> result;
    std::set<std::string> seen;   // a file in two sources counts once
    for (const std::string& path : TsvFiles(dir)) {
        std::ifstream in(path);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const TsvRows rows(text.c_str());
        for (size_t r = 0; r < rows.Size(); ++r)
            if (seen.insert(rows.Field(r, "sha256_16")).second)
                result.push_back({rows.Field(r, "file"), FactsOf(rows, r), StatementsOf(rows, r),
                                  rows.Field(r, "ducky_quality") == "RAW"});
    }
    return result;
}
