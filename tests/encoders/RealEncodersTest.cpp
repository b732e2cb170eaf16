// Files written by the real encoders at test time, each named with the
// setting that wrote it; files no rule makes name no encoder.
#include "encoders/FileMaker.h"
#include "encoders/PillowPresets.h"
#include "framework/TextEncoding.h"
#include "tests/encoders/EncoderRuns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace {

const int kWidth = 64;
const int kHeight = 48;

// Qualities where IJG's rule changes behaviour (clamping to 255 up to 24 for
// luminance, the scale's bend at 50, all ones at 100) and between.
const int kQualities[] = {1, 3, 7, 12, 18, 24, 25, 33, 50, 51, 64, 75, 86, 93, 99, 100};

std::string Name(const std::string& encoder, int a, int b, int c)
{
    return encoder + "-" + std::to_string(a) + "-" + std::to_string(b) + "-" + std::to_string(c) + ".jpg";
}

// The first table names luminance, the others chrominance.
void ExpectNamed(const std::string& path, const MakerSetting& luminance, const MakerSetting& chrominance)
{
    SCOPED_TRACE(path);
    const std::vector<EncoderMatches> perTable = EncodersOf(path);
    ASSERT_FALSE(perTable.empty());
    for (size_t t = 0; t < perTable.size(); ++t)
        EXPECT_TRUE(Holds(perTable[t].makers, t == 0 ? luminance : chrominance)) << "table " << t + 1;
}

} // namespace

TEST(RealEncoders, CjpegFilesNameTheirIjgQualityAndForcing)
{
    const TempDir dir;
    const std::string picture = WritePicture(dir, kWidth, kHeight);
    for (int quality = 1; quality <= 100; ++quality) {
        for (bool forced : {true, false}) {
            const std::string out = Utf8Path(dir, Name("cjpeg", quality, forced, 0));
            std::vector<std::string> argv = {"cjpeg", "-quality", std::to_string(quality), "-outfile", out};
            if (forced)
                argv.insert(argv.begin() + 1, "-baseline");
            argv.push_back(picture);
            ASSERT_TRUE(RunProgram(argv)) << "cjpeg failed";
            const MakerSetting truth{Encoder::Ijg, 0, quality, forced};
            ExpectNamed(out, truth, truth);
        }
    }
}

TEST(RealEncoders, MozjpegFilesOfBothBuildsNameTheirTableSetQualityAndForcing)
{
    const TempDir dir;
    const std::string picture = WritePicture(dir, kWidth, kHeight);
    struct Job
    {
        std::string build;
        int set, quality, chromaQuality;
        bool forced;
        std::string out;
    };
    std::vector<Job> jobs;
    for (int set = 0; set <= 8; ++set) {
        for (int quality : kQualities) {
            jobs.push_back({"jsquash", set, quality, quality, true, ""});
            jobs.push_back({"jsquash", set, quality, quality, false, ""});
            jobs.push_back({"sharp", set, quality, quality, true, ""});
        }
        jobs.push_back({"jsquash", set, 80, 60, false, ""});
        jobs.push_back({"jsquash", set, 20, 45, true, ""});
    }
    std::ofstream list(Utf8Path(dir, "jobs.txt"));
    for (size_t i = 0; i < jobs.size(); ++i) {
        Job& job = jobs[i];
        job.out = Utf8Path(dir, job.build + Name("", job.set, job.quality, static_cast<int>(i)));
        list << job.build << ' ' << job.set << ' ' << job.quality << ' ' << job.forced << ' '
             << job.chromaQuality << ' ' << job.out << '\n';
    }
    list.close();
    ASSERT_TRUE(RunProgram({"node", QUANTLENS_ENCODER_SCRIPTS "/mozjpeg.mjs", QUANTLENS_NPM_DIR, picture,
                            Utf8Path(dir, "jobs.txt")}))
        << "the mozjpeg builds failed (scripts/setup installs them)";
    for (const Job& job : jobs) {
        // Set 0 is the standard's tables, which the catalogue calls IJG's.
        const Encoder encoder = job.set == 0 ? Encoder::Ijg : Encoder::Mozjpeg;
        ExpectNamed(job.out, {encoder, job.set, job.quality, job.forced},
                    {encoder, job.set, job.chromaQuality, job.forced});
    }
}

TEST(RealEncoders, FfmpegFilesNameExactlyTheirQscale)
{
    const TempDir dir;
    const std::string picture = WritePicture(dir, kWidth, kHeight);
    for (int qscale = 1; qscale <= 31; ++qscale) {
        const std::string out = Utf8Path(dir, Name("ffmpeg", qscale, 0, 0));
        ASSERT_TRUE(RunProgram({"ffmpeg", "-loglevel", "error", "-y", "-i", picture, "-q:v",
                                std::to_string(qscale), out}));
        SCOPED_TRACE(out);
        const std::vector<EncoderMatches> perTable = EncodersOf(out);
        // ffmpeg raises -q:v 1 to its minimum, 2.
        const MakerSettings truth = {{Encoder::Ffmpeg, 0, std::max(qscale, 2), false}};
        ASSERT_EQ(perTable.size(), 1u);
        EXPECT_EQ(perTable[0].makers, truth);
        EXPECT_EQ(FileMakerSettings(perTable), truth);
    }
}

TEST(RealEncoders, PillowPresetFilesNameExactlyTheirPreset)
{
    const TempDir dir;
    const std::string picture = WritePicture(dir, kWidth, kHeight);
    std::vector<std::string> argv = {"/usr/bin/python3", QUANTLENS_ENCODER_SCRIPTS "/pillow.py", picture,
                                     WideToUtf8(dir.Path())};
    for (int index = 0; index < kPillowPresetCount; ++index)
        argv.push_back(PillowPresetAt(index).name);
    ASSERT_TRUE(RunProgram(argv)) << "Pillow failed (python3-pil)";
    for (int index = 0; index < kPillowPresetCount; ++index) {
        const std::string out = Utf8Path(dir, std::string(PillowPresetAt(index).name) + ".jpg");
        SCOPED_TRACE(out);
        const MakerSettings truth = {{Encoder::Pillow, index, 0, false}};
        EXPECT_EQ(FileMakerSettings(EncodersOf(out)), truth);
    }
}

TEST(RealEncoders, GuetzliFilesNameNoEncoder)
{
    const TempDir dir;
    const std::string png = Utf8Path(dir, "picture.png");
    ASSERT_TRUE(RunProgram({"ffmpeg", "-loglevel", "error", "-y", "-i", WritePicture(dir, kWidth, kHeight), png}));
    // (At 100 guetzli writes tables of ones, which IJG writes at 100 too.)
    for (int quality : {84, 90, 95}) {
        const std::string out = Utf8Path(dir, Name("guetzli", quality, 0, 0));
        ASSERT_TRUE(RunProgram({"guetzli", "--quality", std::to_string(quality), png, out}));
        SCOPED_TRACE(out);
        for (const EncoderMatches& matches : EncodersOf(out))
            EXPECT_TRUE(matches.makers.empty());
    }
}
