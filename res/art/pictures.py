"""The pictures of Quantlens: program icon, help icon, the two button icons
and the pointing-hand cursor.

Each size of an icon is laid out in whole pixels of its own, so that the
table lines and digits fall on pixel edges instead of blurring.
"""

from raster import (Arc, Box, Canvas, Capsule, Circle, Magnified, from_pixel_art,
                    hex_colour, linear, mix, radial)

# ---------------------------------------------------------------- program icon

# A 3 x 5 pixel font for the digits in the table.
DIGITS = {
    '0': ('###', '#.#', '#.#', '#.#', '###'),
    '1': ('.#.', '##.', '.#.', '.#.', '###'),
    '2': ('###', '..#', '###', '#..', '###'),
    '3': ('###', '..#', '.##', '..#', '###'),
    '4': ('#.#', '#.#', '###', '..#', '..#'),
    '5': ('###', '#..', '###', '..#', '###'),
    '6': ('###', '#..', '###', '#.#', '###'),
    '7': ('###', '..#', '..#', '.#.', '.#.'),
    '8': ('###', '#.#', '###', '#.#', '###'),
    '9': ('###', '#.#', '###', '..#', '###'),
}

# Top-left corners of IJG's luminance table: at quality 50 for the large
# sizes, at quality 90 (single digits) where the cells are small.
TABLE_Q50 = (
    (16, 11, 10, 16),
    (12, 12, 14, 19),
    (14, 13, 16, 24),
    (14, 17, 22, 29),
)
TABLE_Q90 = (
    (3, 2, 2),
    (2, 2, 3),
    (3, 3, 3),
)

INK = hex_colour('1f2d45')
GRID = hex_colour('a9b7cc')
CARD_EDGE = hex_colour('5b6a82')
LOW_CELL = hex_colour('dce9ff')     # small values: little loss
HIGH_CELL = hex_colour('ffc98f')    # large values: more loss

# Per size: the card, the grid (cells across, cell size, origin), whether the
# cells show digits or dashes, and the lens (centre, ring radii, handle end
# and half thickness). The glass doubles what lies under it; with the centre
# on a pixel corner the enlarged digits stay sharp.
MAIN_LAYOUTS = {
    64: dict(card=(3, 3, 48, 48), cells=4, cell=10, grid=(5, 5), numbers=TABLE_Q50,
             lens=(41, 40), outer=16.5, inner=12.5, handle_end=(60.5, 60.5), handle=3.6),
    48: dict(card=(2, 2, 36, 36), cells=3, cell=10, grid=(4, 4), numbers=TABLE_Q50,
             lens=(30, 30), outer=12.5, inner=9.5, handle_end=(45.5, 45.5), handle=2.8),
    32: dict(card=(0, 0, 27, 27), cells=3, cell=8, grid=(1, 1), numbers=TABLE_Q90,
             lens=(21, 21), outer=8.8, inner=6.3, handle_end=(30.2, 30.2), handle=2.0),
    16: dict(card=(0, 0, 13, 13), cells=3, cell=4, grid=(0, 0), numbers=None,
             lens=(10, 10), outer=4.9, inner=3.0, handle_end=(15.2, 15.2), handle=1.5),
}
ZOOM = 2.0


def glyph(digit, left, top):
    rows = DIGITS[digit]
    return [Box(left + x, top + y, left + x + 1, top + y + 1)
            for y, row in enumerate(rows) for x, c in enumerate(row) if c == '#']


