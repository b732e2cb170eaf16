#pragma once

#include <vector>

#include "tests/generator/JpegFrame.h"
#include "tests/generator/LibraryTables.h"

// A Huffman code: its `length` low bits, most significant first.
struct HuffmanCode {
    unsigned bits;
    int length;
};

// The canonical code of a symbol in a DHT table; std::invalid_argument when
// the table has no such symbol.
HuffmanCode CodeOfSymbol(const HuffmanTable& table, unsigned char symbol);

// The Huffman tables one scan component is coded with.
struct ScanTables {
    const HuffmanTable* dc;
    const HuffmanTable* ac;
};

// Entropy-coded data of a sequential Huffman scan in which every block is
// zero (a flat mid-grey picture): per block the DC code of difference 0 and
// the AC code of EOB, padded with 1-bits and byte-stuffed. `scanComponents`
// are indexes into frame.components with one ScanTables each; one index
// makes a non-interleaved scan, several an interleaved one.
std::vector<unsigned char> FlatScanData(const JpegFrame& frame,
                                        const std::vector<int>& scanComponents,
                                        const std::vector<ScanTables>& tables);
