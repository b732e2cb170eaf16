"""Anti-aliased drawing on an RGBA canvas.

Shapes are signed distance functions (negative inside) in the canvas's pixel
coordinates; a pixel's coverage is taken from the distance at its centre,
which gives one pixel of smooth edge. Colours are (r, g, b, a) with
components 0..1; the canvas keeps them premultiplied.
"""

import math


def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


def mix(c0, c1, t):
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def hex_colour(text, alpha=1.0):
    text = text.lstrip('#')
    return tuple(int(text[i:i + 2], 16) / 255.0 for i in (0, 2, 4)) + (alpha,)


# ---------------------------------------------------------------- shapes

class Shape:
    """A region with a signed distance and a bounding box (x0, y0, x1, y1)."""

    def sd(self, x, y):
        raise NotImplementedError

    def bounds(self):
        raise NotImplementedError

    def __or__(self, other):
        return Union(self, other)

    def __sub__(self, other):
        return Difference(self, other)

    def __and__(self, other):
        return Intersection(self, other)


class Box(Shape):
    def __init__(self, x0, y0, x1, y1, radius=0.0):
        self.x0, self.y0, self.x1, self.y1, self.r = x0, y0, x1, y1, radius

    def sd(self, x, y):
        cx, cy = (self.x0 + self.x1) / 2, (self.y0 + self.y1) / 2
        hx, hy = (self.x1 - self.x0) / 2 - self.r, (self.y1 - self.y0) / 2 - self.r
        dx, dy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(dx, 0.0), max(dy, 0.0))
        return outside + min(max(dx, dy), 0.0) - self.r

    def bounds(self):
        return self.x0, self.y0, self.x1, self.y1


class Circle(Shape):
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r = cx, cy, r

    def sd(self, x, y):
        return math.hypot(x - self.cx, y - self.cy) - self.r

    def bounds(self):
        return self.cx - self.r, self.cy - self.r, self.cx + self.r, self.cy + self.r


class Capsule(Shape):
    """A line segment from (ax, ay) to (bx, by) stroked with round caps."""

    def __init__(self, ax, ay, bx, by, r):
        self.ax, self.ay, self.bx, self.by, self.r = ax, ay, bx, by, r

    def sd(self, x, y):
        px, py = x - self.ax, y - self.ay
        vx, vy = self.bx - self.ax, self.by - self.ay
        t = clamp01((px * vx + py * vy) / (vx * vx + vy * vy))
        return math.hypot(px - vx * t, py - vy * t) - self.r

    def bounds(self):
        return (min(self.ax, self.bx) - self.r, min(self.ay, self.by) - self.r,
                max(self.ax, self.bx) + self.r, max(self.ay, self.by) + self.r)


class Arc(Shape):
    """A circular arc stroked with round caps. Angles in degrees, y down,
    running from start to end through increasing angles."""

    def __init__(self, cx, cy, radius, start, end, half_width):
        self.cx, self.cy, self.radius, self.w = cx, cy, radius, half_width
        self.start, self.span = math.radians(start), math.radians(end - start)

    def point(self, angle):
        return (self.cx + self.radius * math.cos(angle),
                self.cy + self.radius * math.sin(angle))

    def sd(self, x, y):
        rel = (math.atan2(y - self.cy, x - self.cx) - self.start) % (2 * math.pi)
        if rel <= self.span:
            return abs(math.hypot(x - self.cx, y - self.cy) - self.radius) - self.w
        ends = (self.point(self.start), self.point(self.start + self.span))
        return min(math.hypot(x - ex, y - ey) for ex, ey in ends) - self.w

    def bounds(self):
        r = self.radius + self.w
        return self.cx - r, self.cy - r, self.cx + r, self.cy + r


class Union(Shape):
    def __init__(self, *parts):
        self.parts = parts

    def sd(self, x, y):
        return min(p.sd(x, y) for p in self.parts)

    def bounds(self):
        boxes = [p.bounds() for p in self.parts]
        return (min(b[0] for b in boxes), min(b[1] for b in boxes),
                max(b[2] for b in boxes), max(b[3] for b in boxes))


