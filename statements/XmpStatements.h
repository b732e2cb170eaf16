#pragma once

#include "statements/FileStatements.h"

#include <cstddef>

// An XMP packet (the APP1 segment after "http://ns.adobe.com/xap/1.0/" and its
// NUL), read with expat: xmp:CreatorTool and the stEvt:softwareAgent of every
// xmpMM:History entry, each as an attribute or as an element. A packet that
// is not well-formed XML, or that declares a DTD (which XMP never does, and
// whose entities could be made to grow without end), makes "xmp" unreadable
// and says nothing.
void ReadXmpStatements(const unsigned char* packet, size_t size, FileStatements& statements);
