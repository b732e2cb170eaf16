#pragma once

#include <array>
#include <optional>
#include <vector>

#include "tests/generator/JpegErrors.h"
#include "tests/generator/JpegFrame.h"
#include "tests/generator/ZigzagOrder.h"

// The generator's tests read their data back through libjpeg's decompressor
// (memory source, errors thrown as JpegLibraryError).

using QuantSlots = std::array<std::optional<QuantValues>, NUM_QUANT_TBLS>;
using HuffmanBits = std::array<unsigned char, 17>;

// What jpeg_read_header (require_image false) leaves in the object.
struct HeaderProbe {
    int result = 0; // JPEG_HEADER_OK or JPEG_HEADER_TABLES_ONLY
    int width = 0;
    int height = 0;
    int precision = 0;
    J_COLOR_SPACE colorSpace = JCS_UNKNOWN;
    bool progressive = false;
    bool arithmetic = false;
    int frameMarker = 0; // code of the SOF marker (0xC0 baseline), 0 without a frame
    bool sawJfif = false;
    unsigned restartInterval = 0;
    std::vector<FrameComponent> components;
    QuantSlots quantTables;
    std::optional<HuffmanBits> dcBits0; // code-length counts of DC table 0
    std::optional<HuffmanBits> acBits0; // code-length counts of AC table 0
    long warnings = 0;
};

HeaderProbe ProbeHeader(const std::vector<unsigned char>& bytes);

// A full decode in the library's default output colour space.
struct DecodedImage {
    int width = 0;
    int height = 0;
    int channels = 0;
    std::vector<unsigned char> pixels;
    QuantSlots quantTables; // as defined once the whole stream is read
    long warnings = 0;
};

DecodedImage DecodeImage(const std::vector<unsigned char>& bytes);