def draw_table(canvas, layout, magnify=None):
    """The quantization table card; magnify=(cx, cy, k) draws it enlarged."""
    def shape(s):
        return s if magnify is None else Magnified(s, *magnify)

    x0, y0, x1, y1 = layout['card']
    n, size = layout['cells'], layout['cell']
    gx, gy = layout['grid']
    canvas.fill(shape(Box(x0, y0, x1, y1, 1.5)), CARD_EDGE)
    canvas.fill(shape(Box(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 0.8)),
                linear(x0, y0, hex_colour('ffffff'), x1, y1, hex_colour('eef2f8')))
    for row in range(n):
        for col in range(n):
            left, top = gx + col * size, gy + row * size
            heat = (row + col) / (2 * (n - 1))
            canvas.fill(shape(Box(left + 1, top + 1, left + size, top + size)),
                        mix(LOW_CELL, HIGH_CELL, heat))
            if layout['numbers']:
                text = str(layout['numbers'][row][col])
                text_left = left + 1 + (size - 4 * len(text)) // 2
                for i, digit in enumerate(text):
                    for box in glyph(digit, text_left + 4 * i, top + (size - 4) // 2):
                        canvas.fill(shape(box), INK)
            else:   # too small for digits: a dash stands for a number
                canvas.fill(shape(Box(left + 1, top + 2, left + size - 1, top + 3)),
                            hex_colour('1f2d45', 0.75))
    for i in range(n + 1):
        canvas.fill(shape(Box(gx + i * size, gy, gx + i * size + 1, gy + n * size + 1)), GRID)
        canvas.fill(shape(Box(gx, gy + i * size, gx + n * size + 1, gy + i * size + 1)), GRID)


def main_icon(size):
    layout = MAIN_LAYOUTS[size]
    canvas = Canvas(size, size)
    cx, cy = layout['lens']
    outer, inner = layout['outer'], layout['inner']
    hx, hy = layout['handle_end']
    x0, y0, x1, y1 = layout['card']

    # A soft shadow under the card, then the card itself.
    shadow = size / 48
    canvas.fill(Box(x0 + shadow, y0 + 2 * shadow, x1 + shadow, y1 + 2 * shadow, 2.0),
                hex_colour('000000', 0.22))
    draw_table(canvas, layout)

    # The handle, from the ring to the corner, with a metal collar where
    # there is room for one.
    start = 0.7071 * outer
    handle = Capsule(cx + start, cy + start, hx, hy, layout['handle'])
    canvas.fill(handle, linear(cx, cy + 2 * outer, hex_colour('4a5873'),
                               cx + 2 * outer, cy, hex_colour('151c2b')))
    if size >= 48:
        collar_end = 0.7071 * (outer + layout['handle'] * 1.6)
        canvas.fill(Capsule(cx + start, cy + start, cx + collar_end, cy + collar_end,
                            layout['handle'] * 1.05),
                    linear(cx, cy + 2 * outer, hex_colour('d9dee6'), cx + 2 * outer, cy,
                           hex_colour('7d8796')))

    # The glass: the table under it, enlarged, tinted a little blue.
    glass = Circle(cx, cy, inner + 0.5)
    under = Canvas(size, size)
    under.fill(glass, hex_colour('ffffff'))
    draw_table(under, layout, magnify=(cx, cy, ZOOM))
    canvas.draw(under, clip=glass)
    canvas.fill(glass, radial(cx - inner * 0.4, cy - inner * 0.4, inner * 1.6,
                              hex_colour('d6ecff', 0.05), hex_colour('5d9be0', 0.25)))
    gloss = Circle(cx, cy, inner - max(1.0, inner * 0.12)) - Circle(
        cx + inner * 0.22, cy + inner * 0.26, inner * 0.98)
    canvas.fill(gloss, hex_colour('ffffff', 0.45))

    # The ring, lit from the top left.
    ring = Circle(cx, cy, outer) - Circle(cx, cy, inner)
    canvas.fill(ring, linear(cx - outer, cy - outer, hex_colour('6f86ad'),
                             cx + outer, cy + outer, hex_colour('1c2a47')))
    if size >= 48:
        canvas.fill(Arc(cx, cy, outer - 1.0, 190, 260, 0.45), hex_colour('c9d8f0', 0.8))
    return canvas


# ---------------------------------------------------------------- help icon

def question_mark(c, s, dx=0.0, dy=0.0):
    """A hook, a short stem and a dot, centred on (c + dx, c + dy); s is the
    scale of a 32-pixel icon."""
    x, y, stroke = c + dx, c + dy, 2.1 * s
    hook = Arc(x, y - 3.4 * s, 5.0 * s, 165, 415, stroke)
    end_x, end_y = hook.point(hook.start + hook.span)
    return (hook
            | Capsule(end_x, end_y, x, y + 3.0 * s, stroke)
            | Capsule(x, y + 3.0 * s, x, y + 4.2 * s, stroke)
            | Circle(x, y + 9.4 * s, 2.3 * s))


def help_icon(size):
    """A blue ball with a white question mark."""
    s = size / 32.0
    canvas = Canvas(size, size)
    c, r = size / 2, size / 2 - 0.75 * s
    canvas.fill(Circle(c + 0.4 * s, c + 0.8 * s, r), hex_colour('000000', 0.25))
    canvas.fill(Circle(c, c, r), hex_colour('0b3f8c'))
    canvas.fill(Circle(c, c, r - max(1.0, 0.9 * s)),
                radial(c - 0.3 * r, c - 0.45 * r, 1.5 * r,
                       hex_colour('6cb6ff'), hex_colour('1555b5')))
    shine = Circle(c, c - 0.42 * r, 0.62 * r) & Circle(c, c, r - 1.6 * s)
    canvas.fill(shine, linear(c, c - r, hex_colour('ffffff', 0.60), c, c, hex_colour('ffffff', 0.0)))
    canvas.fill(question_mark(c, s, 0.35 * s, 0.6 * s), hex_colour('08306b', 0.45))
    canvas.fill(question_mark(c, s), hex_colour('ffffff'))
    return canvas


# ---------------------------------------------------------------- button icons

BUTTON_PALETTE = {
    '.': (0.0, 0.0, 0.0, 0.0),
    'k': hex_colour('5c3d00'),   # folder outline
    'd': hex_colour('d99a1a'),   # folder back
    'y': hex_colour('ffd452'),   # folder front
    'l': hex_colour('fff1b8'),   # folder front, lit edge
    'w': hex_colour('ffffff'),   # paper
    'g': hex_colour('a8b0bc'),   # paper edge, frame
    'f': hex_colour('3b4a63'),   # picture frame
    's': hex_colour('8cc8ff'),   # sky
    'u': hex_colour('ffcf33'),   # sun
    'h': hex_colour('3fa34d'),   # hill
    'H': hex_colour('2a7a36'),   # far hill
    'a': hex_colour('1f7a2e'),   # arrow outline
    'A': hex_colour('4cd964'),   # arrow
}

SELECT_ROWS = (   # 16 x 14: an open folder
    '................',
    '.kkkk...........',
    'kllllk..........',
    'kddddkkkkkkk....',
    'kddwwwwwwwwdk...',
    'kddwgggggwwdk...',
    'kdwwwwwwwwwdk...',
    'kdkkkkkkkkkkkkkk',
    'kdklllllllllllyk',
    'kkkyyyyyyyyyyyk.',
    'kkyyyyyyyyyyyyk.',
    'kkyyyyyyyyyyyk..',
    'kkkkkkkkkkkkkk..',
    '................',
)

OPEN_ROWS = (     # 16 x 16: a picture with an arrow leaving it
    '..........aaaaa.',
    '.........aAAAAAa',
    '..........aAAAAa',
    '..........aAAAAa',
    '.........aAAaAAa',
    'ffffffffaAAa.aAa',
    'fssssssaAAa...a.',
    'fsuussaAAa......',
    'fuuuussaaf......',
    'fuuuussssf......',
    'fsuusssssf......',
    'fssssHHssf......',
    'fhhsHHHHhf......',
    'fhhhhhhhhf......',
    'ffffffffff......',
    '................',
)


def select_icon():
    return from_pixel_art(SELECT_ROWS, BUTTON_PALETTE)


def open_icon():
    return from_pixel_art(OPEN_ROWS, BUTTON_PALETTE)


# ---------------------------------------------------------------- cursor

HAND_HOT_SPOT = (6, 0)

HAND_ROWS = (     # the top left of the 32 x 32 cursor; the fingertip is at (6, 0)
    '.....##.........',
    '....#oo#........',
    '....#oo#........',
    '....#oo#........',
    '....#oo#........',
    '....#oo###......',
    '....#oo#oo###...',
    '....#oo#oo#oo##.',
    '.##.#oo#oo#oo#o#',
    '#oo##ooooooooooo#',
    '#ooo#ooooooooooo#',
    '.#oo#ooooooooooo#',
    '..#ooooooooooooo#',
    '..#oooooooooooo#.',
    '...#ooooooooooo#.',
    '...#oooooooooo#..',
    '....#ooooooooo#..',
    '....#oooooooo#...',
    '.....#ooooooo#...',
    '.....#########...',
)


def hand_cursor_rows():
    width = 32
    rows = [row + '.' * (width - len(row)) for row in HAND_ROWS]
    rows += ['.' * width] * (32 - len(rows))
    return rows
