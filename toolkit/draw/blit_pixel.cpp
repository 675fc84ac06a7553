// Block copies from a canvas and single pixels of the target.
#include "toolkit/draw/target.h"

#include "toolkit/draw/target_dc.h"

int rk_Blit_1(HWND window, HDC source, int x, int y, int width, int height) {
    TargetDc target = rk_BeginTargetDc_1(window);
    const BOOL copied = BitBlt(target.dc, x, y, width, height, source, 0, 0, SRCCOPY);
    rk_EndTargetDc_1(target);
    return copied ? 0 : 1;
}

int rk_SetPixel_1(HWND window, int x, int y, COLORREF color) {
    TargetDc target = rk_BeginTargetDc_1(window);
    SetPixelV(target.dc, x, y, color);
    rk_EndTargetDc_1(target);
    return 0;
}

COLORREF rk_GetPixel_1(HWND window, int x, int y) {
    // Reading opens no paint bracket.
    const int target = currentTarget;
    HDC dc = rk_ObtainTargetDc_1(window, target);
    const COLORREF color = GetPixel(dc, x, y);
    rk_GiveBackTargetDc_1(window, target, dc);
    return color;
}
