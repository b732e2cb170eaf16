#pragma once

#include "cli/JsonWriter.h"
#include "encoders/EncoderCatalogue.h"
#include "provenance/ProvenanceVerdict.h"

#include <vector>

// The key "encoders": one list per found table of the settings that write it,
// {"encoder":"mozjpeg","table":3,"quality":75,"baseline":false} and the like,
// or of its scalings {"encoder":"scaled","base":…,"scaleMin":…,"scaleMax":…,
// "rounding":…}; then, given provenance, the Photoshop levels and camera
// originals that showed the tables (WriteObservedMakers); an empty list where nothing fits.
void WriteEncoders(JsonWriter& json, const std::vector<EncoderMatches>& perTable,
                   const ProvenanceVerdict* provenance = nullptr);
