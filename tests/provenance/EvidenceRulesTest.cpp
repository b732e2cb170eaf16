// The evidence rules on files described field by field: each case changes one
// thing of a plain camera file and names the evidence that must follow.
#include "encoders/EncoderCatalogue.h"
#include "encoders/IjgRuleScaler.h"
#include "encoders/MozjpegTables.h"
#include "inspect/IjgTables.h"
#include "provenance/ExifTime.h"
#include "provenance/MakerNames.h"
#include "provenance/ProvenanceJudge.h"
#include "framework/TextEncoding.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

// IJG's tables at quality 90, 4:2:2, as a Nikon writes them: standard
// Huffman, no JFIF, a maker note, the EXIF size the frame's.
struct CameraFile
{
    JpegFacts facts{};
    FileStatements statements;
    std::optional<TraceVerdict> traces;   // read only with --traces

    CameraFile()
    {
        const IjgTables ijg = BuildIjgTables(90, true);
        facts.tableCount = 2;
        facts.tables[0] = ijg.luminance;
        facts.tables[1] = ijg.chrominance;
        facts.components = 3;
        const int h[] = {1, 2, 2}, v[] = {1, 1, 1};
        std::copy(h, h + 3, facts.hSampling);
        std::copy(v, v + 3, facts.vSampling);
        facts.standardHuffman = 1;
        facts.width = 3008;
        facts.height = 2000;
        statements.make = L"NIKON CORPORATION";
        statements.model = L"NIKON D90";
        statements.software = L"Ver.1.00";
        statements.exifWidth = 3008;
        statements.exifHeight = 2000;
        statements.dateTimeOriginal = L"2011:04:25 01:55:30";
        statements.dateTime = L"2011:04:25 01:55:30";
        statements.makerNoteBytes = 8000;
    }
};

void Traced(CameraFile& file, TraceVerdict::Kind kind)
{
    file.traces = TraceVerdict{};
    file.traces->kind = kind;
    file.traces->firstQuality = kind == TraceVerdict::Kind::Found ? 75 : 0;
}

void MozjpegTables(CameraFile& file)
{
    IjgRuleScaler scaler;
    file.facts.tables[0] = scaler.Scale(MozjpegBase(3, true), 80, true);
    file.facts.tables[1] = scaler.Scale(MozjpegBase(3, false), 80, true);
}

struct RuleCase
{
    const char* name;
    std::function<void(CameraFile&)> change;
    Verdict verdict;
    std::vector<EvidenceCode> weighed;   // the hard and soft items, in order
};

