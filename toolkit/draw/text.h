// Text, numbers and fonts.
#pragma once

#include <windows.h>

int rk_TextOut_1(HWND window, int x, int y, const char* text, COLORREF textColor, HFONT font,
                 COLORREF background);
int rk_NumberOut_1(HWND window, int x, int y, double value, int decimals, COLORREF textColor,
                   HFONT font, COLORREF background);
HFONT rk_CreateFont_1(int height, int width, int escapement, int weight, int style, int unused,
                      const char* face);
