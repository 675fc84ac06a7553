// Registers the main window's class and creates the window from a style keyword.
#include "toolkit/window/window.h"

#include <commctrl.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

constexpr int CLASS_NAME_CHARS = 250;

struct WindowStyleRow {
    const char* keyword;
    DWORD style;
    DWORD extendedStyle;
    UINT addedClassStyle;
};

constexpr WindowStyleRow WINDOW_STYLES[] = {
    {"NOLIST", WS_POPUP | WS_DLGFRAME, 0, 0},
    {"TOOLWIN", 0, WS_EX_TOOLWINDOW, 0},
    {"TOOLWIN_NOCLO", WS_SYSMENU, WS_EX_TOOLWINDOW, CS_NOCLOSE},
    {"TOOLWIN_CLO", WS_SYSMENU, WS_EX_TOOLWINDOW, 0},
    {"EMPTYLIST", WS_CAPTION, 0, 0},
    {"NOCLO", WS_CAPTION | WS_SYSMENU, 0, CS_NOCLOSE},
    {"CLO", WS_CAPTION | WS_SYSMENU, 0, 0},
    {"QUE_NOCLO", WS_CAPTION | WS_SYSMENU, WS_EX_CONTEXTHELP, CS_NOCLOSE},
    {"QUE_CLO", WS_CAPTION | WS_SYSMENU, WS_EX_CONTEXTHELP, 0},
    {"NOMIN_MAX_NOCLO", WS_SYSMENU | WS_MAXIMIZEBOX, 0, CS_NOCLOSE},
    {"NOMIN_MAX_CLO", WS_SYSMENU | WS_MAXIMIZEBOX, 0, 0},
    {"MIN_NOMAX_NOCLO", WS_SYSMENU | WS_MINIMIZEBOX, 0, CS_NOCLOSE},
    {"MIN_NOMAX_CLO", WS_SYSMENU | WS_MINIMIZEBOX, 0, 0},
    {"MIN_MAX_NOCLO", WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, CS_NOCLOSE},
    {"MIN_MAX_CLO", WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, 0},
};

// The window name doubles as the class name; an empty name gets one made from the
// instance handle, written as a signed decimal of the handle's full width.
void BuildClassName(char (&className)[CLASS_NAME_CHARS], HINSTANCE instance, const char* name) {
    if (name[0] == '\0') {
        const std::string made =
            "Class" + std::to_string(static_cast<long long>(reinterpret_cast<intptr_t>(instance)));
        lstrcpynA(className, made.c_str(), CLASS_NAME_CHARS);
        return;
    }
    // A name too long for the buffer is cut so that it fits.
    lstrcpynA(className, name, CLASS_NAME_CHARS);
}

} // namespace

HWND rk_CreateMainWindow_1(HINSTANCE instance, const char* name, int x, int y, int width,
                           int height, const char* style) {
    InitCommonControls();

    char className[CLASS_NAME_CHARS];
    BuildClassName(className, instance, name);

    DWORD windowStyle = 0;
    DWORD extendedStyle = 0;
    UINT addedClassStyle = 0;
    for (const WindowStyleRow& row : WINDOW_STYLES) {
        if (std::strcmp(style, row.keyword) == 0) {
            windowStyle = row.style;
            extendedStyle = row.extendedStyle;
            addedClassStyle = row.addedClassStyle;
            break;
        }
    }

    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(WNDCLASSEXA);
    windowClass.style = CS_DBLCLKS | addedClassStyle;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = instance;
    windowClass.hIcon = nullptr;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = className;
    windowClass.hIconSm = nullptr;
    if (RegisterClassExA(&windowClass) == 0) return nullptr;

    // The height asked for lies below the caption, whatever frame the keyword gives.
    const int captionHeight = GetSystemMetrics(SM_CYCAPTION);
    HWND window = CreateWindowExA(extendedStyle, className, name, windowStyle, x, y, width,
                                  height + captionHeight, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    return window;
}
