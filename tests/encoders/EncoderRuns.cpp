#include "tests/encoders/EncoderRuns.h"

#include "framework/TextEncoding.h"
#include "inspect/InspectionRun.h"
#include "tests/generator/PhotoImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

bool RunProgram(const std::vector<std::string>& argv)
{
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    pid_t pid;
    if (posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0)
        return false;
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string Utf8Path(const TempDir& dir, const std::string& name)
{
    return WideToUtf8(dir.File(Utf8ToWide(name)));
}

std::string WritePicture(const TempDir& dir, int width, int height)
{
    const std::string header = "P6\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
    std::vector<unsigned char> bytes(header.begin(), header.end());
    const std::vector<unsigned char> pixels = MakePhotoImage(width, height, false);
    bytes.insert(bytes.end(), pixels.begin(), pixels.end());
    return WideToUtf8(dir.Write(L"picture.ppm", bytes));
}

std::vector<EncoderMatches> EncodersOf(const std::string& path)
{
    static const EncoderCatalogue catalogue;
    const InspectionOutcome outcome = InspectSourceFile(Utf8ToWide(path));
    EXPECT_EQ(outcome.status, InspectionOutcome::Status::Ok) << path << ": " << WideToUtf8(outcome.message);
    return catalogue.FindAll(outcome.facts);
}

bool Holds(const MakerSettings& settings, const MakerSetting& setting)
{
    return std::find(settings.begin(), settings.end(), setting) != settings.end();
}
