// Where the pointer is now, and whether it lies strictly inside a client rectangle.
#include "toolkit/draw/pointer.h"

int rk_PointerPosition_1(HWND window, int* x, int* y) {
    // The position now, not the one the message being handled carried.
    POINT pointer{};
    if (!GetCursorPos(&pointer) || !ScreenToClient(window, &pointer)) return 1;
    *x = pointer.x;
    *y = pointer.y;
    return 0;
}

int rk_PointInRect_1(int px, int py, int x, int y, int width, int height, int code) {
    // Both edges count as outside.
    const bool inside = x < px && px < x + width && y < py && py < y + height;
    return inside ? code : 0;
}

int rk_PointerInRect_1(HWND window, int x, int y, int width, int height, int code) {
    int px = 0;
    int py = 0;
    if (rk_PointerPosition_1(window, &px, &py) != 0) return 0;
    return rk_PointInRect_1(px, py, x, y, width, height, code);
}
