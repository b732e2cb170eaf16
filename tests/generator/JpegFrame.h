#pragma once

#include <vector>

// One component of a frame header (SOF): identifier, sampling factors and
// the number of the quantization table it uses.
struct FrameComponent {
    int id;
    int hSampling;
    int vSampling;
    int quantTable;
};

// The contents of a frame header, written as given (no validation), so
// that streams can carry values a reader must refuse.
struct JpegFrame {
    int precision;
    int width;
    int height;
    std::vector<FrameComponent> components;
};
