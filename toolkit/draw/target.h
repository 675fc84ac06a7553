// Drawing targets and memory canvases.
#pragma once

#include <windows.h>

constexpr int TARGET_CLIENT = 0;
constexpr int TARGET_WINDOW = 1;
constexpr int TARGET_MEMORY = 2;

extern int currentTarget; // TARGET_CLIENT at start
extern HDC currentCanvas; // null at start

int rk_DrawTarget_1(HWND window, const char* keyword);
// A paint of the window's whole layout: only its first drawing call asks whether a repaint
// is pending (see target_dc.h), as this thread asks for none until the pass ends.
void rk_BeginPaintPass_1(HWND window);
void rk_EndPaintPass_1(HWND window);
// Null when the bitmap cannot be made.
HDC rk_CreateCanvas_1(HWND window, int width, int height, COLORREF color);
HDC rk_SelectCanvas_1(HDC canvas);
// Deletes the canvas's context and the bitmap it holds; when it was the
// current canvas, no canvas is current afterwards.
int rk_ReleaseCanvas_1(HDC canvas);
int rk_Blit_1(HWND window, HDC source, int x, int y, int width, int height);
int rk_SetPixel_1(HWND window, int x, int y, COLORREF color);
COLORREF rk_GetPixel_1(HWND window, int x, int y);
