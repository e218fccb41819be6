"""The pixel grid every picture is drawn on, the colours of the standard
16-colour palette and the drawing helpers the pictures share."""

import math

# The sixteen colours of the standard Windows 4-bit palette, in palette order.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

(BLACK, DARK_RED, DARK_GREEN, OLIVE, NAVY, DARK_MAGENTA, TEAL, SILVER,
 GREY, RED, LIME, YELLOW, BLUE, MAGENTA, CYAN, WHITE) = VGA16

# One letter per palette colour for the pixel maps. A '.' or a blank leaves
# the pixel as it is, which on a new picture is transparent.
KEY = {
    'k': BLACK, 'r': DARK_RED, 'g': DARK_GREEN, 'y': OLIVE,
    'b': NAVY, 'm': DARK_MAGENTA, 'c': TEAL, 's': SILVER,
    'd': GREY, 'R': RED, 'G': LIME, 'Y': YELLOW,
    'B': BLUE, 'M': MAGENTA, 'C': CYAN, 'W': WHITE,
}


def mix(a, b, t):
    """The colour t of the way from a to b."""
    t = min(1.0, max(0.0, t))
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def ramp(stops, t):
    """Colour at t on a ramp given as (position, colour) pairs."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, (t - t0) / (t1 - t0))
    return stops[-1][1]


class Picture:
    """A grid of RGB pixels; None marks a transparent pixel."""

    def __init__(self, width, height, fill=None):
        self.width = width
        self.height = height
        self.rows = [[fill] * width for _ in range(height)]

    def get(self, x, y):
        return self.rows[y][x]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Fills the rectangle with corners (x0, y0) and (x1, y1), inclusive."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            self.put(x, y0, colour)
            self.put(x, y1, colour)
        for y in range(y0, y1 + 1):
            self.put(x0, y, colour)
            self.put(x1, y, colour)

    def line(self, x0, y0, x1, y1, colour):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.put(x0, y0, colour)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def polygon(self, points, colour):
        """Fills every pixel whose centre lies inside the polygon."""
        ys = [p[1] for p in points]
        for y in range(max(0, int(min(ys))), min(self.height, int(max(ys)) + 1)):
            cy = y + 0.5
            crossings = []
            for i, (ax, ay) in enumerate(points):
                bx, by = points[(i + 1) % len(points)]
                if (ay <= cy < by) or (by <= cy < ay):
                    crossings.append(ax + (cy - ay) * (bx - ax) / (by - ay))
            crossings.sort()
            for a, b in zip(crossings[::2], crossings[1::2]):
                for x in range(max(0, math.ceil(a - 0.5)), min(self.width, math.floor(b - 0.5) + 1)):
                    self.put(x, y, colour)

    def ellipse(self, cx, cy, rx, ry, colour):
        """Fills the pixels whose centres lie inside the ellipse."""
        for y in range(self.height):
            for x in range(self.width):
                if ((x + 0.5 - cx) / rx) ** 2 + ((y + 0.5 - cy) / ry) ** 2 <= 1.0:
                    self.put(x, y, colour)

    def draw_map(self, x0, y0, rows, key=KEY):
        """Draws a pixel map, one letter of key per pixel."""
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch not in '. ':
                    self.put(x0 + dx, y0 + dy, key[ch])

    def outline(self, colour):
        """Gives every opaque shape a one-pixel border on its transparent side."""
        border = []
        for y in range(self.height):
            for x in range(self.width):
                if self.rows[y][x] is not None:
                    continue
                for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)):
                    if 0 <= nx < self.width and 0 <= ny < self.height and self.rows[ny][nx] is not None:
                        border.append((x, y))
                        break
        for x, y in border:
            self.rows[y][x] = colour


def from_map(rows):
    """A picture of a whole pixel map; every row must be as wide as the first."""
    width = len(rows[0])
    for row in rows:
        if len(row) != width:
            raise ValueError('ragged pixel map row (%d, not %d): %r' % (len(row), width, row))
    pic = Picture(width, len(rows))
    pic.draw_map(0, 0, rows)
    return pic
