// How every drawing call of the toolkit gets and gives back its device context.
#pragma once

#include <windows.h>

// The target's context; for "CLIENT" and "WINDOW" a paint bracket is opened on
// the window first ("MEMORY" opens none).
struct TargetDc {
    HWND window;
    HDC dc;
    bool bracket;
    PAINTSTRUCT paintStruct;
};

TargetDc rk_BeginTargetDc_1(HWND window);
void rk_EndTargetDc_1(TargetDc& target);
