// The test programs' MainWindowProc: it records what it receives and paints nothing.
#pragma once

#include <windows.h>

#include <vector>

struct ReceivedMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

extern std::vector<ReceivedMessage> receivedMessages;

// How often a message reached MainWindowProc for the given window.
int CountReceived(HWND window, UINT message);
// Dispatches everything queued for this thread.
void PumpMessages();
// A fresh, unique name for a window class, so that each test registers its own.
const char* UniqueWindowName();
