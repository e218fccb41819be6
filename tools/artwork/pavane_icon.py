"""Application icon: a game cartridge with its contacts showing at the bottom
and a label that shows a silver "P" against a sky, the about box banner's
motif in small."""

from picture import (BLACK, BLUE, CYAN, DARK_GREEN, GREY, KEY, NAVY, SILVER, WHITE, YELLOW, Picture, mix,
                     ramp)


def ramp_bands(bands, t):
    """The first colour whose band, given as (upper end, colour), holds t."""
    for end, colour in bands:
        if t <= end + 1e-9:
            return colour
    return bands[-1][1]


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


def draw(size, rich):
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
        key = KEY
        if rich:
            metal = ramp([(0, (255, 255, 255)), (0.42, (206, 216, 232)), (0.5, (104, 114, 138)),
                          (0.75, (186, 196, 214)), (1, (242, 246, 252))], dy / (len(letter) - 1))
            key = {'k': (14, 18, 46), 'W': metal, 's': mix(metal, (70, 80, 104), 0.55)}
        pic.draw_map(px, py + dy, [row], key)

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
