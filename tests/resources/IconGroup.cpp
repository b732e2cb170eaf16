#include "tests/resources/IconGroup.h"

#include "tests/resources/ByteReader.h"
#include "tests/resources/ResourceModule.h"

#include <stdexcept>
#include <string>

namespace {

enum class GroupKind { Icon = 1, Cursor = 2 };

void ReadBitmapHeader(ByteReader& in, IconImage& image)
{
    in.Dword();   // header size
    image.bitmapWidth = static_cast<int32_t>(in.Dword());
    image.bitmapHeight = static_cast<int32_t>(in.Dword());
    in.Word();    // planes
    image.bitmapBitCount = in.Word();
}

IconImage ReadEntry(const ResourceModule& module, ByteReader& in, GroupKind kind)
{
    IconImage image;
    if (kind == GroupKind::Icon) {
        image.width = in.Byte();
        image.height = in.Byte();
        in.Skip(2);   // colour count, reserved
    } else {
        image.width = in.Word();
        image.height = in.Word();
    }
    in.Word();        // planes
    image.bitCount = in.Word();
    in.Dword();       // bytes in the image resource
    image.imageId = in.Word();

    LPCWSTR imageType = kind == GroupKind::Icon ? RT_ICON : RT_CURSOR;
    std::string bytes = module.Bytes(imageType, image.imageId);
    ByteReader imageIn(bytes.data(), bytes.size());
    if (kind == GroupKind::Cursor) {
        image.hotSpotX = imageIn.Word();
        image.hotSpotY = imageIn.Word();
    }
    ReadBitmapHeader(imageIn, image);
    return image;
}

std::vector<IconImage> ReadGroup(const ResourceModule& module, int id, GroupKind kind)
{
    std::string bytes = module.Bytes(kind == GroupKind::Icon ? RT_GROUP_ICON : RT_GROUP_CURSOR, id);
    ByteReader in(bytes.data(), bytes.size());
    in.Word();   // reserved
    if (in.Word() != static_cast<uint16_t>(kind))
        throw std::invalid_argument("group " + std::to_string(id) + " has the wrong kind");
    std::vector<IconImage> images(in.Word());
    for (IconImage& image : images)
        image = ReadEntry(module, in, kind);
    return images;
}

}  // namespace

std::vector<IconImage> ReadIconGroup(const ResourceModule& module, int id)
{
    return ReadGroup(module, id, GroupKind::Icon);
}

std::vector<IconImage> ReadCursorGroup(const ResourceModule& module, int id)
{
    return ReadGroup(module, id, GroupKind::Cursor);
}
