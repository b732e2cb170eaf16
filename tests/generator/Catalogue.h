#pragma once

#include <string>
#include <vector>

// One file of the catalogue: a plain file name and its bytes.
struct CatalogueEntry {
    std::string fileName;
    std::vector<unsigned char> bytes;
};

// Every byte-built stream ("stream-NAME.jpg"), the bundled sample
// ("sample.jpg") and a spread of small libjpeg files over quality, baseline
// forcing, Huffman optimization, progression, greyscale, arithmetic coding
// (when available), subsampling, restart markers and odd sizes
// ("jpeg-….jpg", named after their options). Used as fuzzing seeds.
std::vector<CatalogueEntry> BuildCatalogue();
