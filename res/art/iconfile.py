"""Writers for Windows icon (.ico) and cursor (.cur) files, and PNG previews.

Icon images are stored as device-independent bitmaps (not PNG), which every
Windows version reads: a BITMAPINFOHEADER with twice the image height, the
colour bits bottom-up, then the 1-bit AND mask (1 = transparent).
"""

import struct
import zlib


def _row_bytes(bits_per_row):
    return (bits_per_row + 31) // 32 * 4


def _mask_bits(width, height, transparent):
    """The AND mask, bottom-up; transparent(x, y) tells which bits are set."""
    out = bytearray()
    for y in reversed(range(height)):
        row = bytearray(_row_bytes(width))
        for x in range(width):
            if transparent(x, y):
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def _bitmap_header(width, height, bit_count, image_size, colours_used=0):
    return struct.pack('<IiiHHIIiiII', 40, width, height * 2, 1, bit_count, 0,
                       image_size, 0, 0, colours_used, 0)


def dib_32bit(canvas):
    """A 32-bit image with straight alpha and an AND mask from the alpha."""
    w, h = canvas.width, canvas.height
    colour = bytearray()
    for y in reversed(range(h)):
        for x in range(w):
            r, g, b, a = canvas.rgba8(x, y)
            colour += bytes((b, g, r, a))
    mask = _mask_bits(w, h, lambda x, y: canvas.rgba8(x, y)[3] == 0)
    return _bitmap_header(w, h, 32, len(colour) + len(mask)) + bytes(colour) + mask


def dib_8bit(canvas):
    """A 256-colour image of an opaque-or-transparent canvas. The palette
    holds the canvas's colours in order of appearance, padded to 256."""
    w, h = canvas.width, canvas.height
    palette = [(0, 0, 0)]
    indices = {}
    for y in range(h):
        for x in range(w):
            r, g, b, a = canvas.rgba8(x, y)
            if a not in (0, 255):
                raise ValueError('a 256-colour icon cannot hold partial transparency')
            if a and (r, g, b) not in indices:
                indices[(r, g, b)] = len(palette)
                palette.append((r, g, b))
    if len(palette) > 256:
        raise ValueError('more than 256 colours')
    palette += [(0, 0, 0)] * (256 - len(palette))

    def index(x, y):
        r, g, b, a = canvas.rgba8(x, y)
        return indices[(r, g, b)] if a else 0

    colour = bytearray()
    for y in reversed(range(h)):
        row = bytearray(_row_bytes(w * 8))
        for x in range(w):
            row[x] = index(x, y)
        colour += row
    mask = _mask_bits(w, h, lambda x, y: canvas.rgba8(x, y)[3] == 0)
    table = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    return _bitmap_header(w, h, 8, len(colour) + len(mask)) + table + bytes(colour) + mask


def dib_1bit(rows):
    """A monochrome image from rows of '#' (black), 'o' (white), '.'
    (transparent) and '^' (inverted screen). Palette: black, white."""
    h, w = len(rows), len(rows[0])

    def bit_rows(bit_set):
        out = bytearray()
        for y in reversed(range(h)):
            row = bytearray(_row_bytes(w))
            for x in range(w):
                if bit_set(rows[y][x]):
                    row[x // 8] |= 0x80 >> (x % 8)
            out += row
        return bytes(out)

    xor = bit_rows(lambda c: c in 'o^')
    mask = bit_rows(lambda c: c in '.^')
    table = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    return _bitmap_header(w, h, 1, len(xor) + len(mask)) + table + xor + mask


def _directory(kind, entries):
    """An icon (kind 1) or cursor (kind 2) file from (entry_fields, dib)
    pairs; entry_fields are the four bytes and two words of the entry."""
    out = bytearray(struct.pack('<HHH', 0, kind, len(entries)))
    offset = 6 + 16 * len(entries)
    for (w, h, colours, word1, word2), dib in entries:
        out += struct.pack('<BBBBHHII', w % 256, h % 256, colours, 0, word1, word2, len(dib), offset)
        offset += len(dib)
    for _, dib in entries:
        out += dib
    return bytes(out)


def icon_file(images):
    """An .ico file from (canvas, bit_count) pairs, bit_count 32 or 8."""
    entries = []
    for canvas, bit_count in images:
        dib = dib_32bit(canvas) if bit_count == 32 else dib_8bit(canvas)
        entries.append(((canvas.width, canvas.height, 0, 1, bit_count), dib))
    return _directory(1, entries)


def cursor_file(rows, hot_x, hot_y):
    """A .cur file holding one monochrome image (see dib_1bit)."""
    return _directory(2, [((len(rows[0]), len(rows), 2, hot_x, hot_y), dib_1bit(rows))])


def png_file(width, height, rgba_rows):
    """A PNG file from rows of (r, g, b, a) 8-bit tuples."""
    raw = b''.join(b'\0' + b''.join(bytes(p) for p in row) for row in rgba_rows)

    def chunk(tag, data):
        return (struct.pack('>I', len(data)) + tag + data
                + struct.pack('>I', zlib.crc32(tag + data) & 0xffffffff))

    header = struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header)
            + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))
