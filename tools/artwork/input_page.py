"""The Input page's icon (32 x 32, 16 colours): a white game controller with
four coloured buttons."""

from picture import (BLACK, BLUE, DARK_GREEN, DARK_RED, GREY, LIME, NAVY, OLIVE, RED, SILVER, WHITE, YELLOW,
                     Picture)

PAD = [
    '..kkk..',
    '..kdk..',
    'kkkdkkk',
    'kdddddk',
    'kkkdkkk',
    '..kdk..',
    '..kkk..',
]

# A face button, its lower half darker for a little depth.
BUTTON = ['.LL.', 'LLLL', 'DDDD', '.DD.']


def draw():
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
    pic.draw_map(6, 13, PAD)
    # Select and start.
    for x0 in (13, 17):
        pic.put(x0, 20, GREY)
        pic.put(x0 + 1, 19, GREY)
    # Four face buttons in a diamond: blue top, red right, yellow bottom,
    # green left.
    for bx, by, light, dark in ((21, 10, BLUE, NAVY), (25, 14, RED, DARK_RED),
                                (21, 18, YELLOW, OLIVE), (17, 14, LIME, DARK_GREEN)):
        pic.draw_map(bx, by, BUTTON, {'L': light, 'D': dark})
    return pic
