#include "tests/support/dialog_input.h"

#include <cstring>

namespace {

BOOL CALLBACK FindShown(HWND window, LPARAM found) {
    if (IsDialogBox(window) && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

bool IsDialogBox(HWND window) {
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    return std::strcmp(className, "#32770") == 0;
}

HWND FindShownDialog(DWORD thread) {
    HWND dialog = nullptr;
    EnumThreadWindows(thread, FindShown, reinterpret_cast<LPARAM>(&dialog));
    return dialog;
}

void PostCommand(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void PostClick(HWND dialog, int id) {
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void PostKeyPress(HWND target, WPARAM key) {
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
}

bool TypeFileName(HWND dialog, const char* path) {
    HWND box = GetDlgItem(dialog, FILE_NAME_BOX);
    if (box == nullptr) return false;
    // From another thread the dialog's modal loop answers; from its own, this is a call.
    DWORD_PTR unused = 0;
    SendMessageTimeoutA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path), SMTO_BLOCK, 2000,
                        &unused);
    return true;
}
