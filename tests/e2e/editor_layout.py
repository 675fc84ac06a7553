"""Where things are in the editor's window, in client-area pixels, and how to
find the client area on the screen."""

from icon_file import TRANSPARENT, TRANSPARENT_MARK_RGB, screen_rgb
from x_driver import E2EFailure

# Push buttons: the centre of each.
OPEN_BUTTON = (45, 12)
SAVE_BUTTON = (45, 37)
NEW_IMAGE_BUTTON = (45, 67)
GRID_BUTTON = (30, 92)
UPDATE_BUTTON = (140, 372)

# The zoomed grid: 32 x 32 cells of 10 pixels at (110, 10).
GRID_X, GRID_Y, CELL = 110, 10, 10

# A point inside a cell in both grid styles, away from the two marker dots
# of transparent cells at (+3, +3) and (+5, +5).
CELL_SAMPLE = (2, 7)
# The pixel column that becomes a grid line with the grid on.
LINE_OFFSET = 9

# Palette swatches, 30 x 30: (x, y) of the top-left corner and the standard
# palette's value shown there.
SWATCHES = [
    ((525, 5), 15), ((525, 36), 8), ((525, 67), 9), ((525, 98), 12),
    ((525, 129), 11), ((525, 160), 10), ((525, 191), 13), ((525, 222), 14),
    ((556, 5), 0), ((556, 36), 7), ((556, 67), 1), ((556, 98), 4),
    ((556, 129), 3), ((556, 160), 2), ((556, 191), 5), ((556, 222), 6),
]
TRANSPARENT_SWATCH = (540, 282)
LEFT_COLOUR_SWATCH = (525, 344)
RIGHT_COLOUR_SWATCH = (556, 344)
SWATCH = 30

THUMBNAIL_1 = (12, 206)

BACKGROUND = (192, 192, 192)


def swatch_centre(corner):
    return (corner[0] + SWATCH // 2, corner[1] + SWATCH // 2)


def cell_centre(row, column):
    return (GRID_X + CELL * column + CELL // 2, GRID_Y + CELL * row + CELL // 2)


def cell_colour(palette, value):
    """How the edit grid shows a cell value."""
    return TRANSPARENT_MARK_RGB if value >= TRANSPARENT else screen_rgb(palette, value)


def _matches_palette(image, ox, oy, palette):
    width, height = image.size
    for (x, y), value in SWATCHES:
        for px, py in ((x, y), (x + SWATCH - 1, y + SWATCH - 1), (x + 15, y + 15)):
            sx, sy = ox + px, oy + py
            if not (0 <= sx < width and 0 <= sy < height):
                return False
            if image.getpixel((sx, sy)) != screen_rgb(palette, value):
                return False
    tx, ty = TRANSPARENT_SWATCH
    return image.getpixel((ox + tx + 20, oy + ty + 20)) == TRANSPARENT_MARK_RGB


def locate_client(image, near, palette, reach=60):
    """Screen position of the client area's top-left corner.

    Found from the palette swatches, which show the standard palette: the
    red swatch's top-left corner is the one red pixel with no red to its left
    or above it, and all 16 swatches and the transparent one must agree.
    near is a screen point close to the client origin (the X window's corner).
    """
    red = screen_rgb(palette, 9)
    (rx, ry), _ = SWATCHES[2]
    width, height = image.size
    nx, ny = near
    for sy in range(max(1, ny + ry - reach), min(height, ny + ry + reach)):
        for sx in range(max(1, nx + rx - reach), min(width, nx + rx + reach)):
            if (
                image.getpixel((sx, sy)) == red
                and image.getpixel((sx - 1, sy)) != red
                and image.getpixel((sx, sy - 1)) != red
                and _matches_palette(image, sx - rx, sy - ry, palette)
            ):
                return (sx - rx, sy - ry)
    raise E2EFailure("the palette swatches are not where the layout puts them near %s" % (near,))


class Client:
    """Turns client-area points into screen points and reads pixels back."""

    def __init__(self, origin):
        self.origin = origin

    def screen(self, point):
        return (self.origin[0] + point[0], self.origin[1] + point[1])

    def pixel(self, image, point):
        return image.getpixel(self.screen(point))

    def cell_pixel(self, image, row, column, offset=CELL_SAMPLE):
        return self.pixel(
            image, (GRID_X + CELL * column + offset[0], GRID_Y + CELL * row + offset[1])
        )

    def grid_mismatches(self, image, palette, grid):
        """Cells that do not show their value, as (row, column, seen, expected)."""
        wrong = []
        for row in range(32):
            for column in range(32):
                seen = self.cell_pixel(image, row, column)
                expected = cell_colour(palette, grid[row][column])
                if seen != expected:
                    wrong.append((row, column, seen, expected))
        return wrong
