// Creates the toolkit's push buttons, their look chosen by alignment and style keywords.
#include "toolkit/window/buttons.h"

#include <cstdint>
#include <cstring>

namespace {

struct AlignmentRow {
    const char* keyword;
    DWORD style;
};

constexpr AlignmentRow ALIGNMENTS[] = {
    {"L", BS_LEFT},
    {"R", BS_RIGHT},
    {"T", BS_TOP},
    {"B", BS_BOTTOM},
    {"C", BS_CENTER},
    {"LB", BS_LEFT | BS_BOTTOM},
    {"LT", BS_LEFT | BS_TOP},
    {"RB", BS_RIGHT | BS_BOTTOM},
    {"RT", BS_RIGHT | BS_TOP},
};

struct ButtonStyleRow {
    const char* keyword;
    DWORD style;
    DWORD extendedStyle;
};

constexpr ButtonStyleRow BUTTON_STYLES[] = {
    {"NORMAL", WS_CHILD | WS_VISIBLE, 0},
    {"SHADOW", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 0},
    {"SUNKEN", WS_CHILD | WS_VISIBLE, WS_EX_CLIENTEDGE},
    {"SUNKEN_SHADOW", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, WS_EX_CLIENTEDGE},
    {"BAR", WS_CHILD | WS_VISIBLE | WS_DLGFRAME, 0},
    {"BAR_SHADOW", WS_CHILD | WS_VISIBLE | WS_DLGFRAME | BS_DEFPUSHBUTTON, 0},
    {"EDGE", WS_CHILD | WS_VISIBLE | WS_DLGFRAME, WS_EX_CLIENTEDGE},
    {"EDGE_SHADOW", WS_CHILD | WS_VISIBLE | WS_DLGFRAME | BS_DEFPUSHBUTTON, WS_EX_CLIENTEDGE},
};

} // namespace

HWND rk_PushButton_1(HWND parent, int x, int y, int width, int height, const char* label,
                     const char* alignment, const char* style, int commandId) {
    DWORD alignmentStyle = BS_CENTER;
    for (const AlignmentRow& row : ALIGNMENTS) {
        if (std::strcmp(alignment, row.keyword) == 0) {
            alignmentStyle = row.style;
            break;
        }
    }
    DWORD frameStyle = 0;
    DWORD extendedStyle = 0;
    for (const ButtonStyleRow& row : BUTTON_STYLES) {
        if (std::strcmp(style, row.keyword) == 0) {
            frameStyle = row.style;
            extendedStyle = row.extendedStyle;
            break;
        }
    }

    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    // The command id travels as the child-window identifier, so clicks reach the parent with it.
    HWND button = CreateWindowExA(extendedStyle, "button", label,
                                  frameStyle | alignmentStyle | BS_PUSHLIKE, x, y, width, height,
                                  parent, reinterpret_cast<HMENU>(static_cast<intptr_t>(commandId)),
                                  instance, nullptr);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    ShowWindow(button, SW_SHOW);
    return button;
}
