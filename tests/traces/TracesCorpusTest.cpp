// The traces read on files made at test time from the real samples, as
// users' files are made: each photo decoded, downscaled by a non-integer
// factor (so that no block grid of its own survives), then compressed once
// and twice with cjpeg, and once twice with a crop between the saves.
#include "framework/TextEncoding.h"
#include "tests/encoders/EncoderRuns.h"
#include "tests/support/TempDir.h"
#include "tests/traces/TraceReading.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

namespace {

const char* const kSamplesDir = QUANTLENS_SAMPLES_DIR "/files/";
constexpr double kScale = 0.71;

struct Picture
{
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
};

Picture ReadPpm(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::string magic;
    int maximum = 0;
    Picture picture;
    file >> magic >> picture.width >> picture.height >> maximum;
    file.get();
    picture.rgb.assign(std::istreambuf_iterator<char>(file), {});
    EXPECT_EQ(magic, "P6");
    EXPECT_EQ(picture.rgb.size(), static_cast<size_t>(picture.width) * picture.height * 3) << path;
    return picture;
}

void WritePpm(const Picture& picture, const std::string& path)
{
    std::ofstream file(path, std::ios::binary);
    file << "P6\n" << picture.width << " " << picture.height << "\n255\n";
    file.write(reinterpret_cast<const char*>(picture.rgb.data()), static_cast<std::streamsize>(picture.rgb.size()));
}

// Each target pixel averages the source area it covers, partial pixels weighted.
Picture Downscaled(const Picture& source, double scale)
{
    Picture target;
    target.width = static_cast<int>(source.width * scale);
    target.height = static_cast<int>(source.height * scale);
    target.rgb.resize(static_cast<size_t>(target.width) * target.height * 3);
    const double step = 1 / scale;
    for (int y = 0; y < target.height; ++y) {
        for (int x = 0; x < target.width; ++x) {
            double sum[3] = {0, 0, 0}, weight = 0;
            for (int sy = static_cast<int>(y * step); sy < std::min(source.height, static_cast<int>((y + 1) * step) + 1); ++sy) {
                const double wy = std::min<double>(sy + 1, (y + 1) * step) - std::max<double>(sy, y * step);
                for (int sx = static_cast<int>(x * step); sx < std::min(source.width, static_cast<int>((x + 1) * step) + 1); ++sx) {
                    const double w = wy * (std::min<double>(sx + 1, (x + 1) * step) - std::max<double>(sx, x * step));
                    if (w <= 0)
                        continue;
                    for (int c = 0; c < 3; ++c)
                        sum[c] += w * source.rgb[(static_cast<size_t>(sy) * source.width + sx) * 3 + c];
                    weight += w;
                }
            }
            for (int c = 0; c < 3; ++c)
                target.rgb[(static_cast<size_t>(y) * target.width + x) * 3 + c] =
                    static_cast<unsigned char>(sum[c] / weight + 0.5);
        }
    }
    return target;
}

Picture Cropped(const Picture& source, int left, int top)
{
    Picture target;
    target.width = source.width - left;
    target.height = source.height - top;
    for (int y = top; y < source.height; ++y) {
        const auto row = source.rgb.begin() + (static_cast<long>(y) * source.width + left) * 3;
        target.rgb.insert(target.rgb.end(), row, row + target.width * 3);
    }
    return target;
}

// The corpus of one photo in dir: what the files are named for the cases below.
class Corpus
{
public:
    Corpus(const TempDir& dir, const std::string& sample) : m_dir(dir)
    {
        const std::string decoded = Utf8Path(dir, "decoded.ppm");
        EXPECT_TRUE(RunProgram({"djpeg", "-outfile", decoded, kSamplesDir + sample})) << sample;
        WritePpm(Downscaled(ReadPpm(decoded), kScale), Utf8Path(dir, "scaled.ppm"));
    }

    std::string Once(int quality) const { return Compress(quality, "scaled.ppm"); }

    std::string Twice(int first, int last, int cropLeft = 0, int cropTop = 0) const
    {
        const std::string firstFile = Once(first);
        const std::string decoded = Utf8Path(m_dir, "first.ppm");
        EXPECT_TRUE(RunProgram({"djpeg", "-outfile", decoded, firstFile}));
        WritePpm(Cropped(ReadPpm(decoded), cropLeft, cropTop), decoded);
        return Compress(last, "first.ppm");
    }

private:
    std::string Compress(int quality, const std::string& input) const
    {
        std::ostringstream name;
        name << input << "-" << quality << "-" << m_made++ << ".jpg";
        const std::string output = Utf8Path(m_dir, name.str());
        EXPECT_TRUE(RunProgram({"cjpeg", "-quality", std::to_string(quality), "-outfile", output,
                                Utf8Path(m_dir, input)}));
        return output;
    }

    const TempDir& m_dir;
    mutable int m_made = 0;
};

struct Case
{
    int first;          // 0: compressed once
    int last;
    int cropLeft;
    int cropTop;
    TraceVerdict::Kind kind;
    int firstQuality;   // the quality the verdict names; 0 for none
};

using Kind = TraceVerdict::Kind;

const Case kCases[] = {
    {0, 75, 0, 0, Kind::None, 0},
    {0, 90, 0, 0, Kind::None, 0},
    {60, 80, 0, 0, Kind::Found, 60},
    {70, 90, 0, 0, Kind::Found, 70},
    {75, 95, 0, 0, Kind::Found, 75},
    {85, 75, 0, 0, Kind::Found, 85},
    // A crop between the saves shifts the first grid: no first quality may be named.
    {70, 90, 3, 0, Kind::None, 0},
};

#ifdef QUANTLENS_TRACES_ONE_SAMPLE
const char* const kSamples[] = {"mozcorpus_polarbear.jpg"};
#else
const char* const kSamples[] = {"mozcorpus_polarbear.jpg", "exifsamples_sanyo-vpcsx550.jpg",
                                "exifsamples_fujifilm-dx10.jpg"};
#endif

} // namespace

TEST(TracesCorpus, EarlierCompressionsOfRealPhotos)
{
    if (!std::ifstream(std::string(kSamplesDir) + kSamples[0]))
        GTEST_SKIP() << "no real samples beside the project (../shared/jpeg-samples)";
    for (const char* sample : kSamples) {
        TempDir dir;
        const Corpus corpus(dir, sample);
        for (const Case& c : kCases) {
            const std::string file = c.first == 0 ? corpus.Once(c.last)
                                                  : corpus.Twice(c.first, c.last, c.cropLeft, c.cropTop);
            const TraceVerdict verdict = VerdictOnFile(file);
            const std::string label = std::string(sample) + " " + std::to_string(c.first) + "->" +
                                      std::to_string(c.last) + " crop " + std::to_string(c.cropLeft);
            EXPECT_EQ(verdict.kind, c.kind) << label << ", score " << verdict.score;
            EXPECT_EQ(verdict.firstQuality, c.firstQuality) << label;
            EXPECT_TRUE(verdict.scored) << label;
            if (c.kind == Kind::Found) {
                EXPECT_LE(verdict.rangeLow, c.firstQuality) << label;
                EXPECT_GE(verdict.rangeHigh, c.firstQuality) << label;
            }
        }
    }
}
