#include "dialog_watcher.h"

#include <chrono>

std::thread WatchForDialog(DWORD uiThread, std::function<void(HWND dialog)> act,
                           int waitMilliseconds) {
    return std::thread([uiThread, act, waitMilliseconds] {
        const auto giveUp =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMilliseconds);
        while (std::chrono::steady_clock::now() < giveUp) {
            HWND dialog = FindShownDialog(uiThread);
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
    PostKeyPress(focus != nullptr ? focus : dialog, key);
}
