"""Pavane's BMP and ICO files, written and read back with Pillow.

Pillow writes a bitmap of 16 or 256 colours at 8 bits per pixel, which the
program does not mind: it turns every bitmap into the screen's format or
into 32-bit pixels as it loads it. An icon needs more than Pillow 9.4
writes: Windows picks its image by bit depth (the application icon holds
32 x 32 pixels at 4 and at 8 bits) and finds the transparent pixels in an
AND mask, while Pillow writes no 4-bit icon images and makes every pixel of
a palette image opaque. So Pillow packs an icon's pixel rows and mask, and
the directory and headers go around them.

A file reads back as a list of images: the header fields the program relies
on, and the pixels as RGBA bytes, transparent ones (0, 0, 0, 0).
"""

import io
import struct

from PIL import IcoImagePlugin, Image, ImageChops

from palette import indexed


def bmp_bytes(pic, colours):
    if any(c is None for row in pic.rows for c in row):
        raise ValueError('a bitmap cannot hold transparent pixels')
    out = io.BytesIO()
    indexed(pic, colours).save(out, 'BMP')
    return out.getvalue()


def transparency(pic):
    """A 1-bit image that is set where the picture is transparent."""
    mask = Image.new('1', (pic.width, pic.height))
    mask.putdata([255 if c is None else 0 for row in pic.rows for c in row])
    return mask


def stride(width, bits):
    """The bytes of one row of a DIB, a multiple of four."""
    return (width * bits + 31) // 32 * 4


def icon_image(pic, colours):
    """One image of an icon file: a bottom-up DIB of twice the picture's
    height, the colour pixels followed by the AND mask."""
    image = indexed(pic, colours)
    bits = colours.bit_length() - 1
    pixels = image.tobytes('raw', ('P;4' if bits == 4 else 'P', stride(pic.width, bits), -1))
    mask = transparency(pic).tobytes('raw', ('1', stride(pic.width, 1), -1))
    header = struct.pack('<IiiHHIIiiII', 40, pic.width, 2 * pic.height, 1, bits, 0, len(pixels) + len(mask),
                         0, 0, 0, 0)
    rgb = image.getpalette()
    palette = b''.join(bytes((rgb[i + 2], rgb[i + 1], rgb[i], 0)) for i in range(0, len(rgb), 3))
    return header + palette + pixels + mask


def ico_bytes(images):
    """An ICO file of (picture, colours) images."""
    directory = [struct.pack('<HHH', 0, 1, len(images))]
    bodies = []
    offset = 6 + 16 * len(images)
    for pic, colours in images:
        body = icon_image(pic, colours)
        directory.append(struct.pack('<BBBBHHII', pic.width % 256, pic.height % 256, colours % 256, 0, 1,
                                     colours.bit_length() - 1, len(body), offset))
        bodies.append(body)
        offset += len(body)
    return b''.join(directory + bodies)


def expected_bmp(pic, colours):
    """What a bitmap of the picture reads back as: its size and palette
    size, and its pixels."""
    return [((pic.width, pic.height, colours), indexed(pic, colours).convert('RGBA').tobytes())]


def expected_ico(images):
    """What an icon file of (picture, colours) images reads back as: each
    image's size, bit depth, colour count and planes, and its pixels."""
    out = []
    for pic, colours in images:
        rgba = indexed(pic, colours).convert('RGBA')
        rgba.putalpha(ImageChops.invert(transparency(pic).convert('L')))
        out.append(((pic.width, pic.height, colours.bit_length() - 1, colours % 256, 1), rgba.tobytes()))
    return out


def read_bmp(data):
    image = Image.open(io.BytesIO(data), formats=['BMP'])
    if image.mode != 'P':
        raise ValueError('it is not a palette bitmap')
    return [((image.width, image.height, len(image.getpalette()) // 3), image.convert('RGBA').tobytes())]


def read_ico(data):
    """The images of an icon file in the order of the file; Pillow lists
    them largest first."""
    icon = IcoImagePlugin.IcoFile(io.BytesIO(data))
    return [((entry['width'], entry['height'], entry['bpp'], entry['nb_color'], entry['planes']),
             icon.frame(i).tobytes())
            for i, entry in sorted(enumerate(icon.entry), key=lambda item: item[1]['offset'])]
