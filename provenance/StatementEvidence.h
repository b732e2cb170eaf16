#pragma once

#include "provenance/Evidence.h"
#include "provenance/FileClaims.h"
#include "provenance/ProgramNames.h"

#include <vector>

// What the file's own statements say of the programs it went through: an
// editor in Software, XMP CreatorTool or history, Photoshop's saved quality,
// a Save for Web segment, a comment written by an encoder; and for support
// a maker note and a Software that is a firmware version.
void AddStatementEvidence(const FileClaims& claims, const ProgramNames& programs, std::vector<Evidence>& evidence);
