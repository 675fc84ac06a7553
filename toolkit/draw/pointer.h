// Pointer hit test and screen metrics.
#pragma once

#include <windows.h>

// The pointer's position now, in client coordinates of window. 0 done, 1 when
// the position cannot be read.
int rk_PointerPosition_1(HWND window, int* x, int* y);
// code when the pointer is strictly inside the rectangle (client coordinates), else 0.
int rk_PointerInRect_1(HWND window, int x, int y, int width, int height, int code);
// The same test for a point already read: code when (px, py) is strictly inside, else 0.
int rk_PointInRect_1(int px, int py, int x, int y, int width, int height, int code);
int rk_ScreenSize_1(int* width, int* height);
