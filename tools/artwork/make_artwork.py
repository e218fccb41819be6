#!/usr/bin/env python3
"""Draws Pavane's pictures and writes them as Windows ICO and BMP files.

Every picture is pixel art made here in code, so the artwork can be changed
and rebuilt without a drawing program. The build uses only the written files
in app/res/; after changing a picture, run this script and check both the
script and its output in.

    python3 tools/artwork/make_artwork.py           # write app/res/, then check
    python3 tools/artwork/make_artwork.py --check   # only check app/res/
    python3 tools/artwork/make_artwork.py --out DIR [--check]

The check reads every file back, validates its headers (image count, sizes,
bit depths, palette sizes, mask sizes, file length) and compares the decoded
pixels with the pictures drawn by this script, so it also finds checked-in
files that are older than the script. Any mismatch ends with status 1.
"""

import math
import os
import struct
import sys

from controller import controller

# ---------------------------------------------------------------------------
# Colours

# The sixteen colours of the standard Windows 4-bit palette, in palette order.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

(BLACK, DARK_RED, DARK_GREEN, OLIVE, NAVY, DARK_MAGENTA, TEAL, SILVER,
 GREY, RED, LIME, YELLOW, BLUE, MAGENTA, CYAN, WHITE) = VGA16

# One letter per palette colour for the pixel maps; '.' is a transparent
# pixel (icons only) and a blank leaves what is already there.
KEY = {
    'k': BLACK, 'r': DARK_RED, 'g': DARK_GREEN, 'y': OLIVE,
    'b': NAVY, 'm': DARK_MAGENTA, 'c': TEAL, 's': SILVER,
    'd': GREY, 'R': RED, 'G': LIME, 'Y': YELLOW,
    'B': BLUE, 'M': MAGENTA, 'C': CYAN, 'W': WHITE,
    '.': None,
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


def ramp_bands(bands, t):
    """The first colour whose band, given as (upper end, colour), holds t."""
    for end, colour in bands:
        if t <= end + 1e-9:
            return colour
    return bands[-1][1]


# ---------------------------------------------------------------------------
# Pictures


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
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch != ' ':
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

    def copy(self):
        pic = Picture(self.width, self.height)
        pic.rows = [list(row) for row in self.rows]
        return pic


def from_map(rows, key=KEY):
    width = len(rows[0])
    for row in rows:
        if len(row) != width:
            raise ValueError('ragged pixel map row (%d, not %d): %r' % (len(row), width, row))
    pic = Picture(width, len(rows))
    pic.draw_map(0, 0, rows, key)
    return pic


# A tiny pixel font with just the letters the icons need.
TINY_FONT = {
    'Z': ['###', '..#', '.#.', '#..', '###'],
    'S': ['###', '#..', '###', '..#', '###'],
    'N': ['#..#', '##.#', '#.##', '#..#', '#..#'],
    'E': ['###', '#..', '##.', '#..', '###'],
}


def tiny_text_width(text):
    return sum(len(TINY_FONT[ch][0]) + 1 for ch in text) - 1


def tiny_text(pic, x, y, text, colour, shadow=None):
    """Draws text in the tiny font; the shadow falls one pixel right and down."""
    for layer, dx0, dy0 in ((shadow, 1, 1), (colour, 0, 0)):
        if layer is None:
            continue
        cx = x
        for ch in text:
            glyph = TINY_FONT[ch]
            for dy, row in enumerate(glyph):
                for dx, bit in enumerate(row):
                    if bit == '#':
                        pic.put(cx + dx + dx0, y + dy + dy0, layer)
            cx += len(glyph[0]) + 1


# ---------------------------------------------------------------------------
# Application icon: a game cartridge with its contacts showing at the bottom
# and a label that shows a silver "P" against a sky, the about box banner's
# motif in small.

CART_P_32 = [
    'kkkkkkk..',
    'kWWWWWsk.',
    'kWskkkWsk',
    'kWsk.kWsk',
    'kWskkkWsk',
    'kWWWWWsk.',
    'kWskkkk..',
    'kWsk.....',
    'kWsk.....',
    'kWsk.....',
    'kkkk.....',
]

CART_P_16 = [
    'WWW',
    'W.W',
    'WWW',
    'W..',
    'W..',
]


def cartridge(size, rich):
    """The application icon at 32 or 16 pixels; rich uses smooth shading
    instead of the sixteen standard colours."""
    pic = Picture(size, size)
    if size == 32:
        body = (3, 1, 28, 25)
        label = (7, 4, 24, 16)    # inside of the label's frame
        grooves = (20, 22)
        board = (7, 26, 24, 29)   # the contacts' circuit board
        letter, letter_at = CART_P_32, (12, 5)
    else:
        body = (1, 1, 14, 11)
        label = (4, 3, 11, 7)
        grooves = ()
        board = (3, 12, 12, 13)
        letter, letter_at = CART_P_16, (6, 3)
    x0, y0, x1, y1 = body

    def shade(plain, smooth):
        return smooth if rich else plain

    # Body: lit from the upper left, the two top corners cut off.
    for y in range(y0, y1 + 1):
        t = (y - y0) / (y1 - y0)
        pic.rect(x0, y, x1, y, shade(SILVER, mix((228, 228, 234), (160, 160, 172), t)))
        pic.put(x0, y, shade(WHITE, mix((255, 255, 255), (210, 210, 218), t)))
        pic.put(x1, y, shade(GREY, (112, 112, 124)))
    pic.rect(x0 + 1, y0, x1 - 1, y0, shade(WHITE, (250, 250, 253)))
    pic.rect(x0 + 1, y1, x1 - 1, y1, shade(GREY, (112, 112, 124)))
    pic.put(x0, y0, None)
    pic.put(x1, y0, None)

    for gy in grooves:
        pic.rect(x0 + 3, gy, x1 - 3, gy, shade(GREY, (104, 104, 116)))
        pic.rect(x0 + 3, gy + 1, x1 - 3, gy + 1, shade(WHITE, (240, 240, 246)))

    # Label in a dark frame: a sky from deep blue down to a pale horizon.
    lx0, ly0, lx1, ly1 = label
    pic.frame(lx0 - 1, ly0 - 1, lx1 + 1, ly1 + 1, shade(BLACK, (36, 36, 48)))
    for y in range(ly0, ly1 + 1):
        t = (y - ly0) / (ly1 - ly0)
        for x in range(lx0, lx1 + 1):
            if rich:
                colour = ramp([(0, (18, 28, 104)), (0.5, (52, 108, 214)),
                               (0.85, (140, 198, 246)), (1, (228, 242, 255))], t)
            else:
                colour = ramp_bands([(0.25, NAVY), (0.62, BLUE), (0.87, CYAN), (1.0, WHITE)], t)
            pic.put(x, y, colour)

    # The letter, metallic in the smooth version.
    px, py = letter_at
    for dy, row in enumerate(letter):
        for dx, ch in enumerate(row):
            if ch == '.':
                continue
            colour = KEY[ch]
            if rich:
                t = dy / (len(letter) - 1)
                metal = ramp([(0, (255, 255, 255)), (0.42, (206, 216, 232)), (0.5, (104, 114, 138)),
                              (0.75, (186, 196, 214)), (1, (242, 246, 252))], t)
                colour = {'k': (14, 18, 46), 'W': metal, 's': mix(metal, (70, 80, 104), 0.55)}[ch]
            pic.put(px + dx, py + dy, colour)

    # Contacts: gold fingers on a green board below the shell.
    bx0, by0, bx1, by1 = board
    finger_top = by0 + 1 if size == 32 else by0
    for y in range(by0, by1 + 1):
        for x in range(bx0, bx1 + 1):
            if (x - bx0) % 2 == 1 and y >= finger_top:
                colour = shade(YELLOW, mix((250, 226, 120), (176, 136, 40), (y - by0) / max(1, by1 - by0)))
            else:
                colour = shade(DARK_GREEN, (22, 96, 48))
            pic.put(x, y, colour)
    pic.outline(shade(BLACK, (18, 18, 26)))
    return pic


# ---------------------------------------------------------------------------
# Page icons (32 x 32, 16 colours)


def display_page_icon():
    """A computer monitor whose blue screen shows the word ZSNES in red."""
    pic = Picture(32, 32)
    # Casing.
    pic.rect(1, 2, 30, 24, SILVER)
    pic.line(2, 3, 29, 3, WHITE)
    pic.line(2, 3, 2, 23, WHITE)
    pic.line(3, 23, 29, 23, GREY)
    pic.line(29, 4, 29, 23, GREY)
    # Screen, sunk into the casing.
    pic.rect(4, 5, 27, 19, GREY)
    pic.line(5, 20, 27, 20, WHITE)
    pic.line(27, 5, 27, 20, WHITE)
    pic.frame(5, 6, 26, 19, BLACK)
    pic.rect(6, 7, 25, 18, BLUE)
    pic.line(6, 7, 25, 7, NAVY)
    pic.line(6, 7, 6, 18, NAVY)
    text = 'ZSNES'
    tiny_text(pic, 6 + (20 - tiny_text_width(text)) // 2, 10, text, RED, shadow=NAVY)
    # Power light.
    pic.put(25, 21, LIME)
    pic.put(24, 21, DARK_GREEN)
    # Neck and foot.
    pic.rect(12, 25, 19, 26, GREY)
    pic.rect(7, 27, 24, 28, SILVER)
    pic.line(7, 27, 24, 27, WHITE)
    pic.outline(BLACK)
    return pic


def input_page_icon():
    """A white game controller with four coloured buttons."""
    pic = Picture(32, 32)
    body = WHITE
    # Shoulder buttons, peeping out behind the top edge.
    pic.rect(4, 7, 11, 10, GREY)
    pic.rect(20, 7, 27, 10, GREY)
    pic.ellipse(9.0, 17.0, 8.0, 8.5, body)
    pic.ellipse(23.0, 17.0, 8.0, 8.5, body)
    pic.rect(9, 10, 23, 22, body)
    # Shade the lower rim of the body.
    for y in range(pic.height - 1):
        for x in range(pic.width):
            if pic.get(x, y) == body and pic.get(x, y + 1) is None:
                pic.put(x, y, SILVER)
    pic.outline(BLACK)
    # Direction pad.
    pad = [
        '..kkk..',
        '..kdk..',
        'kkkdkkk',
        'kdddddk',
        'kkkdkkk',
        '..kdk..',
        '..kkk..',
    ]
    for dy, row in enumerate(pad):
        for dx, ch in enumerate(row):
            if ch != '.':
                pic.put(6 + dx, 13 + dy, KEY[ch])
    # Select and start.
    for x0 in (13, 17):
        pic.put(x0, 20, GREY)
        pic.put(x0 + 1, 19, GREY)
    # Four face buttons in a diamond: blue top, red right, yellow bottom,
    # green left; each with a darker lower half for a little depth.
    button = ['.LL.', 'LLLL', 'DDDD', '.DD.']
    for bx, by, light, dark in ((21, 10, BLUE, NAVY), (25, 14, RED, DARK_RED),
                                (21, 18, YELLOW, OLIVE), (17, 14, LIME, DARK_GREEN)):
        for dy, row in enumerate(button):
            for dx, ch in enumerate(row):
                if ch != '.':
                    pic.put(bx + dx, by + dy, light if ch == 'L' else dark)
    return pic


def sound_page_icon():
    """A green sound wave between two dotted loudspeakers, on black."""
    pic = Picture(32, 32, BLACK)

    # Two loudspeaker boxes seen from the front, drawn in dots on every
    # other pixel: the cabinet's edge, a small tweeter and a large woofer.
    for left in (1, 23):
        box = Picture(32, 32)
        box.frame(left, 5, left + 7, 26, WHITE)
        cx = left + 4.0
        for cy, r, colour in ((10.0, 1.6, GREY), (19.5, 3.6, WHITE)):
            for y in range(32):
                for x in range(32):
                    d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                    if abs(d - r) < 0.6:
                        box.put(x, y, colour)
        box.put(left + 4, 19, WHITE)    # the woofer's dust cap
        for y in range(32):
            for x in range(32):
                if box.get(x, y) is not None and (x + y) % 2 == 0:
                    pic.put(x, y, box.get(x, y))

    # The wave: a line through samples of a sine, two pixels thick, with a
    # dark green shadow under it.
    def wave_y(x):
        return 16 + 5 * math.sin((x - 11) / 10.0 * 3.0 * math.pi)

    points = [(x, int(round(wave_y(x)))) for x in range(11, 22)]
    for (ax, ay), (bx, by) in zip(points, points[1:]):
        pic.line(ax, ay + 1, bx, by + 1, DARK_GREEN)
    for (ax, ay), (bx, by) in zip(points, points[1:]):
        pic.line(ax, ay, bx, by, LIME)
        pic.line(ax, ay - 1, bx, by - 1, LIME)
    return pic


def location_icon():
    """A yellow open folder with a sheet of lined paper standing in it."""
    pic = Picture(32, 32)
    # Back of the folder with its tab.
    pic.rect(2, 6, 11, 8, OLIVE)
    pic.rect(2, 8, 25, 28, OLIVE)
    # The sheet, standing up out of the folder.
    pic.rect(8, 2, 24, 24, WHITE)
    pic.frame(8, 2, 24, 24, BLACK)
    for y in range(6, 24, 3):
        pic.line(10, y, 23, y, BLUE)
    pic.line(11, 3, 11, 23, RED)
    pic.line(23, 3, 23, 23, SILVER)
    # Front flap, tipped forward.
    flap = [(8, 15), (31, 15), (26, 29), (1, 29)]
    pic.polygon(flap, YELLOW)
    pic.line(8, 15, 30, 15, BLACK)
    pic.line(9, 16, 29, 16, WHITE)
    pic.outline(BLACK)
    # Edge lines of the flap that the outline cannot see.
    pic.line(8, 15, 1, 29, BLACK)
    pic.line(31, 15, 26, 29, BLACK)
    pic.line(1, 29, 26, 29, BLACK)
    return pic


# ---------------------------------------------------------------------------
# Drive-type icons of the drive picker (16 x 16, 16 colours).

DRIVE_FIXED_MAP = [
    '................',
    '................',
    '................',
    '................',
    '................',
    '..kkkkkkkkkkkk..',
    '.kWWWWWWWWWWWsk.',
    '.kWsssssssssssdk',
    '.kWsssssssssssdk',
    '.kWsddddddsGGsdk',
    '.kWsssssssssssdk',
    '.ksddddddddddddk',
    '..kkkkkkkkkkkkkk',
    '................',
    '................',
    '................',
]

DRIVE_REMOVABLE_MAP = [
    '................',
    '.kkkkkkkkkkkkk..',
    '.kBBBsssssssBBk.',
    '.kBBBsskkssBBBk.',
    '.kBBBsskkssBBBk.',
    '.kBBBsssssssBBk.',
    '.kBBBBBBBBBBBBk.',
    '.kBBWWWWWWWWBBk.',
    '.kBBWkkkkkkWBBk.',
    '.kBBWWWWWWWWBBk.',
    '.kBBWkkkkkWWBBk.',
    '.kBBWWWWWWWWBBk.',
    '.kBBWWWWWWWWBBk.',
    '.kkkkkkkkkkkkkk.',
    '................',
    '................',
]

DRIVE_REMOTE_MAP = [
    '................',
    '................',
    '..kkkkkkkkkkkk..',
    '.kWWWWWWWWWWWsk.',
    '.kWsssssssssssdk',
    '.kWsddddddsGGsdk',
    '.kWsssssssssssdk',
    '.ksddddddddddddk',
    '..kkkkkkkkkkkkkk',
    '.......kk.......',
    '.......kk.......',
    '.......kk.......',
    '.kkkkkkkkkkkkkk.',
    '................',
    '................',
    '................',
]

DRIVE_CDROM_MAP = [
    '................',
    '.....kkkkkk.....',
    '...kkWWWCCCkk...',
    '..kWWWWWCCCCMk..',
    '.kWWWWWWCCCMMMk.',
    '.kWWWWWsssMMMMk.',
    'kWWWWWskkksYYYYk',
    'kYYYYYsk.ksWWWWk',
    'kYYYYYskkksWWWWk',
    '.kYYYYYsssWWWWk.',
    '.kGGGGGCCWWWWWk.',
    '..kGGGCCCWWWWk..',
    '...kkCCCWWWkk...',
    '.....kkkkkk.....',
    '................',
    '................',
]

DRIVE_RAM_MAP = [
    '................',
    '................',
    '................',
    '................',
    '.kkkkkkkkkkkkkk.',
    '.kggggggggggggk.',
    '.kgkkkgkkkgkkkk.',
    '.kgkkkgkkkgkkkk.',
    '.kgkkkgkkkgkkkk.',
    '.kggggggggggggk.',
    '.kYgYgYgYgYgYgk.',
    '.kkkkkkkkkkkkkk.',
    '................',
    '................',
    '................',
    '................',
]


# ---------------------------------------------------------------------------
# Toolbar bitmaps (20 x 20, 16 colours). The top-left pixel is the colour the
# toolbar draws transparent.

OPEN_MAP = [
    'mmmmmmmmmmmkkkkkkkkk',
    'mmmmmmmkmmmkWWWWWWsk',
    'mmmmmmkGkmmkWkkkkkdk',
    'mmmkkkkGGkmkWkCBBkdk',
    'mmkGGGGGGGkkWkBBBkdk',
    'mmkGggggggkkWkBBBkdk',
    'mmkGgkkggkmkWkkkkkdk',
    'mmkGgkkgkmmksddddddk',
    'mmkGgkmkmmmkkkkkkkkk',
    'mkkGgkkmmmmmmmmmmmmm',
    'kYkGgkYkkkkkkkmmmmmm',
    'kYkGgkyyyyyyyYkmmmmm',
    'kYykkkkkkkkkkkkkkmmm',
    'kYykWWWWWWWWWWWWkmmm',
    'kYkYYYYYYYYYYYYkmmmm',
    'kYkYYYYYYYYYYYYkmmmm',
    'kkYYYYYYYYYYYYkmmmmm',
    'kkYYYYYYYYYYYykmmmmm',
    'kYYYYYYYYYYyykmmmmmm',
    'kkkkkkkkkkkkkkmmmmmm',
]

RUN_MAP = [
    'WWWWWWWWWWWWWWWWWWWW',
    'WWWWWWWWWWWWWWWWWWWW',
    'WWWWWbbWWWWWWWWWWWWW',
    'WWWWWbBbbWWWWWWWWWWW',
    'WWWWWbBBbbbWWWWWWWWW',
    'WWWWWbBbbbbbbWWWWWWW',
    'WWWWWbBbbbbbbbbWWWWW',
    'WWWWWbBbbbbbbbbbbWWW',
    'WWWWWbBbbbbbbbbbbbbW',
    'WWWWWbBbbbbbbbbbbbbW',
    'WWWWWbBbbbbbbbbbbbbW',
    'WWWWWbBbbbbbbbbbbbbW',
    'WWWWWbBbbbbbbbbbbWWW',
    'WWWWWbBbbbbbbbbWWWWW',
    'WWWWWbbbbbbbbWWWWWWW',
    'WWWWWbbbbbbWWWWWWWWW',
    'WWWWWbbbbWWWWWWWWWWW',
    'WWWWWbbWWWWWWWWWWWWW',
    'WWWWWWWWWWWWWWWWWWWW',
    'WWWWWWWWWWWWWWWWWWWW',
]

FAVORITES_MAP = [
    'mmmmmmmmmmmmmmmmmmmm',
    'mmmmmmmmmmmmmmmmmmmm',
    'mmmmmmmmmmmmmmmmmmmm',
    'mkkkkkmmmmmmmmmmmmmm',
    'kWYYYYkmmmmmmmmmmmmm',
    'kWYYYYYkkkkkkkkkkmmm',
    'kWWWWWWWWWWWWWWWYkmm',
    'kWYYYYYYYYYYYYYYykmm',
    'kWYYYYYYYYYYYYYYykmm',
    'kWYYYYYYYYYYYYYYykmm',
    'kWYYYYYYYYYYYYYYykmm',
    'kWYYYYYYYYYYYYYYykmm',
    'kWYYYYYYYYYYYYYYykmm',
    'kWYYYYYYYYYYYYYYykmm',
    'kWYYYYYYYYYYYYYYykmm',
    'kWYYYYYYYYYYYYYYykmm',
    'kyyyyyyyyyyyyyyyykmm',
    'mkkkkkkkkkkkkkkkkmmm',
    'mmmmmmmmmmmmmmmmmmmm',
    'mmmmmmmmmmmmmmmmmmmm',
]


# ---------------------------------------------------------------------------
# About box button glyph (16 x 22, 16 colours): a round yellow chick in a red
# bobble hat, one wing raised to wave. The background is the button face
# grey, so the glyph looks right whether or not it is drawn transparent; it
# fills the top-left and bottom-left pixels, which either convention uses.

GLYPH_MAP = [
    'ssssssssssssssss',
    'sssssssWWsssssss',
    'ssssssWWWWssssss',
    'sssssskRRkssssss',
    'ssssskRRRRksssss',
    'ssssskRRRRksssss',
    'sssskRRRRRRkssss',
    'ssskWWWWWWWWkkks',
    'ssskYYYYYYYYkYYk',
    'sskYYkYYYYkYYYYk',
    'sskYYkYYYYkYYYks',
    'sskYYYYRRYYYYkss',
    'sskYYYYRRYYYYkss',
    'ssskYYYYYYYYksss',
    'sskYYYYYYYYYYkss',
    'skYkYYYYYYYYYYks',
    'skYkYYYYYYYYYYks',
    'skykYYYYYYYYYyks',
    'sskkyYYYYYYyykss',
    'ssskkkkkkkkkksss',
    'sssssRRssRRsssss',
    'ssssssssssssssss',
]


# ---------------------------------------------------------------------------
# About box banner (350 x 92, 256 colours): "Pavane" in chrome letters over
# a daytime sky with clouds.

# Letters as strokes of a round pen, in pixels at scale 1: lines (x0, y0,
# x1, y1) and arcs (cx, cy, r, from, to) with angles in degrees, clockwise on
# the screen from the positive x axis. Baseline at y 64, x-height 36, cap
# height 56; the pen's radius is PEN.
PEN = 6.5
BASELINE = 64
LETTERS = {
    'P': (40, [('line', 6.5, 14.5, 6.5, 57.5),
               ('line', 6.5, 14.5, 20, 14.5),
               ('arc', 20, 26.5, 12, -90, 90),
               ('line', 20, 38.5, 6.5, 38.5)]),
    'a': (40, [('arc', 19.5, 46, 11.5, 0, 360),
               ('line', 31, 35.5, 31, 57.5)]),
    'v': (40, [('line', 6.5, 35.5, 19.5, 57.5),
               ('line', 19.5, 57.5, 32.5, 35.5)]),
    'n': (40, [('line', 6.5, 35.5, 6.5, 57.5),
               ('arc', 18, 46, 11.5, 180, 360),
               ('line', 29.5, 46, 29.5, 57.5)]),
    'e': (40, [('line', 8, 46, 31, 46),
               ('arc', 19.5, 46, 11.5, 40, 360)]),
}


def stroke_distance(stroke, px, py):
    """Distance from (px, py) to the stroke's centre line, with the unit
    vector pointing from the nearest centre-line point to (px, py)."""
    if stroke[0] == 'line':
        _, x0, y0, x1, y1 = stroke
        vx, vy = x1 - x0, y1 - y0
        length2 = vx * vx + vy * vy
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - x0) * vx + (py - y0) * vy) / length2))
        qx, qy = x0 + t * vx, y0 + t * vy
    else:
        _, cx, cy, r, a0, a1 = stroke
        angle = math.degrees(math.atan2(py - cy, px - cx)) % 360
        lo, hi = a0 % 360, a1 % 360
        inside = (a1 - a0) >= 360 or (lo <= angle <= hi if lo <= hi else angle >= lo or angle <= hi)
        if inside:
            qx, qy = cx + r * math.cos(math.radians(angle)), cy + r * math.sin(math.radians(angle))
        else:
            ends = [(cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a))) for a in (a0, a1)]
            qx, qy = min(ends, key=lambda e: (e[0] - px) ** 2 + (e[1] - py) ** 2)
    dx, dy = px - qx, py - qy
    d = math.hypot(dx, dy)
    return d, ((dx / d, dy / d) if d > 1e-9 else (0.0, -1.0))


