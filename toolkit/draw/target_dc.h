// How every drawing call of the toolkit gets and gives back its device context.
#pragma once

#include <windows.h>

// The context of the current target without any paint bracket: the window's
// client or whole-window context (to be given back), or the current canvas.
HDC rk_ObtainTargetDc_1(HWND window, int target);
void rk_GiveBackTargetDc_1(HWND window, int target, HDC dc);

// The target's context; for "CLIENT" and "WINDOW" a paint bracket is opened on
// the window as well while it has a repaint pending ("MEMORY" opens none).
struct TargetDc {
    HWND window;
    int target;
    HDC dc;
    bool bracket;
    PAINTSTRUCT paintStruct;
};

TargetDc rk_BeginTargetDc_1(HWND window);
// Gives a window context back before the bracket closes.
void rk_EndTargetDc_1(TargetDc& target);
