// Shaded lines, frames and filled rectangles.
#pragma once

#include <windows.h>

int rk_Line3D_1(HWND window, int x, int y, int length, const char* direction, const char* style,
                int thickness);
int rk_Frame3D_1(HWND window, int x, int y, int width, int height, const char* style,
                 int thickness);
int rk_FilledRect_1(HWND window, int x, int y, int width, int height, COLORREF color);
