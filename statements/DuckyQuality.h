#pragma once

#include "statements/FileStatements.h"

#include <cstddef>

// The APP12 "Ducky" segment Photoshop's Save for Web writes, after that name:
// tagged fields (16-bit tag, 16-bit length, data) up to tag 0. Tag 1 is the
// quality, a percentage, into statements.saveForWebQuality; a field running
// past the end or a quality above 100 makes "saveForWeb" unreadable.
void ReadDuckyQuality(const unsigned char* fields, size_t size, FileStatements& statements);
