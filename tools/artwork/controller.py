"""The controller picture of the input dialogs (325 x 159, 256 colours).

The console's controller seen from above: the direction pad on the left,
SELECT and START in the middle, the four face buttons in a diamond on the
right, the shoulder buttons L and R on the top edge. The dialogs lay red
bars over the picture, from each field to its button; every button here is
placed so that the end of its bar lies on it, and its label where no bar
passes. In picture coordinates the bars end at: Up (72, 66), Down (73, 112),
Left (49, 90), Right (90, 88), Select (130, 104), Start (170, 104),
X (259, 66), A (283, 91), B (252, 109), Y (232, 82), L (82, 21), R (258, 21).
"""

import math

from picture import Picture

WIDTH, HEIGHT = 325, 159

BACKGROUND = (236, 236, 240)
BODY_TOP, BODY_BOTTOM = (214, 214, 222), (176, 176, 188)
BODY_EDGE = (88, 88, 100)
SHOULDER = (150, 150, 162)
RECESS = (160, 160, 172)
PAD = (52, 52, 60)
PAD_MARK = (110, 110, 122)
BAR_BUTTON = (84, 84, 94)
LABEL = (60, 60, 72)
WHITE = (255, 255, 255)
FACE = {
    'X': ((254, 60), (40, 70, 200)),   # top, blue
    'A': ((279, 84), (206, 36, 36)),   # right, red
    'B': ((247, 108), (228, 196, 30)),  # bottom, yellow
    'Y': ((226, 76), (34, 146, 62)),   # left, green
}
FACE_RADIUS = 12

# Letters of 5 x 7 pixels for the buttons, 3 x 5 for the small labels.
BIG = {
    'X': ['#...#', '#...#', '.#.#.', '..#..', '.#.#.', '#...#', '#...#'],
    'A': ['.###.', '#...#', '#...#', '#####', '#...#', '#...#', '#...#'],
    'B': ['####.', '#...#', '#...#', '####.', '#...#', '#...#', '####.'],
    'Y': ['#...#', '#...#', '.#.#.', '..#..', '..#..', '..#..', '..#..'],
    'L': ['#....', '#....', '#....', '#....', '#....', '#....', '#####'],
    'R': ['####.', '#...#', '#...#', '####.', '#.#..', '#..#.', '#...#'],
}
SMALL = {
    'S': ['###', '#..', '###', '..#', '###'],
    'E': ['###', '#..', '##.', '#..', '###'],
    'L': ['#..', '#..', '#..', '#..', '###'],
    'C': ['###', '#..', '#..', '#..', '###'],
    'T': ['###', '.#.', '.#.', '.#.', '.#.'],
    'A': ['.#.', '#.#', '###', '#.#', '#.#'],
    'R': ['##.', '#.#', '##.', '#.#', '#.#'],
}


def text(pic, font, x, y, word, colour):
    for ch in word:
        glyph = font[ch]
        for dy, row in enumerate(glyph):
            for dx, cell in enumerate(row):
                if cell == '#':
                    pic.put(x + dx, y + dy, colour)
        x += len(glyph[0]) + 1


def text_width(font, word):
    return sum(len(font[ch][0]) + 1 for ch in word) - 1


def centred(pic, font, cx, cy, word, colour):
    text(pic, font, int(round(cx - text_width(font, word) / 2.0)), int(round(cy - len(font[word[0]]) / 2.0)),
         word, colour)


def in_body(x, y):
    """The body: two round grips joined by a band."""
    return (math.hypot(x - 76, y - 90) <= 62 or math.hypot(x - 258, y - 90) <= 62 or
            (76 <= x <= 258 and 28 <= y <= 152))


def rounded_rect(x, y, x0, y0, x1, y1, r):
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return math.hypot(x - cx, y - cy) <= r


def in_pad(x, y):
    return (68 <= x < 85 and 59 <= y < 120) or (46 <= x < 107 and 81 <= y < 98)


def draw():
    pic = Picture(WIDTH, HEIGHT, BACKGROUND)
    for y in range(HEIGHT):
        for x in range(WIDTH):
            px, py = x + 0.5, y + 0.5
            colour = BACKGROUND
            # The shoulder buttons behind the body.
            for x0 in (44, 210):
                if rounded_rect(px, py, x0, 10, x0 + 80, 40, 8):
                    colour = SHOULDER
                elif rounded_rect(px, py, x0 - 1, 9, x0 + 81, 41, 9):
                    colour = BODY_EDGE
            if in_body(px, py):
                t = (py - 28) / (152 - 28)
                shade = tuple(int(round(a + (b - a) * min(1.0, max(0.0, t)))) for a, b in zip(BODY_TOP, BODY_BOTTOM))
                colour = shade if all(in_body(px + dx, py + dy) for dx, dy in ((1.2, 0), (-1.2, 0), (0, 1.2), (0, -1.2))) \
                    else BODY_EDGE
                # Hollows around the pad and the face buttons.
                if math.hypot(px - 76, py - 89) <= 36 or math.hypot(px - 251, py - 84) <= 44:
                    colour = RECESS
            if in_pad(px, py):
                colour = PAD
            # SELECT and START: small rounded bars.
            for cx in (130, 170):
                if rounded_rect(px, py, cx - 13, 96, cx + 13, 106, 5):
                    colour = BAR_BUTTON
            for letter, ((cx, cy), face) in FACE.items():
                d = math.hypot(px - cx, py - cy)
                if d <= FACE_RADIUS:
                    colour = face if d <= FACE_RADIUS - 1.2 else tuple(c // 2 for c in face)
            pic.put(x, y, colour)

    # Arrows on the pad's arms, pointing outwards.
    for i in range(4):
        for j in range(-i, i + 1):
            pic.put(76 + j, 61 + i, PAD_MARK)
            pic.put(76 + j, 117 - i, PAD_MARK)
            pic.put(50 + i, 89 + j, PAD_MARK)
            pic.put(102 - i, 89 + j, PAD_MARK)

    text(pic, BIG, 60, 16, 'L', LABEL)
    text(pic, BIG, 272, 16, 'R', LABEL)
    centred(pic, SMALL, 130, 89, 'SELECT', LABEL)
    centred(pic, SMALL, 170, 89, 'START', LABEL)
    for letter, ((cx, cy), face) in FACE.items():
        centred(pic, BIG, cx + 0.5, cy + 0.5, letter, LABEL if letter == 'B' else WHITE)
    return pic
