"""The about box's banner (350 x 92, 256 colours): "Pavane" in chrome
letters over a daytime sky with clouds."""

import math

from picture import Picture, mix, ramp

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


# The clouds: soft lumps, each a circle of (x, y, radius) squeezed sideways.
CLOUDS = [
    (18, 80, 14), (40, 74, 16), (64, 82, 13), (88, 86, 10),
    (270, 84, 12), (296, 76, 15), (322, 82, 14), (344, 74, 10),
    (300, 20, 6), (312, 16, 8), (326, 21, 6),
    (24, 18, 5), (34, 14, 7), (46, 19, 5),
]


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


def draw():
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

