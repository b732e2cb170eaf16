#pragma once

#include "encoders/EncoderCatalogue.h"

// The settings that write every table of a file, when they are all of one
// encoder; empty when the tables share none or more than one encoder shares them.
MakerSettings FileMakerSettings(const std::vector<EncoderMatches>& perTable);
