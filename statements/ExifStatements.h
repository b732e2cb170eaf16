#pragma once

#include "statements/FileStatements.h"

#include <cstddef>
#include <vector>

// The APP1 "Exif\0\0" segment's payload, read with libexif: IFD0's Make,
// Model, Software, DateTime and Orientation, the Exif IFD's DateTimeOriginal,
// pixel size and MakerNote, into statements; IFD1's JPEG thumbnail bytes
// into thumbnail. What libexif finds damaged (entries or IFDs past the end,
// IFDs that point back, a thumbnail outside the segment) it leaves out, and
// "exif" or "thumbnail" is marked unreadable.
void ReadExifStatements(const unsigned char* payload, size_t size, FileStatements& statements,
                        std::vector<unsigned char>& thumbnail);
