"""Reduces a picture to the palette of its file: the sixteen standard
colours, or a palette of 256 made for the picture by median cut."""

from collections import Counter

from PIL import Image

from picture import BLACK, VGA16


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


def indexed(pic, colours):
    """The picture as a Pillow palette image of 16 or 256 colours. The
    16-colour pictures must use only the standard colours. Transparent pixels
    get a black entry: an icon shows its colour pixels through the AND mask,
    so they must be black there."""
    if colours == 16:
        palette = list(VGA16)
        lookup = {c: i for i, c in enumerate(VGA16)}
        lookup[None] = lookup[BLACK]
    else:
        # One entry stays free for the transparent pixels' black.
        palette, lookup = median_cut(Counter(c for row in pic.rows for c in row if c is not None), colours - 1)
        palette += [BLACK] * (colours - len(palette))
        lookup[None] = colours - 1
    try:
        indices = [lookup[c] for row in pic.rows for c in row]
    except KeyError as err:
        raise ValueError('colour %r is not in the 16-colour palette' % (err.args[0],)) from None
    image = Image.new('P', (pic.width, pic.height))
    image.putpalette([value for colour in palette for value in colour])
    image.putdata(indices)
    return image
