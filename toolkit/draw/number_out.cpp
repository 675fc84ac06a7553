// Numbers in fixed-point notation, drawn like text.
#include "toolkit/draw/text.h"

#include <cstdio>

int rk_NumberOut_1(HWND window, int x, int y, double value, int decimals, COLORREF textColor,
                   HFONT font, COLORREF background) {
    // Negative decimals are drawn as whole numbers; more than 8 as 8.
    const int shown = decimals < 0 ? 0 : (decimals > 8 ? 8 : decimals);
    // Bounded: a huge value is cut at 99 characters instead of overrunning.
    char text[100];
    std::snprintf(text, sizeof text, "%.*f", shown, value);
    return rk_TextOut_1(window, x, y, text, textColor, font, background);
}
