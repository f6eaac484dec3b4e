#!/usr/bin/env python3
"""Draws the glyph images stored with the program: the spin arrows "SpinUp" and "SpinDown" and the button
glyphs "GLYPH_1" to "GLYPH_16", each at its own size and at twice that size for high-density screens
(the "@2x" files). The pictures are drawn with hard edges on their transparent colour (olive for the
arrows, black for the button glyphs), because a blended edge pixel would show as a dark fringe once the
transparent colour is left out.

Run from the repository root:  python3 tools/make-glyphs.py controls/glyphs
Only the standard library is used, so the images can be remade on any machine."""

import math
import os
import struct
import sys
import zlib

OLIVE = (128, 128, 0)
BLACK = (0, 0, 0)


def write_png(path, width, height, pixel):
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        for x in range(width):
            raw.extend(pixel(x, y))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", header))
        f.write(chunk(b"IDAT", zlib.compress(bytes(raw), 9)))
        f.write(chunk(b"IEND", b""))


def clamp(c):
    return max(0, min(255, int(round(c))))


def never_transparent(colour, transparent):
    # A picture pixel that happened to take the transparent colour would vanish.
    return (colour[0], colour[1], colour[2] + 1) if tuple(colour) == transparent else tuple(colour)


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


# Spin arrows: a black triangle of rows 1, 3, 5 and 7 pixels wide, centred on column 4 of 9.
def spin_arrow(scale, up):
    width, height = 9 * scale, 6 * scale
    centre = width / 2.0
    top, bottom = 1 * scale, 5 * scale

    def inside(x, y):
        if not top <= y < bottom:
            return False
        row = (y - top) if up else (bottom - 1 - y)
        # One arrow pixel wider on each side per arrow row; at twice the size the same outline is
        # followed row by device row, which gives the finer staircase of a high-density screen.
        last = bottom - top - 1
        half = row + 0.5 if scale == 1 else 1.0 + row * (3.5 * scale - 1.0) / last
        return abs(x + 0.5 - centre) <= half

    return width, height, lambda x, y: BLACK if inside(x, y) else OLIVE


# Button glyph looks, in the order of the stored images: hot, disabled, pressed, normal.
LOOKS = [
    {"base": (30, 110, 255), "light": (150, 255, 255)},  # hot: bright blue with cyan light
    {"base": (150, 150, 150), "light": (235, 235, 235)},  # disabled: grey
    {"base": (150, 240, 255), "light": (240, 255, 255)},  # pressed: light cyan
    {"base": (20, 50, 170), "light": (110, 160, 240)},  # normal: darker blue
]

LIGHT_DIRECTION = (-0.45, -0.6, 0.66)


def ball(size, scale, look):
    width = height = size * scale
    radius = width / 2.0
    norm = math.sqrt(sum(c * c for c in LIGHT_DIRECTION))
    lx, ly, lz = (c / norm for c in LIGHT_DIRECTION)

    def pixel(x, y):
        u = (x + 0.5 - radius) / radius
        v = (y + 0.5 - radius) / radius
        d2 = u * u + v * v
        if d2 > 0.98:
            return BLACK
        w = math.sqrt(max(0.0, 1.0 - d2))
        diffuse = max(0.0, u * lx + v * ly + w * lz)
        shine = diffuse ** 18
        colour = tuple(look["base"][i] * (0.38 + 0.72 * diffuse) for i in range(3))
        colour = mix(colour, look["light"], min(1.0, shine * 1.1))
        return never_transparent([clamp(c) for c in colour], BLACK)

    return width, height, pixel


def triangle(scale, look, up):
    width, height = 17 * scale, 9 * scale
    centre = width / 2.0

    def pixel(x, y):
        row = y if up else height - 1 - y
        half = (row + 1) * (width / 2.0) / height
        offset = x + 0.5 - centre
        if abs(offset) > half:
            return BLACK
        across = offset / half  # -1 at the left face, +1 at the right face
        down = row / (height - 1.0)  # 0 at the tip, 1 at the base
        # Lit from the top left: the left face and the tip catch the light, the right face and the base
        # fall into shade.
        colour = tuple(look["base"][i] * (1.05 - 0.38 * across - 0.2 * down) for i in range(3))
        colour = mix(colour, look["light"], max(0.0, 0.55 - 0.45 * across - 0.6 * down))
        return never_transparent([clamp(c) for c in colour], BLACK)

    return width, height, pixel


def glyph_pictures(scale):
    pictures = {}
    number = 1
    for make in (lambda look: ball(10, scale, look), lambda look: ball(15, scale, look),
                 lambda look: triangle(scale, look, True), lambda look: triangle(scale, look, False)):
        for look in LOOKS:
            pictures["GLYPH_%d" % number] = make(look)
            number += 1
    pictures["SpinUp"] = spin_arrow(scale, True)
    pictures["SpinDown"] = spin_arrow(scale, False)
    return pictures


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "controls/glyphs"
    os.makedirs(out, exist_ok=True)
    for scale, suffix in ((1, ""), (2, "@2x")):
        for name, (width, height, pixel) in glyph_pictures(scale).items():
            write_png(os.path.join(out, name + suffix + ".png"), width, height, pixel)


if __name__ == "__main__":
    main()
