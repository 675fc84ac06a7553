// Drawing the whole document onto the current drawing target.
#pragma once

#include "icon/document.h"

#include <windows.h>

// Draws all 32 x 32 cells with the image's edge scale pixels long, its corner at
// (x0, y0). style: "DOT", "GRID_DOT", "GRID", "NO_STYLE" or "MASK"; background
// is the colour that transparent cells take. Always 0.
int RenderPixelGrid(HWND window, int x0, int y0, float scale, const PixelGrid& grid,
                    const Palette& pal, COLORREF background, const char* style);
