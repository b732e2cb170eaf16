#pragma once

#include "encoders/EncoderCatalogue.h"
#include "tests/support/TempDir.h"

#include <string>
#include <vector>

// Runs a program (found on PATH) with these arguments and waits; true when it
// exited with status 0.
bool RunProgram(const std::vector<std::string>& argv);

// The photo-like test picture as a binary PPM in dir, the input every encoder reads.
std::string WritePicture(const TempDir& dir, int width, int height);

// What the catalogue says about each table of a file, which must inspect as Ok.
std::vector<EncoderMatches> EncodersOf(const std::string& path);

std::string Utf8Path(const TempDir& dir, const std::string& name);

// Whether settings holds setting.
bool Holds(const MakerSettings& settings, const MakerSetting& setting);
