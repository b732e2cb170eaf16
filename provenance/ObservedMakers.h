#pragma once

#include <string>
#include <vector>

// The camera originals of one maker that showed a table set.
struct CameraMatch
{
    std::wstring maker;
    std::vector<std::wstring> models;   // ascending; unnamed models left out
    int files;
};

// A Photoshop Save As level whose tables files stating it showed.
struct PhotoshopLevelMatch
{
    int level;              // 0..12
    std::wstring version;   // the one Photoshop seen writing them; empty when several or none
    int files;
};

// How a maker's camera originals are coded: how many files, and how many
// carry a maker note, a JFIF segment, optimized Huffman tables, a progressive frame.
struct MakerHabits
{
    int originals;
    int makerNote;
    int jfif;
    int optimized;
    int progressive;
};
