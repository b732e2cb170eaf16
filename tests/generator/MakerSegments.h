#pragma once

#include "tests/generator/ByteStreams.h"

#include <string>
#include <vector>

// Marker segments in which a file speaks of its maker, built byte by byte:
// EXIF (a little-endian TIFF structure), Photoshop's image resources, Save
// for Web's "Ducky" fields, XMP packets, short JFIF and Adobe segments.

// A well-formed set: EXIF with Make "Caf" and a Latin-1 é, Model "Café
// Model", Orientation 6, DateTime, DateTimeOriginal, pixel size 3648x2736
// (LONG and SHORT), a 37-byte MakerNote and BaselineStream() as its IFD1
// thumbnail; Photoshop quality 10 progressive in 4 scans after an IPTC
// resource with an odd name; Save for Web quality 60; XMP with CreatorTool as
// an element and three history agents (attribute, element, attribute); a
// 300-byte comment with one byte that is not UTF-8, and "gd-jpeg" comment.
std::vector<MarkerSegment> WellFormedMakerSegments();

// A segment that states something in a damaged way, and the kind the
// reader must call unreadable ("exif", "thumbnail", "photoshop",
// "saveForWeb", "xmp", "jfif", "adobe").
struct HostileSegment {
    const char* name;
    const char* unreadable;
    MarkerSegment segment;
};

const std::vector<HostileSegment>& HostileMakerSegments();
