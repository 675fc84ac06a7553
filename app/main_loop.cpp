// WinMain: the main window and its message loop.
#include "app/editor_state.h"
#include "toolkit/window/window.h"

// Only the instance is used: the command line is ignored, and the window shows
// itself when it is created.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    HWND window = rk_CreateMainWindow_1(instance, MAIN_WINDOW_NAME, 0, 0, MAIN_WINDOW_WIDTH,
                                        MAIN_WINDOW_HEIGHT, "CLO");
    // Without a window no quit message would ever come.
    if (window == nullptr) return 1;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
