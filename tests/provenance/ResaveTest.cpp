// Camera originals among the real samples, saved again at test time by the
// programs that re-save photos, with every tag copied back by exiftool: none
// may still read as the camera's own file. Pillow's quality="keep", which
// keeps the camera's tables, is left out: the headers alone may not show it.
#include "cli/FileReport.h"
#include "framework/TextEncoding.h"
#include "provenance/ProgramNames.h"
#include "tests/encoders/EncoderRuns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <dirent.h>
#include <fstream>
#include <iostream>

namespace {

const std::string kSamplesDir = QUANTLENS_SAMPLES_DIR;

class Resaves : public ::testing::Test
{
protected:
    FileReport Inspect(const std::string& path) const
    {
        return InspectFile(Utf8ToWide(path), m_finder, m_catalogue, &m_judge);
    }

    std::vector<std::string> Samples() const
    {
        std::vector<std::string> samples;
        if (DIR* folder = opendir(kSamplesDir.c_str())) {
            while (const dirent* entry = readdir(folder))
                if (entry->d_name[0] != '.')
                    samples.push_back(kSamplesDir + "/" + entry->d_name);
            closedir(folder);
        }
        std::sort(samples.begin(), samples.end());
        return samples;
    }

    // The samples the check takes for camera originals.
    std::vector<std::string> CameraOriginals() const
    {
        std::vector<std::string> originals;
        for (const std::string& path : Samples()) {
            const FileReport report = Inspect(path);
            if (report.provenance && report.provenance->verdict == Verdict::ConsistentWithCamera)
                originals.push_back(path);
        }
        return originals;
    }

    const IjgMatchFinder m_finder;
    const EncoderCatalogue m_catalogue;
    const ProvenanceJudge m_judge;
};

// Each program writes out from the original (or from its pixels as a PPM).
struct Resaver
{
    const char* name;
    std::vector<std::string> (*argv)(const std::string& original, const std::string& pixels, const std::string& out);
};

const Resaver kResavers[] = {
    {"cjpeg", [](const std::string&, const std::string& pixels, const std::string& out) {
         return std::vector<std::string>{"cjpeg", "-outfile", out, pixels};
     }},
    {"ImageMagick", [](const std::string& original, const std::string&, const std::string& out) {
         return std::vector<std::string>{"/usr/bin/convert", original, out};
     }},
    {"Pillow", [](const std::string& original, const std::string&, const std::string& out) {
         return std::vector<std::string>{"/usr/bin/python3", "-c",
                                         "import sys\nfrom PIL import Image\nImage.open(sys.argv[1]).save(sys.argv[2])",
                                         original, out};
     }},
    {"ffmpeg", [](const std::string& original, const std::string&, const std::string& out) {
         return std::vector<std::string>{"ffmpeg", "-loglevel", "quiet", "-y", "-i", original, "-frames:v", "1", out};
     }},
};

// sharp with mozjpeg on, as its users save: table set 3 at its default quality 80.
bool SharpResave(const TempDir& dir, const std::string& pixels, const std::string& out)
{
    const std::string jobs = Utf8Path(dir, "jobs.txt");
    std::ofstream(jobs) << "sharp 3 80 1 80 " << out << "\n";
    return RunProgram({"node", QUANTLENS_ENCODER_SCRIPTS "/mozjpeg.mjs", QUANTLENS_NPM_DIR, pixels, jobs});
}

bool CopyTagsBack(const std::string& original, const std::string& out)
{
    return RunProgram({"exiftool", "-q", "-q", "-overwrite_original", "-TagsFromFile", original, "-all:all", "-unsafe",
                       out});
}

} // namespace

// Read by the real statements reader: a sample whose Software or XMP names an
// editor is edited, every one.
TEST_F(Resaves, SamplesNamingAnEditorAreEdited)
{
    const ProgramNames programs;
    int named = 0;
    for (const std::string& path : Samples()) {
        const FileReport report = Inspect(path);
        if (!report.statements)
            continue;
        std::vector<std::wstring> texts = report.statements->xmpHistoryAgents;
        for (const auto& text : {report.statements->software, report.statements->xmpCreatorTool})
            if (text)
                texts.push_back(*text);
        const bool editor = std::any_of(texts.begin(), texts.end(), [&](const std::wstring& text) {
            return !programs.Find(ProgramKind::Editor, text).empty();
        });
        if (editor || report.statements->photoshop) {
            ++named;
            EXPECT_EQ(VerdictId(report.provenance->verdict), std::string("edited")) << path;
        }
    }
    if (named == 0)
        GTEST_SKIP() << "no real samples in " << kSamplesDir;
    EXPECT_GT(named, 20);
}

TEST_F(Resaves, NoResaveOfACameraOriginalReadsAsTheCamerasOwnFile)
{
    const std::vector<std::string> originals = CameraOriginals();
    if (originals.empty())
        GTEST_SKIP() << "no real samples in " << kSamplesDir;
    const TempDir dir;
    int resaves = 0;
    for (size_t i = 0; i < originals.size(); ++i) {
        const std::string& original = originals[i];
        const std::string pixels = Utf8Path(dir, std::to_string(i) + ".ppm");
        if (!RunProgram({"djpeg", "-outfile", pixels, original}))
            continue;   // a damaged sample the programs cannot decode whole
        std::vector<std::pair<std::string, std::string>> outputs;   // program, file
        for (const Resaver& resaver : kResavers) {
            const std::string out = Utf8Path(dir, std::to_string(i) + "-" + resaver.name + ".jpg");
            ASSERT_TRUE(RunProgram(resaver.argv(original, pixels, out))) << resaver.name << " on " << original;
            outputs.emplace_back(resaver.name, out);
        }
        const std::string sharp = Utf8Path(dir, std::to_string(i) + "-sharp.jpg");
        ASSERT_TRUE(SharpResave(dir, pixels, sharp)) << "sharp on " << original;
        outputs.emplace_back("sharp", sharp);
        for (const auto& [program, out] : outputs) {
            ASSERT_TRUE(CopyTagsBack(original, out)) << "exiftool on " << out;
            const FileReport report = Inspect(out);
            ASSERT_TRUE(report.provenance) << out;
            const Verdict verdict = report.provenance->verdict;
            EXPECT_TRUE(verdict == Verdict::Edited || verdict == Verdict::LikelyEdited)
                << program << " re-save of " << original << ": " << VerdictId(verdict);
            ++resaves;
        }
    }
    EXPECT_GE(resaves, 5 * 5);
    std::cout << resaves << " re-saves of " << originals.size() << " camera originals\n";
}
