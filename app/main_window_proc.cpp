// The main window procedure: the message number alone selects the handler.
#include "app/commands.h"
#include "app/mouse.h"
#include "app/window_create.h"
#include "app/window_destroy.h"
#include "app/window_paint.h"
#include "toolkit/window/window.h"

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return CreateEditorWindow(window);
    case WM_DESTROY:
        return DestroyEditorWindow(window);
    case WM_PAINT:
        return PaintEditorWindow(window, wParam, lParam);
    case WM_COMMAND:
        // The whole wParam: only BN_CLICKED (high word 0) reaches a command.
        RunCommand(window, wParam);
        return 0;
    case WM_MOUSEMOVE:
        MoveMouse(window, wParam);
        return 0;
    case WM_LBUTTONDOWN:
        PressLeftButton(window);
        return 0;
    case WM_LBUTTONUP:
        ReleaseLeftButton(window);
        return 0;
    case WM_RBUTTONDOWN:
        PressRightButton(window);
        return 0;
    case WM_RBUTTONUP:
        ReleaseRightButton(window);
        return 0;
    default:
        // Double clicks and WM_CLOSE included: closing asks nothing.
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
