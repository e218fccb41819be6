"""The Display page's icon (32 x 32, 16 colours): a computer monitor whose
blue screen shows the word ZSNES in red."""

from picture import BLACK, BLUE, DARK_GREEN, GREY, LIME, NAVY, RED, SILVER, WHITE, Picture

# A tiny pixel font with just the letters of the word.
TINY_FONT = {
    'Z': ['###', '..#', '.#.', '#..', '###'],
    'S': ['###', '#..', '###', '..#', '###'],
    'N': ['#..#', '##.#', '#.##', '#..#', '#..#'],
    'E': ['###', '#..', '##.', '#..', '###'],
}


def tiny_text(pic, x, y, text, colour, shadow):
    """Draws text in the tiny font; the shadow falls one pixel right and down."""
    for layer, dx, dy in ((shadow, 1, 1), (colour, 0, 0)):
        cx = x
        for ch in text:
            pic.draw_map(cx + dx, y + dy, TINY_FONT[ch], {'#': layer})
            cx += len(TINY_FONT[ch][0]) + 1


def draw():
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
    width = sum(len(TINY_FONT[ch][0]) + 1 for ch in text) - 1
    tiny_text(pic, 6 + (20 - width) // 2, 10, text, RED, shadow=NAVY)
    # Power light.
    pic.put(25, 21, LIME)
    pic.put(24, 21, DARK_GREEN)
    # Neck and foot.
    pic.rect(12, 25, 19, 26, GREY)
    pic.rect(7, 27, 24, 28, SILVER)
    pic.line(7, 27, 24, 27, WHITE)
    pic.outline(BLACK)
    return pic
