// Pointer hit test and screen metrics.
#pragma once

#include <windows.h>

// code when the pointer is strictly inside the rectangle (client coordinates), else 0.
int rk_PointerInRect_1(HWND window, int x, int y, int width, int height, int code);
int rk_ScreenSize_1(int* width, int* height);
