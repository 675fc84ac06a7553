// Obtaining and giving back the target's context, shared by every drawing call.
#include "toolkit/draw/target_dc.h"

#include "toolkit/draw/target.h"

HDC rk_ObtainTargetDc_1(HWND window, int target) {
    switch (target) {
    case TARGET_CLIENT:
        return GetDC(window);
    case TARGET_WINDOW:
        return GetWindowDC(window);
    default:
        return currentCanvas;
    }
}

void rk_GiveBackTargetDc_1(HWND window, int target, HDC dc) {
    // A canvas stays with its owner; only window contexts go back.
    if (target < TARGET_MEMORY && dc != nullptr) ReleaseDC(window, dc);
}

namespace {

// The window of the paint pass under way, and whether one of its calls has asked yet.
HWND passWindow = nullptr;
bool passAsked = false;

// Whether the window has a repaint pending: a non-empty update region, which is
// also where a background marked for erasing lies. One request to Wine's server,
// half the cost of GetUpdateRect.
bool RepaintPending(HWND window) {
    HRGN update = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetUpdateRgn(window, update, FALSE);
    DeleteObject(update);
    return kind != NULLREGION && kind != ERROR;
}

} // namespace

TargetDc rk_BeginTargetDc_1(HWND window) {
    TargetDc target{};
    target.window = window;
    target.target = currentTarget;
    target.dc = rk_ObtainTargetDc_1(window, target.target);
    // The bracket validates the window's update region, so a canvas drawing
    // must not open one: it would swallow a repaint requested before it. On the
    // window it acts only while a repaint is pending (the region, erased first
    // where marked); otherwise it is several round trips to Wine's server that
    // change nothing, and a paint makes dozens of drawing calls.
    // In a paint pass the first call leaves no region pending, and none is asked for till the
    // pass ends; one that another program makes meanwhile stays pending for the next paint.
    const bool onWindow = target.target < TARGET_MEMORY, inPass = window == passWindow;
    target.bracket = onWindow && !(inPass && passAsked) && RepaintPending(window);
    passAsked = passAsked || (onWindow && inPass);
    if (target.bracket) BeginPaint(window, &target.paintStruct);
    return target;
}

void rk_EndTargetDc_1(TargetDc& target) {
    rk_GiveBackTargetDc_1(target.window, target.target, target.dc);
    target.dc = nullptr;
    if (target.bracket) EndPaint(target.window, &target.paintStruct);
    target.bracket = false;
}

void rk_BeginPaintPass_1(HWND window) {
    passWindow = window;
    passAsked = false;
}

void rk_EndPaintPass_1(HWND) {
    passWindow = nullptr;
    passAsked = false;
}
