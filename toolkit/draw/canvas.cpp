// Memory canvases: made compatible with the current target, filled, released.
#include "toolkit/draw/target.h"

#include "toolkit/draw/target_dc.h"

HDC rk_CreateCanvas_1(HWND window, int width, int height, COLORREF color) {
    const int target = currentTarget;
    HDC targetDc = rk_ObtainTargetDc_1(window, target);
    // The bitmap comes from the target's context: a fresh memory context would
    // give it the one-bit format.
    HBITMAP bitmap = CreateCompatibleBitmap(targetDc, width, height);
    HDC canvas = CreateCompatibleDC(targetDc);
    rk_GiveBackTargetDc_1(window, target, targetDc);

    if (bitmap == nullptr || canvas == nullptr) {
        if (canvas != nullptr) DeleteDC(canvas);
        if (bitmap != nullptr) DeleteObject(bitmap);
        return nullptr;
    }

    currentCanvas = canvas;
    SelectObject(canvas, bitmap);
    HBRUSH brush = CreateSolidBrush(color);
    const RECT all{0, 0, width, height};
    FillRect(canvas, &all, brush);
    DeleteObject(brush);
    return canvas;
}

int rk_ReleaseCanvas_1(HDC canvas) {
    if (canvas == nullptr) return 0;
    HGDIOBJ bitmap = GetCurrentObject(canvas, OBJ_BITMAP);
    // Deleting the context first lets go of the bitmap, which can then be freed.
    DeleteDC(canvas);
    if (bitmap != nullptr) DeleteObject(bitmap);
    // The system may hand the same handle value to a later canvas; a stale
    // current canvas would then draw into someone else's.
    if (currentCanvas == canvas) currentCanvas = nullptr;
    return 0;
}