class Difference(Shape):
    def __init__(self, keep, cut):
        self.keep, self.cut = keep, cut

    def sd(self, x, y):
        return max(self.keep.sd(x, y), -self.cut.sd(x, y))

    def bounds(self):
        return self.keep.bounds()


class Intersection(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b

    def sd(self, x, y):
        return max(self.a.sd(x, y), self.b.sd(x, y))

    def bounds(self):
        a, b = self.a.bounds(), self.b.bounds()
        return max(a[0], b[0]), max(a[1], b[1]), min(a[2], b[2]), min(a[3], b[3])


class Magnified(Shape):
    """Another shape enlarged by a factor about a centre point."""

    def __init__(self, shape, cx, cy, factor):
        self.shape, self.cx, self.cy, self.k = shape, cx, cy, factor

    def sd(self, x, y):
        k = self.k
        return self.shape.sd(self.cx + (x - self.cx) / k, self.cy + (y - self.cy) / k) * k

    def bounds(self):
        x0, y0, x1, y1 = self.shape.bounds()
        k, cx, cy = self.k, self.cx, self.cy
        return cx + (x0 - cx) * k, cy + (y0 - cy) * k, cx + (x1 - cx) * k, cy + (y1 - cy) * k


# ---------------------------------------------------------------- paints

def solid(colour):
    return lambda x, y: colour


def linear(x0, y0, c0, x1, y1, c1):
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy
    return lambda x, y: mix(c0, c1, clamp01(((x - x0) * dx + (y - y0) * dy) / length2))


def radial(cx, cy, radius, c0, c1):
    return lambda x, y: mix(c0, c1, clamp01(math.hypot(x - cx, y - cy) / radius))


# ---------------------------------------------------------------- canvas

class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.px = [(0.0, 0.0, 0.0, 0.0)] * (width * height)

    def blend(self, x, y, colour, coverage):
        """Paints colour over pixel (x, y) with the given coverage."""
        r, g, b, a = colour
        a *= coverage
        if a <= 0.0:
            return
        i = y * self.width + x
        dr, dg, db, da = self.px[i]
        keep = 1.0 - a
        self.px[i] = (r * a + dr * keep, g * a + dg * keep, b * a + db * keep, a + da * keep)

    def pixels_in(self, bounds):
        x0, y0, x1, y1 = bounds
        for y in range(max(0, int(math.floor(y0)) - 1), min(self.height, int(math.ceil(y1)) + 1)):
            for x in range(max(0, int(math.floor(x0)) - 1), min(self.width, int(math.ceil(x1)) + 1)):
                yield x, y

    def fill(self, shape, paint, clip=None):
        """Fills a shape, optionally only where it lies inside clip."""
        if not callable(paint):
            paint = solid(paint)
        for x, y in self.pixels_in(shape.bounds()):
            cx, cy = x + 0.5, y + 0.5
            coverage = clamp01(0.5 - shape.sd(cx, cy))
            if clip is not None and coverage > 0.0:
                coverage *= clamp01(0.5 - clip.sd(cx, cy))
            if coverage > 0.0:
                self.blend(x, y, paint(cx, cy), coverage)

    def draw(self, layer, clip=None):
        """Composites another canvas of the same size over this one."""
        for y in range(self.height):
            for x in range(self.width):
                r, g, b, a = layer.px[y * self.width + x]
                if a <= 0.0:
                    continue
                coverage = 1.0 if clip is None else clamp01(0.5 - clip.sd(x + 0.5, y + 0.5))
                if coverage > 0.0:
                    self.blend(x, y, (r / a, g / a, b / a, a), coverage)

    def rgba8(self, x, y):
        """The pixel as straight (not premultiplied) 8-bit RGBA."""
        r, g, b, a = self.px[y * self.width + x]
        if a <= 0.0:
            return 0, 0, 0, 0
        return tuple(int(round(clamp01(c / a) * 255)) for c in (r, g, b)) + (int(round(a * 255)),)


def from_pixel_art(rows, palette):
    """A canvas from rows of characters, each a key of palette (a colour)."""
    canvas = Canvas(len(rows[0]), len(rows))
    for y, row in enumerate(rows):
        assert len(row) == canvas.width, row
        for x, key in enumerate(row):
            canvas.blend(x, y, palette[key], 1.0)
    return canvas
