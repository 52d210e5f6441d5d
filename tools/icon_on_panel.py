#!/usr/bin/env python3
# Makes a classic icon file, which every Windows from 95 on reads, of a
# 32-bit RGBA picture for a place of one known colour: a single 8-bit image
# whose pixels are the picture already blended onto that colour, as the
# platform blends a 32-bit icon, and whose mask leaves out the fully
# transparent pixels. Shown on that colour it looks the same as the 32-bit
# icon, without the alpha channel that Windows before XP ignores.
#
# More pictures, each of another size, give an icon of several images.
#
#   icon_on_panel.py <raw RGBA file> <size> <background RRGGBB> <icon file> [<raw RGBA file> <size>]...
import struct
import sys


def blend(colour, alpha, background):
    # The source is premultiplied, then the background added under it.
    premultiplied = colour * alpha // 255
    return premultiplied + (background * (255 - alpha) + 127) // 255


def quantized(pixels, transparent):
    # Averaged edges of a larger picture may need more than 256 colours:
    # dropped bits of each channel, fewest first, until they fit. The black
    # under the mask stays black.
    for dropped in range(0, 8):
        step = 1 << dropped
        fitted = [p if clear or not dropped else tuple(min(255, c // step * step + step // 2) for c in p)
                  for p, clear in zip(pixels, transparent)]
        if len(set(fitted)) <= 256:
            return fitted
    sys.exit('icon_on_panel.py: too many colours')


def image_of(raw, size, back):
    rgba = open(raw, 'rb').read()
    if len(rgba) != size * size * 4:
        sys.exit('icon_on_panel.py: %s is not %dx%d RGBA' % (raw, size, size))
    pixels, transparent = [], []
    for at in range(0, len(rgba), 4):
        r, g, b, a = rgba[at:at + 4]
        # Where the mask lets the place show, the image must be black: the
        # platform draws the mask with AND and then the image with XOR.
        pixels.append(tuple(blend(c, a, k) for c, k in zip((r, g, b), back)) if a else (0, 0, 0))
        transparent.append(a == 0)
    pixels = quantized(pixels, transparent)
    palette = sorted(set(pixels))
    index = {colour: i for i, colour in enumerate(palette)}
    # Rows bottom up; the 1-bit mask rows padded to four bytes.
    colours = bytearray()
    mask = bytearray()
    mask_stride = (size + 31) // 32 * 4
    for y in range(size - 1, -1, -1):
        row = pixels[y * size:(y + 1) * size]
        colours += bytes(index[p] for p in row)
        bits = bytearray(mask_stride)
        for x in range(size):
            if transparent[y * size + x]:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    table = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in palette)
    table += bytes(4 * (256 - len(palette)))
    # The height counts the colour and the mask image.
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 8, 0, len(colours) + len(mask), 0, 0, 0, 0)
    return header + table + colours + mask


def main():
    raw, size, background, target = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
    back = [int(background[i:i + 2], 16) for i in (0, 2, 4)]
    pictures = [(raw, size)] + [(sys.argv[i], int(sys.argv[i + 1])) for i in range(5, len(sys.argv) - 1, 2)]
    images = [image_of(raw, size, back) for raw, size in pictures]
    directory = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (raw, size), image in zip(pictures, images):
        directory += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 8, len(image), offset)
        offset += len(image)
    open(target, 'wb').write(directory + b''.join(images))


main()
