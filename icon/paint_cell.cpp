#include "icon/paint_cell.h"

#include "toolkit/draw/pointer.h"
#include "toolkit/draw/shapes.h"
#include "toolkit/draw/target.h"

#include <cstring>

int PaintCellAtPointer(HWND window, int gridX, int gridY, int gridSize, PixelGrid& grid,
                       COLORREF color, const char* style) {
    const int value = FindCellValue(color, palette);
    int widthAdjust = 1;
    int showDots = 0;
    if (std::strcmp(style, "GRID") == 0) {
        widthAdjust = 0;
    } else if (std::strcmp(style, "DOT") == 0) {
        showDots = 1;
    } else if (std::strcmp(style, "GRID_DOT") == 0) {
        showDots = 1;
        widthAdjust = 0;
    } else if (std::strcmp(style, "NO_STYLE") == 0) {
        showDots = 0;
        widthAdjust = 1;
    }
    const int cell = gridSize / GRID_CELLS;
    const int w = cell - 1 + widthAdjust;
    // A colour that is in no palette entry makes the cell transparent, so it is
    // shown the way the next full rendering will show it.
    const COLORREF shown = value == TRANSPARENT_INDEX ? TRANSPARENT_MARK : color;

    if (cell <= 0) return 0;

    // Under Wine every reading of a pointer that has been still is a round trip
    // to the X server, so testing all 1024 cells took a third of a second per
    // press. One reading names the only cell that can hold the pointer, and that
    // cell gets the same strict hit test, on the same reading.
    int px = 0;
    int py = 0;
    if (rk_PointerPosition_1(window, &px, &py) != 0) return 0;
    const int dx = px - gridX;
    const int dy = py - gridY;
    if (dx < 0 || dy < 0) return 0;
    const int k = dx / cell;
    const int r = dy / cell;
    if (k >= GRID_CELLS || r >= GRID_CELLS) return 0;

    const int code = r + k + 1; // never 0, so a hit cannot be mistaken
    if (rk_PointInRect_1(px, py, gridX + k * cell, gridY + r * cell, w, w, code) != code) {
        return 0;
    }
    grid[r * GRID_CELLS + k] = value;
    // In the canvas's own coordinates: the canvas holds only the grid.
    rk_FilledRect_1(window, k * cell, r * cell, w, w, shown);
    if (showDots && value == TRANSPARENT_INDEX) {
        rk_SetPixel_1(window, k * cell + cell / 3, r * cell + cell / 3, 0x000000);
        rk_SetPixel_1(window, k * cell + cell / 2, r * cell + cell / 2, 0xFFFFFF);
    }
    return 0;
}
