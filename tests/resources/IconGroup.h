// The images of an icon or cursor resource: the group's directory (RT_GROUP_ICON
// or RT_GROUP_CURSOR) and, for each entry, the bitmap header of its image.
#pragma once

#include <cstdint>
#include <vector>

class ResourceModule;

struct IconImage {
    // From the group directory.
    unsigned width = 0;
    unsigned height = 0;
    unsigned bitCount = 0;
    uint16_t imageId = 0;
    // From the image itself (RT_ICON or RT_CURSOR): the bitmap's size holds
    // the colour bits and the mask, so its height is twice the image's.
    int32_t bitmapWidth = 0;
    int32_t bitmapHeight = 0;
    uint16_t bitmapBitCount = 0;
    // Cursors only: the hot spot stored before the bitmap.
    uint16_t hotSpotX = 0;
    uint16_t hotSpotY = 0;
};

// Both throw std::out_of_range for a missing or truncated resource and
// std::invalid_argument for a group of the other kind.
std::vector<IconImage> ReadIconGroup(const ResourceModule& module, int id);
std::vector<IconImage> ReadCursorGroup(const ResourceModule& module, int id);
