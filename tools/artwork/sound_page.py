"""The Sound page's icon (32 x 32, 16 colours): a green sound wave between
two dotted loudspeakers, on black."""

import math

from picture import BLACK, DARK_GREEN, GREY, LIME, WHITE, Picture


def draw():
    pic = Picture(32, 32, BLACK)

    # Two loudspeaker boxes seen from the front, drawn in dots on every
    # other pixel: the cabinet's edge, a small tweeter and a large woofer.
    dots = Picture(32, 32)
    for left in (1, 23):
        dots.frame(left, 5, left + 7, 26, WHITE)
        for cy, r, colour in ((10.0, 1.6, GREY), (19.5, 3.6, WHITE)):
            for y in range(32):
                for x in range(32):
                    if abs(math.hypot(x + 0.5 - (left + 4.0), y + 0.5 - cy) - r) < 0.6:
                        dots.put(x, y, colour)
        dots.put(left + 4, 19, WHITE)    # the woofer's dust cap
    for y in range(32):
        for x in range(32):
            if dots.get(x, y) is not None and (x + y) % 2 == 0:
                pic.put(x, y, dots.get(x, y))

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

