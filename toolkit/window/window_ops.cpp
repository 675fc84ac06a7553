// Small operations on the main window: centring, title, icon, repaint requests, posting.
#include "toolkit/window/window.h"

#include <cstring>

int rk_CenterWindow_1(HWND window) {
    RECT outer = {};
    GetWindowRect(window, &outer);
    // The caption height is taken off once more, so the window stands half a caption
    // above the exact centre.
    const int x = (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) -
                   ((outer.bottom - outer.top) + GetSystemMetrics(SM_CYCAPTION))) /
                  2;
    SetWindowPos(window, HWND_TOP, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    return 0;
}

int rk_SetTitle_1(HWND window, const char* text) {
    SetWindowTextA(window, text);
    return 0;
}

int rk_SetWindowIcon_1(HWND window, const char* iconName) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    // A missing resource gives a null icon, which is stored all the same.
    HICON icon = LoadIconA(instance, iconName);
    SetClassLongPtrA(window, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
    return 0;
}

int rk_Repaint_1(HWND window, const char* keyword) {
    if (std::strcmp(keyword, "ERASED") == 0) return InvalidateRect(window, nullptr, TRUE) ? 0 : 1;
    if (std::strcmp(keyword, "UNERASED") == 0) {
        return InvalidateRect(window, nullptr, FALSE) ? 0 : 1;
    }
    return 1;
}

int rk_PostMessage_1(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return PostMessageA(window, message, wParam, lParam) ? 0 : 1;
}
