#pragma once

#include <vector>

enum class Subsampling { s444, s422, s420 };

// How WriteJpeg compresses the photo-like picture. The defaults are the
// bundled sample: 320x240, IJG quality 75, 4:2:0 colour, baseline forced,
// standard Huffman tables.
struct JpegOptions {
    int width = 320;
    int height = 240;
    int quality = 75;            // jpeg_set_quality's quality, clamped by libjpeg to 1..100
    bool forceBaseline = true;   // jpeg_set_quality's third argument
    bool optimizeCoding = false; // Huffman tables fitted to the image
    bool progressive = false;    // jpeg_simple_progression's scan script
    bool greyscale = false;      // one component, one quantization table
    bool arithmetic = false;     // arithmetic coding, no DHT segments
    Subsampling sampling = Subsampling::s420; // ignored for greyscale
    unsigned restartInterval = 0; // MCUs between restart markers, 0 = none
};

// Compresses MakePhotoImage's picture through libjpeg and returns the file's
// bytes. A library error (a side of 0, arithmetic coding not compiled in)
// throws JpegLibraryError.
std::vector<unsigned char> WriteJpeg(const JpegOptions& options);

// The bundled sample: WriteJpeg with the default options.
std::vector<unsigned char> WriteSampleJpeg();

// Whether the linked libjpeg can write arithmetic-coded files.
bool ArithmeticCodingAvailable();
