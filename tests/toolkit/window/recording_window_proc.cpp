#include "recording_window_proc.h"

#include <string>

std::vector<ReceivedMessage> receivedMessages;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    receivedMessages.push_back({window, message, wParam, lParam});
    return DefWindowProcA(window, message, wParam, lParam);
}

int CountReceived(HWND window, UINT message) {
    int count = 0;
    for (const ReceivedMessage& received : receivedMessages) {
        if (received.window == window && received.message == message) ++count;
    }
    return count;
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

const char* UniqueWindowName() {
    static int serial = 0;
    static std::string name;
    name = "Window toolkit test " + std::to_string(++serial);
    return name.c_str();
}
