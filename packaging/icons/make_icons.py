#!/usr/bin/env python3
"""Draws the application icon: four speed bars of green lamps on black,
rising from left to right, at the sizes the desktop asks for. Writes PNG
files beside this script; the scalable SVG is kept by hand beside them.
"""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SIZES = (16, 24, 32, 48, 64, 128, 256)
GREEN = (0, 255, 0)
GREY = (80, 80, 80)
# In a 32 by 32 design: bars of 4 lamps, lit 1 to 4 from the left.
LAMPS = [(4 + 7 * col + 3, 28 - 7 * row - 3, GREEN if row <= col else GREY) for col in range(4) for row in range(4)]
RADIUS = 2.6


def pixel(x, y):
    """Colour at design coordinates, background transparent outside the rounded square."""
    if not (1 <= x < 31 and 1 <= y < 31):
        return (0, 0, 0, 0)
    for cx, cy, colour in LAMPS:
        if (x - cx) ** 2 + (y - cy) ** 2 <= RADIUS ** 2:
            return colour + (255,)
    return (0, 0, 0, 255)


def render(size, samples=4):
    rows = []
    for py in range(size):
        row = bytearray([0])
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) * 32 / size
                    y = (py + (sy + 0.5) / samples) * 32 / size
                    r, g, b, a = pixel(x, y)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            n = samples * samples
            alpha = acc[3] / n
            colour = [int(c / acc[3]) if acc[3] else 0 for c in acc[:3]]
            row += bytes(colour + [int(alpha)])
        rows.append(bytes(row))
    return b"".join(rows)


def write_png(path, size, raw):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def main():
    for size in SIZES:
        write_png(os.path.join(HERE, f"trevalo_{size}.png"), size, render(size))


if __name__ == "__main__":
    main()
