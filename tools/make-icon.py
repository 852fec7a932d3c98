#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the program icon (a lightning bolt on a rounded square) at the four sizes
the window uses, as 32-bit PNGs, with nothing but the standard library; with
--ico FILE, the same four drawings as one Windows icon file instead."""
import struct
import sys
import zlib
from pathlib import Path

BOLT = [(0.58, 0.08), (0.24, 0.55), (0.47, 0.55), (0.38, 0.92), (0.76, 0.42), (0.53, 0.42), (0.64, 0.08)]
BACKGROUND = (32, 64, 128)
BOLT_COLOUR = (255, 204, 0)
SAMPLES = 4  # per axis, for smooth edges


def inside_polygon(x, y, polygon):
    inside = False
    for (x1, y1), (x2, y2) in zip(polygon, polygon[1:] + polygon[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            inside = not inside
    return inside


def inside_rounded_square(x, y, radius=0.18, margin=0.03):
    lo, hi = margin + radius, 1 - margin - radius
    cx, cy = min(max(x, lo), hi), min(max(y, lo), hi)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def pixel(px, py, size):
    square = bolt = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = (px + (sx + 0.5) / SAMPLES) / size
            y = (py + (sy + 0.5) / SAMPLES) / size
            if inside_rounded_square(x, y):
                square += 1
                bolt += inside_polygon(x, y, BOLT)
    total = SAMPLES * SAMPLES
    if square == 0:
        return (0, 0, 0, 0)
    t = bolt / square
    rgb = tuple(round(b * (1 - t) + f * t) for b, f in zip(BACKGROUND, BOLT_COLOUR))
    return rgb + (round(255 * square / total),)


def png(size):
    rows = b"".join(b"\0" + bytes(c for x in range(size) for c in pixel(x, y, size)) for y in range(size))
    chunk = lambda kind, data: (struct.pack(">I", len(data)) + kind + data
                                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b"")


def ico(sizes):
    # Windows reads PNG images inside an icon file, so the drawings go in as they are.
    images = [png(size) for size in sizes]
    offset = 6 + 16 * len(images)
    directory = b""
    for size, image in zip(sizes, images):
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return struct.pack("<HHH", 0, 1, len(images)) + directory + b"".join(images)


if __name__ == "__main__":
    if sys.argv[1:2] == ["--ico"]:
        Path(sys.argv[2]).write_bytes(ico((16, 32, 48, 128)))
        sys.exit()
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "ui/toolkit/icons")
    out.mkdir(parents=True, exist_ok=True)
    for size in (16, 32, 48, 128):
        (out / f"ostrel-{size}.png").write_bytes(png(size))
