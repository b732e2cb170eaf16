#pragma once

#include "encoders/EncoderCatalogue.h"
#include "statements/FileStatements.h"

#include <vector>

// The EXIF thumbnail's headers, read from memory by the same header reader as
// the file's, with the catalogue's reading of its tables. A thumbnail that is
// no JPEG the library accepts, or that has no frame and tables, is left out
// and "thumbnail" is marked unreadable.
void ReadThumbnail(const std::vector<unsigned char>& bytes, const EncoderCatalogue& catalogue,
                   FileStatements& statements);
