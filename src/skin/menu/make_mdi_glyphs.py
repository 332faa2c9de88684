#!/usr/bin/env python3
"""Draws the three glyphs of the MDI child buttons into one 24-bit BMP strip
(minimize, restore, close; 16 x 16 each on magenta, the transparent colour).

    python3 make_mdi_glyphs.py QELSkinMdiControler.bmp
"""
import struct
import sys

SIZE = 16
FRAMES = 3
KEY = (255, 0, 255)
INK = (0, 0, 0)


def minimize(x, y):
    return 4 <= x <= 11 and 11 <= y <= 12


def restore(x, y):
    def box(left, top, right, bottom):
        inside = left <= x <= right and top <= y <= bottom
        edge = x in (left, right) or y in (bottom,) or top <= y <= top + 1
        return inside and edge
    behind = box(6, 3, 12, 9) and not (4 <= x <= 10 and 6 <= y <= 12)
    return behind or box(4, 6, 10, 12)


def close(x, y):
    if not (4 <= x <= 11 and 4 <= y <= 11):
        return False
    return abs(x - y) <= 0 or abs(x - y - 1) == 0 or abs((15 - x) - y) <= 0 or abs((15 - x) - y - 1) == 0


def main(path):
    drawers = [minimize, restore, close]
    width, height = SIZE * FRAMES, SIZE
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):  # bottom-up
        row = bytearray()
        for x in range(width):
            ink = drawers[x // SIZE](x % SIZE, y)
            r, g, b = INK if ink else KEY
            row += bytes((b, g, r))
        row += b"\0" * (stride - width * 3)
        rows.append(bytes(row))
    pixels = b"".join(rows)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0, 14 + len(header))
    with open(path, "wb") as f:
        f.write(file_header + header + pixels)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "QELSkinMdiControler.bmp")
