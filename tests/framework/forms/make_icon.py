#!/usr/bin/env python3
"""Writes forms_test.ico: a 16 x 16 red and a 32 x 32 blue image (32-bit
BGRA with an all-opaque mask), so tests can tell which size a window shows."""
import struct, sys

def image(size, bgra):
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytes(bgra) * (size * size)
    mask_row = ((size + 31) // 32) * 4
    return header + pixels + b'\0' * (mask_row * size)

images = [(16, (0, 0, 255, 255)), (32, (255, 0, 0, 255))]
data = [image(s, c) for s, c in images]
out = struct.pack('<HHH', 0, 1, len(images))
offset = 6 + 16 * len(images)
for (size, _), d in zip(images, data):
    out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(d), offset)
    offset += len(d)
out += b''.join(data)
open(sys.argv[1] if len(sys.argv) > 1 else 'forms_test.ico', 'wb').write(out)
