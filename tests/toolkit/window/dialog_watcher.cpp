#include "dialog_watcher.h"

#include <chrono>
#include <cstring>

namespace {

BOOL CALLBACK FindShownDialog(HWND window, LPARAM found) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::strcmp(className, "#32770") == 0 && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

std::thread WatchForDialog(DWORD uiThread, std::function<void(HWND dialog)> act,
                           int waitMilliseconds) {
    return std::thread([uiThread, act, waitMilliseconds] {
        const auto giveUp =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMilliseconds);
        while (std::chrono::steady_clock::now() < giveUp) {
            HWND dialog = nullptr;
            EnumThreadWindows(uiThread, FindShownDialog, reinterpret_cast<LPARAM>(&dialog));
            if (dialog != nullptr) {
                // Let the dialog finish its own start-up messages first.
                Sleep(100);
                act(dialog);
                return;
            }
            Sleep(20);
        }
    });
}

HWND FocusOf(DWORD uiThread) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(uiThread, &info)) return nullptr;
    return info.hwndFocus;
}

void PostKey(DWORD uiThread, HWND dialog, WPARAM key) {
    HWND focus = FocusOf(uiThread);
    HWND target = focus != nullptr ? focus : dialog;
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
}

void PostCommand(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void PostClick(HWND dialog, int id) {
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}
