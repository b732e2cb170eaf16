#pragma once

#include "cli/JsonWriter.h"
#include "encoders/EncoderCatalogue.h"
#include "provenance/ProvenanceVerdict.h"

// The key "provenance": {"verdict":…,"evidence":[{"code":…,"detail":…}]}.
void WriteProvenance(JsonWriter& json, const ProvenanceVerdict& provenance);

// The objects a table's "encoders" list gets after the rules' settings:
// {"encoder":"photoshop","quality":6,"files":4} (with "version" when one
// Photoshop was seen) and {"encoder":"camera","make":"Canon","models":[…],"files":4}.
void WriteObservedMakers(JsonWriter& json, const EncoderMatches& matches, const ProvenanceVerdict& provenance);

// The detail of an evidence item in the JSON: the statement, setting, sizes or
// times it rests on, e.g. "Software: GIMP 2.4.5", "mozjpeg table 3 quality 80 baseline",
// "3064x2379 exif 3872x2592".
std::wstring EvidenceDetail(const Evidence& item);
