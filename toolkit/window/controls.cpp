// Enabled and pushed-in state of controls; both are the platform's own state, not mirrored.
#include "toolkit/window/buttons.h"

int rk_DisableControl_1(HWND control) {
    // EnableWindow answers whether the window was disabled before the call.
    return EnableWindow(control, FALSE) ? 1 : 0;
}

int rk_EnableControl_1(HWND control) {
    return EnableWindow(control, TRUE) ? 0 : 1;
}

int rk_ButtonDown_1(HWND button) {
    SendMessageA(button, BM_SETSTATE, 1, 0);
    return 0;
}

int rk_ButtonUp_1(HWND button) {
    SendMessageA(button, BM_SETSTATE, 0, 0);
    return 0;
}
