// One-pixel solid strokes, shared by the shaded line and frame.
#pragma once

#include <windows.h>

constexpr COLORREF rk_Grey_1(int level) {
    return RGB(level, level, level);
}

// Draws from (x1, y1) to (x2, y2), the end point excluded, with a pen made
// and deleted for this stroke alone.
void rk_Stroke_1(HDC dc, COLORREF color, int x1, int y1, int x2, int y2);
