#include "tests/app/editor_harness.h"

#include "app/editor_state.h"
#include "toolkit/window/window.h"

HWND Editor() {
    static HWND window = [] {
        HWND made = rk_CreateMainWindow_1(GetModuleHandleA(nullptr), MAIN_WINDOW_NAME, 0, 0,
                                          MAIN_WINDOW_WIDTH, MAIN_WINDOW_HEIGHT, "CLO");
        Pump();
        return made;
    }();
    return window;
}

void Command(WPARAM wParam) {
    SendMessageA(Editor(), WM_COMMAND, wParam, 0);
    Pump();
}

void PointAt(int x, int y) {
    POINT point = {x, y};
    ClientToScreen(Editor(), &point);
    SetCursorPos(point.x, point.y);
}

void Mouse(UINT message, int x, int y, WPARAM keys) {
    PointAt(x, y);
    SendMessageA(Editor(), message, keys, MAKELPARAM(x, y));
    Pump();
}
