#pragma once

#include <vector>

// A deterministic, photo-like picture: a sky and ground gradient, soft
// clouds, a blurred disc, textured ground and fine grain. Integer arithmetic
// only, so every platform makes the same pixels. Rows are packed top to
// bottom, RGB (3 bytes a pixel) or greyscale (1 byte). Empty when a side is
// not positive.
std::vector<unsigned char> MakePhotoImage(int width, int height, bool greyscale);
