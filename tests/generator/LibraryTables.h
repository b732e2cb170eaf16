#pragma once

#include <array>
#include <vector>

#include "tests/generator/ZigzagOrder.h"

// The contents of one DHT table: bits[k] symbols have codes of k bits
// (bits[0] unused, 0, as libjpeg keeps it), values in code order.
struct HuffmanTable {
    std::array<unsigned char, 17> bits{};
    std::vector<unsigned char> values;
};

enum class HuffmanClass { dc = 0, ac = 1 };

// IJG's table for a quality as jpeg_set_quality makes it: slot 0 the
// luminance table, slot 1 the chrominance table.
QuantValues IjgQuantTable(int quality, bool forceBaseline, int slot);

// The typical Huffman tables of the JPEG standard's Annex K as libjpeg's
// jpeg_set_defaults installs them: slot 0 luminance, slot 1 chrominance.
HuffmanTable StandardHuffmanTable(HuffmanClass tableClass, int slot);