def banner():
    width, height = 350, 92
    scale = 1.08
    slant = 0.18
    spacing = 3
    text = 'Pavane'

    # Place the letters, centred.
    total = sum(LETTERS[ch][0] for ch in text) + spacing * (len(text) - 1)
    x = (width - total * scale) / 2
    top = (height - BASELINE * scale) / 2 + 2
    strokes = []
    for ch in text:
        advance, parts = LETTERS[ch]
        for part in parts:
            if part[0] == 'line':
                _, x0, y0, x1, y1 = part
                strokes.append(('line', x + x0 * scale, top + y0 * scale, x + x1 * scale, top + y1 * scale))
            else:
                _, cx, cy, r, a0, a1 = part
                strokes.append(('arc', x + cx * scale, top + cy * scale, r * scale, a0, a1))
        x += (advance + spacing) * scale
    pen = PEN * scale
    cap_top = top + 14.5 * scale - pen
    base = top + 57.5 * scale + pen
    edge = 2.6  # width of the dark rim around the metal

    def field(px, py):
        # Unslant the point, so the letters lean forward.
        ux = px + (py - base) * slant
        best = None
        for s in strokes:
            d, n = stroke_distance(s, ux, py)
            if best is None or d < best[0]:
                best = (d, n)
        return best

    def sky(px, py):
        colour = ramp([(0, (24, 62, 150)), (0.6, (78, 138, 214)), (1, (168, 208, 242))], py / (height - 1))
        # Clouds: soft lumps built from overlapping circles.
        for cx, cy, r in CLOUDS:
            d = math.hypot((px - cx) * 0.8, py - cy) - r
            if d < 1.5:
                shade = mix((255, 255, 255), (196, 212, 236), (py - (cy - r)) / (2.0 * r))
                colour = mix(colour, shade, min(1.0, (1.5 - d) / 3.0))
        return colour

    chrome = [(0.0, (255, 255, 255)), (0.30, (206, 218, 236)), (0.47, (150, 165, 190)),
              (0.49, (70, 78, 100)), (0.60, (112, 124, 150)), (0.82, (214, 222, 238)), (1.0, (250, 252, 255))]
    rim = (16, 22, 58)

    pic = Picture(width, height)
    for py in range(height):
        for px in range(width):
            colour = sky(px + 0.5, py + 0.5)
            # Shadow of the letters, thrown down and to the right.
            sd, _ = field(px + 0.5 - 4, py + 0.5 - 4)
            if sd < pen + edge + 1:
                colour = mix(colour, (10, 24, 70), 0.55 * min(1.0, (pen + edge + 1 - sd) / 2.0))
            d, (nx, ny) = field(px + 0.5, py + 0.5)
            if d < pen + edge + 0.5:
                colour = mix(colour, rim, min(1.0, pen + edge + 0.5 - d))
            if d < pen + 0.5:
                t = (py + 0.5 - cap_top) / (base - cap_top)
                metal = ramp(chrome, t)
                # Round the stroke: light from the upper left on its outer
                # slope, shadow on the far side.
                slope = max(0.0, min(1.0, (d - pen * 0.35) / (pen * 0.65)))
                facing = -(nx * -0.6 + ny * -0.8)
                if facing < 0:
                    metal = mix(metal, (255, 255, 255), -facing * slope * 0.8)
                else:
                    metal = mix(metal, (40, 48, 80), facing * slope * 0.55)
                colour = mix(colour, metal, min(1.0, pen + 0.5 - d))
            pic.put(px, py, colour)
    return pic


