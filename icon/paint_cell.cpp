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

    // The hit test is strict on all sides, so at most one cell holds the pointer.
    for (int r = 0; r < GRID_CELLS; ++r) {
        for (int k = 0; k < GRID_CELLS; ++k) {
            const int code = r + k + 1; // never 0, so a hit cannot be mistaken
            if (rk_PointerInRect_1(window, gridX + k * cell, gridY + r * cell, w, w, code) !=
                code) {
                continue;
            }
            grid[r * GRID_CELLS + k] = value;
            // In the canvas's own coordinates: the canvas holds only the grid.
            rk_FilledRect_1(window, k * cell, r * cell, w, w, shown);
            if (showDots && value == TRANSPARENT_INDEX) {
                rk_SetPixel_1(window, k * cell + cell / 3, r * cell + cell / 3, 0x000000);
                rk_SetPixel_1(window, k * cell + cell / 2, r * cell + cell / 2, 0xFFFFFF);
            }
        }
    }
    return 0;
}
