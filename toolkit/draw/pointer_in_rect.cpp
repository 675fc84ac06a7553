// Whether the pointer, where it is now, lies strictly inside a client rectangle.
#include "toolkit/draw/pointer.h"

int rk_PointerInRect_1(HWND window, int x, int y, int width, int height, int code) {
    // The position now, not the one the message being handled carried.
    POINT pointer{};
    if (!GetCursorPos(&pointer)) return 0;
    ScreenToClient(window, &pointer);
    // Both edges count as outside.
    const bool inside =
        x < pointer.x && pointer.x < x + width && y < pointer.y && pointer.y < y + height;
    return inside ? code : 0;
}
