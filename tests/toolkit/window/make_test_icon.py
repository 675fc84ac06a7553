#!/usr/bin/env python3
"""Writes test_icon.ico: one 32 x 32, 16-colour icon with a 1-bit mask (766 bytes).

The window tests load it by name as a resource. Run once; the output is kept in the tree.
"""
import struct
import sys

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def main(path):
    pixels = bytearray()
    for row in range(32):  # bottom-up rows, two pixels per byte
        for pair in range(16):
            left = (row + 2 * pair) % 16
            right = (row + 2 * pair + 1) % 16
            pixels.append(left << 4 | right)
    mask = bytes(128)  # every pixel opaque
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 4, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    image = header + palette + bytes(pixels) + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack(
        "<BBBBHHII", 32, 32, 16, 0, 1, 4, len(image), 22)
    with open(path, "wb") as out:
        out.write(directory + image)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "test_icon.ico")
