// The provenance check over every row of the facts about real files
// (../shared/maker-facts): what each file's headers and statements say.
#include "encoders/EncoderCatalogue.h"
#include "framework/TextEncoding.h"
#include "provenance/ExifTime.h"
#include "provenance/MakerNames.h"
#include "provenance/ProgramNames.h"
#include "provenance/ProvenanceJudge.h"
#include "tests/provenance/FactsRows.h"

#include <gtest/gtest.h>

#include <map>

namespace {

struct JudgedRow
{
    const FactsRow* row;
    ProvenanceVerdict verdict;
};

class ProvenanceFacts : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        rows = new std::vector<FactsRow>(ReadFactsRows(QUANTLENS_FACTS_DIR));
        judged = new std::vector<JudgedRow>();
        judge = new ProvenanceJudge();   // the verdicts point into its catalogue
        const EncoderCatalogue catalogue;
        for (const FactsRow& row : *rows)
            judged->push_back({&row, judge->Judge(row.facts, catalogue.FindAll(row.facts), row.statements)});
    }
    static void TearDownTestSuite()
    {
        delete judged;
        delete judge;
        delete rows;
    }
    void SetUp() override
    {
        if (rows->empty())
            GTEST_SKIP() << "no facts in " << QUANTLENS_FACTS_DIR;
    }

    static std::vector<FactsRow>* rows;
    static ProvenanceJudge* judge;
    static std::vector<JudgedRow>* judged;
};

std::vector<FactsRow>* ProvenanceFacts::rows = nullptr;
ProvenanceJudge* ProvenanceFacts::judge = nullptr;
std::vector<JudgedRow>* ProvenanceFacts::judged = nullptr;

bool NamesEditor(const FileStatements& statements, const ProgramNames& programs)
{
    std::vector<std::wstring> named = statements.xmpHistoryAgents;
    for (const auto& text : {statements.software, statements.xmpCreatorTool})
        if (text)
            named.push_back(*text);
    for (const std::wstring& text : named)
        if (!programs.Find(ProgramKind::Editor, text).empty())
            return true;
    for (const std::wstring& comment : statements.comments)
        if (!programs.Find(ProgramKind::Comment, comment).empty())
            return true;
    return statements.photoshop.has_value();
}

// The frame is the size the EXIF states, where it states one.
bool SizeAgrees(const FactsRow& row)
{
    const FileStatements& s = row.statements;
    return !s.exifWidth || (*s.exifWidth == row.facts.width && *s.exifHeight == row.facts.height);
}

bool ModifiedLater(const FileStatements& s)
{
    if (!s.dateTime || !s.dateTimeOriginal)
        return false;
    const auto modified = ExifSeconds(*s.dateTime), original = ExifSeconds(*s.dateTimeOriginal);
    return modified && original && *modified - *original > 30;
}

// A camera's file that shows no sign of editing in its statements and sizes.
bool LooksOriginal(const FactsRow& row, const ProgramNames& programs)
{
    return row.statements.make && row.facts.tableCount > 0 && !NamesEditor(row.statements, programs) &&
           SizeAgrees(row) && !ModifiedLater(row.statements) && !row.rawQuality;
}

TEST_F(ProvenanceFacts, FilesNamingAnEditorAreEdited)
{
    const ProgramNames programs;
    int named = 0;
    for (const JudgedRow& judgedRow : *judged) {
        if (!NamesEditor(judgedRow.row->statements, programs))
            continue;
        ++named;
        EXPECT_EQ(judgedRow.verdict.verdict, Verdict::Edited) << judgedRow.row->file;
    }
    EXPECT_GT(named, 50);
}

TEST_F(ProvenanceFacts, NoCameraOriginalIsEditedAndFewAreLikelyEdited)
{
    const ProgramNames programs;
    std::map<Verdict, int> counts;
    std::map<std::string, int> items;   // how many originals each hard or soft item flags
    int originals = 0;
    for (const JudgedRow& judgedRow : *judged) {
        if (!LooksOriginal(*judgedRow.row, programs))
            continue;
        ++originals;
        ++counts[judgedRow.verdict.verdict];
        EXPECT_NE(judgedRow.verdict.verdict, Verdict::Edited) << judgedRow.row->file;
        for (const Evidence& item : judgedRow.verdict.evidence)
            if (WeightOf(item.code) != EvidenceWeight::Support)
                ++items[EvidenceId(item.code)];
    }
    EXPECT_GT(originals, 150);
    EXPECT_LE(counts[Verdict::LikelyEdited] * 20, originals);
    std::cout << originals << " camera originals: " << counts[Verdict::ConsistentWithCamera] << " consistent, "
              << counts[Verdict::LikelyEdited] << " likely edited;";
    for (const auto& [code, count] : items)
        std::cout << " " << code << " " << count;
    std::cout << "\n";
}

// A file's own maker is the only one the encoder lines name for it, so that no
// named maker contradicts it; files without a camera get every maker seen.
TEST_F(ProvenanceFacts, EncoderLinesNameNoOtherMakerThanTheFiles)
{
    const MakerNames makers;
    for (const JudgedRow& judgedRow : *judged) {
        const FileStatements& statements = judgedRow.row->statements;
        if (!statements.make)
            continue;
        for (const CameraMatch* camera : judgedRow.verdict.cameras)
            EXPECT_EQ(camera->maker, makers.MakerOf(*statements.make)) << judgedRow.row->file;
    }
}

} // namespace
