#pragma once

#include "cli/JsonWriter.h"
#include "statements/FileStatements.h"

// The key "statements": an object holding only what the file says (make,
// model, software, dateTime, dateTimeOriginal, orientation, exifSize,
// makerNote, photoshop, saveForWeb, xmp, jfif, adobe, comments, thumbnail)
// and, when some kind could not be read, "unreadable" with their names.
void WriteStatements(JsonWriter& json, const FileStatements& statements);
