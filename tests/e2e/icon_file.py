"""The one-image, 766-byte .ico file that the editor reads and writes.

Written from the published icon and bitmap formats, independently of the
editor's own writer, so that a saved file can be compared byte for byte.
"""

import struct

GRID = 32
TRANSPARENT = 16

# The standard palette as the file stores it: (blue, green, red) per entry.
STANDARD_PALETTE = [
    (0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128),
    (128, 0, 0), (128, 0, 128), (128, 128, 0), (128, 128, 128),
    (192, 192, 192), (0, 0, 255), (0, 255, 0), (0, 255, 255),
    (255, 0, 0), (255, 0, 255), (255, 255, 0), (255, 255, 255),
]

# How the edit grid shows a transparent cell.
TRANSPARENT_MARK_RGB = (200, 100, 100)


def screen_rgb(palette, value):
    """The (red, green, blue) on screen of an opaque cell value 0..15."""
    blue, green, red = palette[value]
    return (red, green, blue)


def encode(palette, grid):
    """766 bytes: directory, bitmap header, colour table, colour rows, mask rows.

    grid is 32 rows of 32 cell values, row 0 at the top; 16 and above are
    transparent and keep their low four bits as the colour nibble.
    """
    out = bytearray()
    # Directory with one entry; planes and bit count left 0 as the editor writes them.
    out += struct.pack("<HHH", 0, 1, 1)
    out += struct.pack("<BBBBHHII", 32, 32, 16, 0, 0, 0, 744, 22)
    out += struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 4, 0, 640, 0, 0, 0, 0)
    for blue, green, red in palette:
        out += bytes((blue & 0xFF, green & 0xFF, red & 0xFF, 0))
    for row in reversed(grid):
        for j in range(0, GRID, 2):
            out.append(((row[j] & 0x0F) << 4) | (row[j + 1] & 0x0F))
    for row in reversed(grid):
        for j in range(0, GRID, 8):
            byte = 0
            for bit in range(8):
                if row[j + bit] >= TRANSPARENT:
                    byte |= 0x80 >> bit
            out.append(byte)
    assert len(out) == 766
    return bytes(out)


def decode(data):
    """(palette, grid) of the image at offset 22 of a 766-byte file."""
    if len(data) != 766:
        raise ValueError("expected 766 bytes, got %d" % len(data))
    head = 22
    palette = [tuple(data[head + 40 + 4 * k: head + 43 + 4 * k]) for k in range(16)]
    grid = [[0] * GRID for _ in range(GRID)]
    for i in range(GRID):
        row = GRID - 1 - i
        colour = data[head + 104 + 16 * i: head + 120 + 16 * i]
        mask = data[head + 616 + 4 * i: head + 620 + 4 * i]
        for c in range(GRID):
            nibble = colour[c // 2] >> 4 if c % 2 == 0 else colour[c // 2] & 0x0F
            masked = (mask[c // 8] >> (7 - c % 8)) & 1
            grid[row][c] = nibble + 16 * masked
    return palette, grid