CLOUDS = [
    (18, 80, 14), (40, 74, 16), (64, 82, 13), (88, 86, 10),
    (270, 84, 12), (296, 76, 15), (322, 82, 14), (344, 74, 10),
    (300, 20, 6), (312, 16, 8), (326, 21, 6),
    (24, 18, 5), (34, 14, 7), (46, 19, 5),
]


# ---------------------------------------------------------------------------
# Palettes for 256-colour pictures


def median_cut(colours, size):
    """A palette of at most size colours for a {colour: count} histogram,
    and the map from every colour to its palette index."""
    boxes = [list(colours.items())]
    while len(boxes) < size:
        best, best_range, best_axis = None, 0, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for axis in range(3):
                values = [c[axis] for c, _ in box]
                spread = max(values) - min(values)
                if spread > best_range:
                    best, best_range, best_axis = i, spread, axis
        if best is None:
            break
        box = sorted(boxes.pop(best), key=lambda item: item[0][best_axis])
        total = sum(n for _, n in box)
        running, cut = 0, 1
        for j, (_, n) in enumerate(box[:-1]):
            running += n
            if running * 2 >= total:
                cut = j + 1
                break
        boxes += [box[:cut], box[cut:]]
    palette, index = [], {}
    for box in boxes:
        total = sum(n for _, n in box)
        average = tuple(int(round(sum(c[a] * n for c, n in box) / total)) for a in range(3))
        for c, _ in box:
            index[c] = len(palette)
        palette.append(average)
    return palette, index


