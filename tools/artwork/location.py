"""The location dialog's icon (32 x 32, 16 colours): a yellow open folder
with a sheet of lined paper standing in it."""

from picture import BLACK, BLUE, OLIVE, RED, SILVER, WHITE, YELLOW, Picture


def draw():
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

