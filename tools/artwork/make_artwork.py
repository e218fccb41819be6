#!/usr/bin/env python3
"""Draws Pavane's pictures and writes them as Windows ICO and BMP files.

Every picture is pixel art made here in code, one module per picture, so
the artwork can be changed and rebuilt without a drawing program. The build
uses only the written files in app/res/; after changing a picture, run this
script and check both the script and its output in.

    python3 tools/artwork/make_artwork.py           # write app/res/, then check
    python3 tools/artwork/make_artwork.py --check   # only check app/res/
    python3 tools/artwork/make_artwork.py --out DIR [--check]

The check reads every file back, compares the headers the program relies on
(image count, sizes, bit depths, palette sizes) and the decoded pixels with
the pictures drawn here, so it also finds checked-in files that are older
than the script. Any mismatch ends with status 1.
"""

import argparse
import importlib.util
import os
import sys

# Pillow comes from the Debian archive (tools/install-deps), so only the
# system's Python finds it; a python3 that comes first on the PATH, such as
# a pyenv or virtualenv one, hands the work over to the system's.
SYSTEM_PYTHON = '/usr/bin/python3'
if importlib.util.find_spec('PIL') is None:
    if os.path.realpath(sys.executable) != os.path.realpath(SYSTEM_PYTHON) and os.path.exists(SYSTEM_PYTHON):
        os.execv(SYSTEM_PYTHON, [SYSTEM_PYTHON, os.path.abspath(__file__)] + sys.argv[1:])
    sys.exit('make_artwork: Pillow is missing; tools/install-deps installs it (python3-pil)')

# The picture modules are imported from the source tree, which they would
# otherwise leave a __pycache__ folder in.
sys.dont_write_bytecode = True
import about_banner
import about_glyph
import controller
import display_page
import drives
import image_files
import input_page
import location
import pavane_icon
import sound_page
import toolbar
from picture import DARK_MAGENTA, SILVER, WHITE, from_map


def files():
    """Every file with its images: the picture, and the size and number of
    colours the program expects of it, written out on their own so that a
    change of a drawing cannot quietly change what the program gets."""
    return {
        'pavane.ico': [(pavane_icon.draw(32, rich=False), (32, 32), 16),
                       (pavane_icon.draw(16, rich=False), (16, 16), 16),
                       (pavane_icon.draw(32, rich=True), (32, 32), 256)],
        'display_page.ico': [(display_page.draw(), (32, 32), 16)],
        'input_page.ico': [(input_page.draw(), (32, 32), 16)],
        'sound_page.ico': [(sound_page.draw(), (32, 32), 16)],
        'location.ico': [(location.draw(), (32, 32), 16)],
        'drive_fixed.ico': [(from_map(drives.FIXED), (16, 16), 16)],
        'drive_removable.ico': [(from_map(drives.REMOVABLE), (16, 16), 16)],
        'drive_remote.ico': [(from_map(drives.REMOTE), (16, 16), 16)],
        'drive_cdrom.ico': [(from_map(drives.CDROM), (16, 16), 16)],
        'drive_ram.ico': [(from_map(drives.RAM), (16, 16), 16)],
        'open.bmp': [(from_map(toolbar.OPEN), (20, 20), 16)],
        'run.bmp': [(from_map(toolbar.RUN), (20, 20), 16)],
        'favorites.bmp': [(from_map(toolbar.FAVORITES), (20, 20), 16)],
        'about_banner.bmp': [(about_banner.draw(), (350, 92), 256)],
        'about_glyph.bmp': [(from_map(about_glyph.GLYPH), (16, 22), 16)],
        'controller.bmp': [(controller.draw(), (325, 159), 256)],
    }


# The pixel each bitmap's button draws transparent, and its colour there: the
# toolbar takes the top-left pixel's colour, the about box's button the
# bottom-left one's.
TRANSPARENT = {
    'open.bmp': ((0, 0), DARK_MAGENTA),
    'run.bmp': ((0, 0), WHITE),
    'favorites.bmp': ((0, 0), DARK_MAGENTA),
    'about_glyph.bmp': ((0, 21), SILVER),
}


def problems_of(name, data, images):
    """What is wrong with a file's bytes, given the (picture, size, colours)
    images it must hold."""
    problems = ['%s image %d is drawn at %d x %d, not %d x %d' % (name, i, pic.width, pic.height, *size)
                for i, (pic, size, _) in enumerate(images) if (pic.width, pic.height) != size]
    drawn = [(pic, colours) for pic, _, colours in images]
    if name.endswith('.ico'):
        wanted, got = image_files.expected_ico(drawn), image_files.read_ico(data)
    else:
        wanted, got = image_files.expected_bmp(*drawn[0]), image_files.read_bmp(data)
    if len(got) != len(wanted):
        return problems + ['%s holds %d images, not %d' % (name, len(got), len(wanted))]
    for i, ((got_header, got_pixels), (header, pixels)) in enumerate(zip(got, wanted)):
        if got_header != header:
            problems.append('%s image %d has the header fields %r, not %r' % (name, i, got_header, header))
        elif got_pixels != pixels:
            problems.append('%s image %d differs from the picture drawn for it' % (name, i))
    if name in TRANSPARENT:
        (x, y), colour = TRANSPARENT[name]
        if images[0][0].get(x, y) != colour:
            problems.append('%s has %r at (%d, %d), where its button looks for its transparent colour %r'
                            % (name, images[0][0].get(x, y), x, y, colour))
    return problems


def main(argv):
    res = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'app', 'res'))
    parser = argparse.ArgumentParser(description='Draws the pictures into app/res/ (or DIR) and checks the files.')
    parser.add_argument('--check', action='store_true', help='only check the files')
    parser.add_argument('--out', metavar='DIR', default=res)
    args = parser.parse_args(argv)
    table = files()
    if not args.check:
        os.makedirs(args.out, exist_ok=True)
        for name, images in table.items():
            drawn = [(pic, colours) for pic, _, colours in images]
            data = image_files.ico_bytes(drawn) if name.endswith('.ico') else image_files.bmp_bytes(*drawn[0])
            with open(os.path.join(args.out, name), 'wb') as f:
                f.write(data)
    problems = []
    for name, images in table.items():
        try:
            with open(os.path.join(args.out, name), 'rb') as f:
                problems += problems_of(name, f.read(), images)
        except (OSError, SyntaxError, ValueError) as err:
            problems.append('%s: %s' % (name, err))
    for problem in problems:
        sys.stderr.write('make_artwork: %s\n' % problem)
    if problems:
        return 1
    print('make_artwork: %d files in %s are correct' % (len(table), args.out))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