def indexed(pic, bits):
    """The picture as palette indices: the 16-colour pictures must use only
    the standard colours; 256-colour ones get a palette of their own."""
    if bits == 4:
        lookup = {c: i for i, c in enumerate(VGA16)}
        palette = list(VGA16)
    else:
        histogram = {}
        for row in pic.rows:
            for c in row:
                if c is not None:
                    histogram[c] = histogram.get(c, 0) + 1
        # One entry stays free for black: an icon's transparent pixels must
        # be black, or the screen shows them through the AND mask.
        palette, lookup = median_cut(histogram, 255)
        palette += [BLACK] * (256 - len(palette))
    transparent = palette.index(BLACK) if bits == 4 else 255
    rows = []
    for row in pic.rows:
        out = []
        for c in row:
            if c is None:
                out.append(transparent)
            elif c not in lookup:
                raise ValueError('colour %r is not in the 16-colour palette' % (c,))
            else:
                out.append(lookup[c])
        rows.append(out)
    return palette, rows


# ---------------------------------------------------------------------------
# File formats


def row_bytes(width, bits):
    return ((width * bits + 31) // 32) * 4


def pack_rows(rows, width, bits):
    """Bottom-up DIB rows of palette indices (or mask bits), each padded to
    a multiple of four bytes."""
    out = bytearray()
    stride = row_bytes(width, bits)
    per_byte = 8 // bits
    for row in reversed(rows):
        line = bytearray(stride)
        for x, value in enumerate(row):
            shift = 8 - bits * (x % per_byte + 1)
            line[x // per_byte] |= value << shift
        out += line
    return bytes(out)


def dib(pic, bits, icon):
    """A BITMAPINFOHEADER, palette and pixels; icons get their AND mask too
    and the doubled height that icon images carry."""
    palette, rows = indexed(pic, bits)
    pixels = pack_rows(rows, pic.width, bits)
    mask = b''
    if icon:
        mask_rows = [[1 if c is None else 0 for c in row] for row in pic.rows]
        mask = pack_rows(mask_rows, pic.width, 1)
    header = struct.pack('<IiiHHIIiiII', 40, pic.width, pic.height * (2 if icon else 1), 1, bits, 0,
                         len(pixels) + len(mask), 0 if icon else 3780, 0 if icon else 3780,
                         0 if icon else len(palette), 0)
    colour_table = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in palette)
    return header + colour_table + pixels + mask


def ico_bytes(images):
    """An ICO file of (picture, bits) images."""
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    bodies = []
    for pic, bits in images:
        body = dib(pic, bits, icon=True)
        out += struct.pack('<BBBBHHII', pic.width % 256, pic.height % 256, 16 if bits == 4 else 0, 0,
                           1, bits, len(body), offset)
        offset += len(body)
        bodies.append(body)
    return out + b''.join(bodies)


def bmp_bytes(pic, bits):
    if any(c is None for row in pic.rows for c in row):
        raise ValueError('a bitmap cannot hold transparent pixels')
    body = dib(pic, bits, icon=False)
    return struct.pack('<2sIHHI', b'BM', 14 + len(body), 0, 0, 14 + 40 + 4 * (1 << bits)) + body


# ---------------------------------------------------------------------------
# Reading files back


class CheckError(Exception):
    pass


def expect(what, got, wanted):
    if got != wanted:
        raise CheckError('%s is %r, expected %r' % (what, got, wanted))


def decode_dib(data, offset, length, width, height, bits, icon, what):
    """Reads a DIB back into rows of RGB (None where the mask is set)."""
    if offset + length > len(data):
        raise CheckError('%s runs past the end of the file' % what)
    (size, w, h, planes, bpp, compression, _, _, _, used, _) = struct.unpack_from('<IiiHHIIiiII', data, offset)
    expect(what + ' header size', size, 40)
    expect(what + ' width', w, width)
    expect(what + ' height', h, height * (2 if icon else 1))
    expect(what + ' planes', planes, 1)
    expect(what + ' bit depth', bpp, bits)
    expect(what + ' compression', compression, 0)
    colours = 1 << bits
    if used not in (0, colours):
        raise CheckError('%s uses a palette of %d colours, expected %d' % (what, used, colours))
    table = offset + 40
    palette = [struct.unpack_from('<BBB', data, table + 4 * i)[::-1] for i in range(colours)]
    pixels = table + 4 * colours
    stride = row_bytes(width, bits)
    mask_stride = row_bytes(width, 1) if icon else 0
    expect(what + ' length', length, 40 + 4 * colours + height * (stride + mask_stride))
    rows = []
    for y in range(height):
        line = pixels + (height - 1 - y) * stride
        mask_line = pixels + height * stride + (height - 1 - y) * mask_stride
        row = []
        for x in range(width):
            per_byte = 8 // bits
            value = (data[line + x // per_byte] >> (8 - bits * (x % per_byte + 1))) & ((1 << bits) - 1)
            transparent = icon and (data[mask_line + x // 8] >> (7 - x % 8)) & 1
            row.append(None if transparent else palette[value])
        rows.append(row)
    return rows


def read_ico(data, wanted, name):
    """Checks an ICO file against a list of (width, height, bits)."""
    if len(data) < 6:
        raise CheckError('%s is too short' % name)
    reserved, kind, count = struct.unpack_from('<HHH', data, 0)
    expect(name + ' reserved field', reserved, 0)
    expect(name + ' resource type', kind, 1)
    expect(name + ' image count', count, len(wanted))
    images = []
    end = 6 + 16 * count
    for i, (width, height, bits) in enumerate(wanted):
        what = '%s image %d' % (name, i)
        w, h, ncolours, _, planes, bpp, length, offset = struct.unpack_from('<BBBBHHII', data, 6 + 16 * i)
        expect(what + ' directory width', w, width % 256)
        expect(what + ' directory height', h, height % 256)
        expect(what + ' directory colour count', ncolours, 16 if bits == 4 else 0)
        expect(what + ' directory planes', planes, 1)
        expect(what + ' directory bit depth', bpp, bits)
        images.append(decode_dib(data, offset, length, width, height, bits, True, what))
        end = max(end, offset + length)
    expect(name + ' length', len(data), end)
    return images


def read_bmp(data, width, height, bits, name):
    if len(data) < 54:
        raise CheckError('%s is too short' % name)
    magic, size, _, _, offbits = struct.unpack_from('<2sIHHI', data, 0)
    expect(name + ' signature', magic, b'BM')
    expect(name + ' size field', size, len(data))
    expect(name + ' pixel offset', offbits, 14 + 40 + 4 * (1 << bits))
    return decode_dib(data, 14, len(data) - 14, width, height, bits, False, name)


# ---------------------------------------------------------------------------
# The set of files


def pictures():
    """Every output file: name, kind, and its pictures with bit depths."""
    open_colour = from_map(OPEN_MAP)
    run_colour = from_map(RUN_MAP)
    favorites_colour = from_map(FAVORITES_MAP)
    return [
        ('pavane.ico', 'ico', [(cartridge(32, False), 4), (cartridge(16, False), 4), (cartridge(32, True), 8)]),
        ('display_page.ico', 'ico', [(display_page_icon(), 4)]),
        ('input_page.ico', 'ico', [(input_page_icon(), 4)]),
        ('sound_page.ico', 'ico', [(sound_page_icon(), 4)]),
        ('location.ico', 'ico', [(location_icon(), 4)]),
        ('drive_fixed.ico', 'ico', [(from_map(DRIVE_FIXED_MAP), 4)]),
        ('drive_removable.ico', 'ico', [(from_map(DRIVE_REMOVABLE_MAP), 4)]),
        ('drive_remote.ico', 'ico', [(from_map(DRIVE_REMOTE_MAP), 4)]),
        ('drive_cdrom.ico', 'ico', [(from_map(DRIVE_CDROM_MAP), 4)]),
        ('drive_ram.ico', 'ico', [(from_map(DRIVE_RAM_MAP), 4)]),
        ('open.bmp', 'bmp', [(open_colour, 4)]),
        ('run.bmp', 'bmp', [(run_colour, 4)]),
        ('favorites.bmp', 'bmp', [(favorites_colour, 4)]),
        ('about_banner.bmp', 'bmp', [(banner(), 8)]),
        ('about_glyph.bmp', 'bmp', [(from_map(GLYPH_MAP), 4)]),
        ('controller.bmp', 'bmp', [(controller(Picture), 8)]),
    ]


# Sizes and depths every file must have, written out on their own so that a
# change of a drawing function cannot quietly change what the program gets.
EXPECTED = {
    'pavane.ico': [(32, 32, 4), (16, 16, 4), (32, 32, 8)],
    'display_page.ico': [(32, 32, 4)],
    'input_page.ico': [(32, 32, 4)],
    'sound_page.ico': [(32, 32, 4)],
    'location.ico': [(32, 32, 4)],
    'drive_fixed.ico': [(16, 16, 4)],
    'drive_removable.ico': [(16, 16, 4)],
    'drive_remote.ico': [(16, 16, 4)],
    'drive_cdrom.ico': [(16, 16, 4)],
    'drive_ram.ico': [(16, 16, 4)],
    'open.bmp': [(20, 20, 4)],
    'run.bmp': [(20, 20, 4)],
    'favorites.bmp': [(20, 20, 4)],
    'about_banner.bmp': [(350, 92, 8)],
    'about_glyph.bmp': [(16, 22, 4)],
    'controller.bmp': [(325, 159, 8)],
}

# Toolbar bitmaps that share one background colour, by button.
TOOLBAR_SETS = {
    'open': DARK_MAGENTA,
    'run': WHITE,
    'favorites': DARK_MAGENTA,
}


def quantised(pic, bits):
    """The picture as it looks after the palette reduction of its file."""
    palette, rows = indexed(pic, bits)
    out = Picture(pic.width, pic.height)
    for y, row in enumerate(rows):
        for x, value in enumerate(row):
            if pic.get(x, y) is not None:
                out.put(x, y, palette[value])
    return out.rows


def check(directory, drawn):
    """Reads every file back; returns a list of problems."""
    problems = []
    names = [name for name, _, _ in drawn]
    if sorted(names) != sorted(EXPECTED):
        problems.append('the drawn set of files differs from the expected set')
    for name, kind, images in drawn:
        path = os.path.join(directory, name)
        try:
            with open(path, 'rb') as f:
                data = f.read()
            wanted = EXPECTED.get(name, [])
            if kind == 'ico':
                decoded = read_ico(data, wanted, name)
            else:
                if len(wanted) != 1:
                    raise CheckError('%s must hold exactly one picture' % name)
                decoded = [read_bmp(data, *wanted[0], name)]
            for i, ((pic, bits), rows) in enumerate(zip(images, decoded)):
                if rows != quantised(pic, bits):
                    raise CheckError('%s image %d differs from the picture this script draws' % (name, i))
            if kind == 'bmp':
                button = name.split('_')[0].split('.')[0]
                if button in TOOLBAR_SETS:
                    expect(name + ' top-left (transparent) colour', decoded[0][0][0], TOOLBAR_SETS[button])
        except (OSError, CheckError, struct.error) as err:
            problems.append(str(err))
    return problems


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    directory = os.path.normpath(os.path.join(here, '..', '..', 'app', 'res'))
    check_only = False
    args = list(argv)
    while args:
        arg = args.pop(0)
        if arg == '--check':
            check_only = True
        elif arg == '--out' and args:
            directory = args.pop(0)
        else:
            sys.stderr.write('usage: make_artwork.py [--out DIR] [--check]\n')
            return 2
    drawn = pictures()
    if not check_only:
        os.makedirs(directory, exist_ok=True)
        for name, kind, images in drawn:
            data = ico_bytes(images) if kind == 'ico' else bmp_bytes(*images[0])
            with open(os.path.join(directory, name), 'wb') as f:
                f.write(data)
    problems = check(directory, drawn)
    for problem in problems:
        sys.stderr.write('make_artwork: %s\n' % problem)
    if problems:
        return 1
    print('make_artwork: %d files in %s are correct' % (len(drawn), directory))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
