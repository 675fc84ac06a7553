// Answers modal boxes and common dialogs from a second thread while the test's own
// thread sits in the platform's modal loop.
#pragma once

#include "tests/support/dialog_input.h"

#include <windows.h>

#include <functional>
#include <thread>

// Starts a thread that waits (by default up to 15 s) for a visible dialog box (class
// "#32770") of the given UI thread and then runs act on it. Join the thread after the modal
// call returned.
std::thread WatchForDialog(DWORD uiThread, std::function<void(HWND dialog)> act,
                           int waitMilliseconds = 15000);

// The window that has the keyboard focus in the given UI thread, or null.
HWND FocusOf(DWORD uiThread);
// Posts a key press (down and up) as the keyboard would deliver it to the focus.
void PostKey(DWORD uiThread, HWND dialog, WPARAM key);
