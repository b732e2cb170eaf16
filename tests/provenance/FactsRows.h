#pragma once

#include "inspect/JpegFacts.h"
#include "statements/FileStatements.h"

#include <optional>
#include <string>
#include <vector>

// One row of ../shared/maker-facts as the header reader and the statements
// reader would give it: what the provenance check reads of a real file.
struct FactsRow
{
    std::string file;
    JpegFacts facts;
    FileStatements statements;
    bool rawQuality;   // the camera's own quality statement says RAW
};

// Every row of every .tsv in dir, each file once; empty when dir is missing.
std::vector<FactsRow> ReadFactsRows(const std::string& dir);