const RuleCase kCases[] = {
    {"plain", [](CameraFile&) {}, Verdict::ConsistentWithCamera, {}},
    {"editor in Software", [](CameraFile& f) { f.statements.software = L"GIMP 2.10.30"; },
     Verdict::Edited, {EvidenceCode::EditorNamed}},
    {"editor in XMP history", [](CameraFile& f) { f.statements.xmpHistoryAgents = {L"Adobe Photoshop Lightroom 6.1"}; },
     Verdict::Edited, {EvidenceCode::EditorNamed}},
    {"Photoshop quality", [](CameraFile& f) { f.statements.photoshop = PhotoshopStatement{8, 0, 0}; },
     Verdict::Edited, {EvidenceCode::PhotoshopQuality}},
    {"Save for Web", [](CameraFile& f) { f.statements.saveForWebQuality = 60; }, Verdict::Edited,
     {EvidenceCode::SaveForWeb}},
    {"library comment", [](CameraFile& f) { f.statements.comments = {L"Lavc60.31.102"}; }, Verdict::Edited,
     {EvidenceCode::LibraryComment}},
    {"mozjpeg's tables", MozjpegTables, Verdict::Edited, {EvidenceCode::SoftwareTables}},
    {"cropped", [](CameraFile& f) { f.facts.width = 2900; }, Verdict::Edited, {EvidenceCode::SizeDiffers}},
    {"a whole fraction of the stated size", [](CameraFile& f) { f.facts.width = 1504, f.facts.height = 1000; },
     Verdict::ConsistentWithCamera, {}},
    {"stated padded to whole blocks", [](CameraFile& f) { f.statements.exifHeight = 2015; },
     Verdict::ConsistentWithCamera, {}},
    {"stated one block more", [](CameraFile& f) { f.statements.exifHeight = 2016; }, Verdict::Edited,
     {EvidenceCode::SizeDiffers}},
    {"turned", [](CameraFile& f) { f.facts.width = 2000, f.facts.height = 3008; }, Verdict::LikelyEdited,
     {EvidenceCode::SizeTurned}},
    {"progressive", [](CameraFile& f) { f.facts.progressive = 1; }, Verdict::LikelyEdited,
     {EvidenceCode::Progressive}},
    {"optimized Huffman", [](CameraFile& f) { f.facts.standardHuffman = 0; }, Verdict::LikelyEdited,
     {EvidenceCode::OptimizedHuffman}},
    {"JFIF beside IJG's tables", [](CameraFile& f) { f.statements.jfif = JfifStatement{1, 1, 1, 1, 0}; },
     Verdict::LikelyEdited, {EvidenceCode::JfifSegment}},
    {"modified 31 s later", [](CameraFile& f) { f.statements.dateTime = L"2011:04:25 01:56:01"; },
     Verdict::LikelyEdited, {EvidenceCode::ModifiedLater}},
    {"modified 30 s later", [](CameraFile& f) { f.statements.dateTime = L"2011:04:25 01:56:00"; },
     Verdict::ConsistentWithCamera, {}},
    {"no maker note", [](CameraFile& f) { f.statements.makerNoteBytes.reset(); }, Verdict::LikelyEdited,
     {EvidenceCode::MakerNoteMissing}},
    {"an earlier compression found", [](CameraFile& f) { Traced(f, TraceVerdict::Kind::Found); },
     Verdict::LikelyEdited, {EvidenceCode::EarlierCompression}},
    {"no earlier compression found", [](CameraFile& f) { Traced(f, TraceVerdict::Kind::None); },
     Verdict::ConsistentWithCamera, {}},
    {"no camera", [](CameraFile& f) { f.statements.make.reset(); }, Verdict::NoCameraStatement, {}},
    {"no camera, an editor", [](CameraFile& f) { f.statements = {}; f.statements.software = L"paint.net 4.2"; },
     Verdict::Edited, {EvidenceCode::EditorNamed}},
    {"unknown maker, mozjpeg's tables", [](CameraFile& f) { f.statements.make = L"Acme"; MozjpegTables(f); },
     Verdict::Edited, {EvidenceCode::SoftwareTables}},
    {"unknown maker, JFIF beside IJG's tables",
     [](CameraFile& f) { f.statements.make = L"Acme"; f.statements.jfif = JfifStatement{1, 2, 72, 72, 1}; },
     Verdict::LikelyEdited, {EvidenceCode::JfifSegment}},
};

TEST(EvidenceRules, EachChangeBringsItsEvidenceAndVerdict)
{
    const EncoderCatalogue catalogue;
    const ProvenanceJudge judge;
    for (const RuleCase& rule : kCases) {
        SCOPED_TRACE(rule.name);
        CameraFile file;
        rule.change(file);
        const ProvenanceVerdict verdict = judge.Judge(file.facts, catalogue.FindAll(file.facts), file.statements,
                                                      file.traces ? &*file.traces : nullptr);
        EXPECT_EQ(VerdictId(verdict.verdict), std::string(VerdictId(rule.verdict)));
        std::vector<EvidenceCode> weighed;
        for (const Evidence& item : verdict.evidence)
            if (WeightOf(item.code) != EvidenceWeight::Support)
                weighed.push_back(item.code);
        EXPECT_EQ(weighed, rule.weighed);
    }
}

TEST(EvidenceRules, ExifTimesReadOnlyWhole)
{
    EXPECT_EQ(ExifSeconds(L"1970:01:01 00:00:00"), 0);
    EXPECT_EQ(ExifSeconds(L"2000:03:01 00:00:01"), 951868801);
    EXPECT_EQ(ExifSeconds(L"2024:02:29 23:59:59"), 1709251199);
    for (const wchar_t* bad : {L"", L"0000:00:00 00:00:00", L"2023:02:29 10:00:00", L"2023:13:01 10:00:00",
                               L"2023:01:01 24:00:00", L": : : :", L"2023-01-01 10:00:00", L"2023:01:01 10:00"})
        EXPECT_FALSE(ExifSeconds(bad)) << WideToUtf8(bad);
}

TEST(EvidenceRules, MakesNameOneMakerByTheirLongestPrefix)
{
    const MakerNames makers;
    EXPECT_EQ(makers.MakerOf(L"NIKON CORPORATION"), L"Nikon");
    EXPECT_EQ(makers.MakerOf(L"nikon"), L"Nikon");
    EXPECT_EQ(makers.MakerOf(L"Sony  Ericsson "), L"Sony Ericsson");
    EXPECT_EQ(makers.MakerOf(L"SONY"), L"Sony");
    EXPECT_EQ(makers.MakerOf(L"KONICA MINOLTA"), L"Minolta");
    EXPECT_EQ(makers.MakerOf(L" Acme  Optical "), L"Acme Optical");
}

} // namespace
