// The editing stroke: painting the cell of the zoomed grid under the pointer.
#pragma once

#include "icon/document.h"

#include <windows.h>

// The grid stands at (gridX, gridY) of the window's client area, gridSize pixels
// square; it is drawn in the current canvas from the canvas's (0, 0). The cell
// under the pointer gets the value that color has in the document's palette
// (FindCellValue) and is filled with color. style: "DOT", "GRID_DOT", "GRID" or
// "NO_STYLE". Always 0.
int PaintCellAtPointer(HWND window, int gridX, int gridY, int gridSize, PixelGrid& grid,
                       COLORREF color, const char* style);
