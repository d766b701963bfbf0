#!/usr/bin/env python3
"""Regenerates the window's bitmaps: lamps, chart bars and the pulse grid.

24-bit uncompressed BMP, as the window has always carried them. Run from any
folder; the files are written beside this script.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREEN = (0, 255, 0)
GREY = (208, 208, 208)
RED = (255, 0, 0)
ORANGE = (255, 128, 64)

LAMP = 20


def write_bmp(name, width, height, pixel):
    """pixel(x, y) -> (r, g, b), y counted from the top."""
    row_size = (width * 3 + 3) & ~3
    data = bytearray()
    for y in reversed(range(height)):  # BMP rows run bottom-up
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (row_size - len(row))
        data += row
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 3780, 3780, 0, 0)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(header + info + data)


def lamp_pixel(colour, x, y):
    """A filled circle on a black square."""
    cx = cy = (LAMP - 1) / 2
    inside = (x - cx) ** 2 + (y - cy) ** 2 <= 8.0 ** 2
    return colour if inside else BLACK


def bar_pixel(colour, lit, x, y):
    """Eight lamps stacked, the lowest `lit` of them in colour."""
    level = 7 - y // LAMP
    return lamp_pixel(colour if level < lit else GREY, x, y % LAMP)


def grid_pixel(x, y):
    return BLACK if y in range(16, 161, 16) else WHITE


def main():
    for name, colour in (("green", GREEN), ("grey", GREY), ("red", RED), ("orange", ORANGE)):
        write_bmp(f"lamp_{name}.bmp", LAMP, LAMP, lambda x, y, c=colour: lamp_pixel(c, x, y))
    for lit in range(9):
        write_bmp(f"bar_green_{lit}.bmp", LAMP, 8 * LAMP, lambda x, y, n=lit: bar_pixel(GREEN, n, x, y))
        write_bmp(f"bar_red_{lit}.bmp", LAMP, 8 * LAMP, lambda x, y, n=lit: bar_pixel(RED, n, x, y))
    write_bmp("pulse_grid.bmp", 400, 161, grid_pixel)


if __name__ == "__main__":
    main()
