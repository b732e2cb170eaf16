#pragma once

#include "encoders/EncoderCatalogue.h"
#include "inspect/JpegFacts.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Photoshop's saved JPEG quality (image resource 0x0406).
struct PhotoshopStatement
{
    int quality;   // 0..12
    int format;    // 0 standard, 1 optimized, 2 progressive, -1 not stated or unknown
    int scans;     // progressive scans as stored (3..5), 0 when not progressive
};

struct JfifStatement
{
    int majorVersion;
    int minorVersion;
    int densityX;
    int densityY;
    int unit;      // 0 none (aspect ratio), 1 dots per inch, 2 dots per cm
};

struct AdobeStatement
{
    int version;
    int transform;
};

// The EXIF thumbnail (IFD1's JPEG), read by the header reader from memory.
struct ThumbnailStatement
{
    std::int64_t bytes;
    JpegFacts facts;
    std::vector<EncoderMatches> encoders;   // the catalogue's reading of its tables
};

// What a file's own marker segments say about its maker. Only what is present
// is set; strings are as the file holds them, trimmed of trailing NULs and
// blanks, with bytes that are not UTF-8 replaced by U+FFFD.
struct FileStatements
{
    std::optional<std::wstring> make;
    std::optional<std::wstring> model;
    std::optional<std::wstring> software;
    std::optional<std::wstring> dateTime;           // IFD0 DateTime
    std::optional<std::wstring> dateTimeOriginal;   // Exif IFD
    std::optional<int> orientation;
    std::optional<std::int64_t> exifWidth;          // PixelXDimension
    std::optional<std::int64_t> exifHeight;         // PixelYDimension
    std::optional<std::int64_t> makerNoteBytes;     // present, with its byte count
    std::optional<PhotoshopStatement> photoshop;
    std::optional<int> saveForWebQuality;           // APP12 Ducky, tag 1
    std::optional<std::wstring> xmpCreatorTool;
    std::vector<std::wstring> xmpHistoryAgents;     // xmpMM:History stEvt:softwareAgent, in order
    std::optional<JfifStatement> jfif;
    std::optional<AdobeStatement> adobe;
    std::vector<std::wstring> comments;             // each at most 256 bytes of the file
    std::optional<ThumbnailStatement> thumbnail;
    // The statements that were present but could not be read, by their JSON
    // names ("exif", "photoshop", "xmp", "thumbnail", ...).
    std::vector<std::string> unreadable;
};
