"""PNG contact sheets of written .ico and .cur files, read back from the files
themselves so that the sheets show what the resource compiler will get."""

import struct

from iconfile import png_file

CHECKER = ((204, 204, 204), (255, 255, 255))
BACKGROUNDS = ((255, 255, 255), (240, 240, 240), (58, 58, 58))   # window, dialog, dark
GAP = 8


def read_images(data):
    """The images of an .ico or .cur file as (width, height, rows of RGBA),
    where a cursor's inverted pixels come out magenta."""
    _, kind, count = struct.unpack_from('<HHH', data, 0)
    images = []
    for i in range(count):
        _, _, _, _, _, _, _, offset = struct.unpack_from('<BBBBHHII', data, 6 + 16 * i)
        images.append(_read_dib(data, offset))
    return kind, images


def _read_dib(data, offset):
    _, width, height2, _, bits, _, _, _, _, used, _ = struct.unpack_from('<IiiHHIIiiII', data, offset)
    height = height2 // 2
    pos = offset + 40
    palette = []
    if bits <= 8:
        entries = used or (1 << bits)
        palette = [data[pos + 4 * i: pos + 4 * i + 3][::-1] for i in range(entries)]
        pos += 4 * entries
    stride = (width * bits + 31) // 32 * 4
    mask_stride = (width + 31) // 32 * 4
    mask_pos = pos + stride * height

    def bit(base, row_stride, x, y):
        byte = data[base + (height - 1 - y) * row_stride + x // 8]
        return (byte >> (7 - x % 8)) & 1

    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            masked = bit(mask_pos, mask_stride, x, y)
            if bits == 32:
                b, g, r, a = data[pos + (height - 1 - y) * stride + 4 * x: pos + (height - 1 - y) * stride + 4 * x + 4]
                row.append((r, g, b, a))
                continue
            if bits == 8:
                index = data[pos + (height - 1 - y) * stride + x]
            else:
                index = bit(pos, stride, x, y)
            r, g, b = palette[index]
            if masked and index:
                row.append((255, 0, 255, 255))
            else:
                row.append((0, 0, 0, 0) if masked else (r, g, b, 255))
        rows.append(row)
    return width, height, rows


def _over(pixel, background):
    r, g, b, a = pixel
    return tuple((c * a + bg * (255 - a) + 127) // 255 for c, bg in zip((r, g, b), background))


def contact_sheet(images):
    """One row per image: enlarged on a checkerboard, then actual size on
    each background."""
    zoom = max(1, 256 // max(w for w, _, _ in images))
    widest = max(w for w, _, _ in images)
    sheet_w = GAP + widest * zoom + len(BACKGROUNDS) * (widest + 2 * GAP) + GAP
    sheet_h = GAP + sum(h * zoom + GAP for _, h, _ in images)
    sheet = [[(160, 160, 160, 255)] * sheet_w for _ in range(sheet_h)]
    top = GAP
    for w, h, rows in images:
        for y in range(h * zoom):
            for x in range(w * zoom):
                square = CHECKER[(x // 8 + y // 8) % 2]
                sheet[top + y][GAP + x] = _over(rows[y // zoom][x // zoom], square) + (255,)
        left = GAP + widest * zoom + GAP
        for background in BACKGROUNDS:
            for y in range(-GAP // 2, h + GAP // 2):
                for x in range(-GAP // 2, w + GAP // 2):
                    inside = 0 <= x < w and 0 <= y < h
                    colour = _over(rows[y][x], background) if inside else background
                    sheet[top + y][left + x] = colour + (255,)
            left += widest + 2 * GAP
        top += h * zoom + GAP
    return png_file(sheet_w, sheet_h, sheet)
