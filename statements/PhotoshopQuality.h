#pragma once

#include "statements/FileStatements.h"

#include <cstddef>

// Photoshop's image resource blocks (the APP13 "Photoshop 3.0" segments'
// payloads after that name, joined): finds resource 0x0406, the JPEG quality
// Photoshop saved with, into statements.photoshop. A resource whose length
// runs past the end, or a quality outside 0..12, makes "photoshop" unreadable.
void ReadPhotoshopQuality(const unsigned char* resources, size_t size, FileStatements& statements);
