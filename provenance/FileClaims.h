#pragma once

#include "encoders/EncoderCatalogue.h"
#include "inspect/JpegFacts.h"
#include "statements/FileStatements.h"

#include <string>
#include <vector>

// What the evidence is drawn from for one file.
struct FileClaims
{
    const JpegFacts& facts;
    const std::vector<EncoderMatches>& encoders;
    const FileStatements& statements;
    std::wstring maker;         // the EXIF Make's maker; empty when no camera is named
    std::wstring model;         // the EXIF Model, blanks collapsed
    std::string tableSetKey;    // the tables with the sampling (TableSetKey)
};
