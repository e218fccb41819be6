#!/usr/bin/env python3
"""Draws Pavane's pictures and writes them as Windows ICO and BMP files.

Every picture is pixel art made here in code, one module per picture, so
the artwork can be changed and rebuilt without a drawing program. The build
uses only the written files in app/res/; after changing a picture, run this
script and check both the script and its output in.

    python3 tools/artwork/make_artwork.py           # write app/res/, then check
    python3 tools/artwork/make_artwork.py --check   # only check app/res/
    python3 tools/artwork/make_artwork.py --out DIR [--check]

The check reads every file back, validates its headers (image count, sizes,
bit depths, palette sizes, mask sizes, file length) and compares the decoded
pixels with the pictures drawn by this script, so it also finds checked-in
files that are older than the script. Any mismatch ends with status 1.
"""

import os
import struct
import sys

import about_banner
import about_glyph
import controller
import display_page
import drives
import input_page
import location
import pavane_icon
import sound_page
import toolbar
from picture import BLACK, DARK_MAGENTA, VGA16, WHITE, Picture, from_map

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
    return [
        ('pavane.ico', 'ico', [(pavane_icon.draw(32, False), 4), (pavane_icon.draw(16, False), 4),
                               (pavane_icon.draw(32, True), 8)]),
        ('display_page.ico', 'ico', [(display_page.draw(), 4)]),
        ('input_page.ico', 'ico', [(input_page.draw(), 4)]),
        ('sound_page.ico', 'ico', [(sound_page.draw(), 4)]),
        ('location.ico', 'ico', [(location.draw(), 4)]),
        ('drive_fixed.ico', 'ico', [(from_map(drives.FIXED), 4)]),
        ('drive_removable.ico', 'ico', [(from_map(drives.REMOVABLE), 4)]),
        ('drive_remote.ico', 'ico', [(from_map(drives.REMOTE), 4)]),
        ('drive_cdrom.ico', 'ico', [(from_map(drives.CDROM), 4)]),
        ('drive_ram.ico', 'ico', [(from_map(drives.RAM), 4)]),
        ('open.bmp', 'bmp', [(from_map(toolbar.OPEN), 4)]),
        ('run.bmp', 'bmp', [(from_map(toolbar.RUN), 4)]),
        ('favorites.bmp', 'bmp', [(from_map(toolbar.FAVORITES), 4)]),
        ('about_banner.bmp', 'bmp', [(about_banner.draw(), 8)]),
        ('about_glyph.bmp', 'bmp', [(from_map(about_glyph.GLYPH), 4)]),
        ('controller.bmp', 'bmp', [(controller.draw(), 8)]),
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
