// Finding a thread's dialog boxes (message boxes and common dialogs) and giving
// them the input a user would, from a second thread or from a hook of the
// dialog's own thread.
#pragma once

#include <windows.h>

// The file-name box of the Explorer-style open and save dialogs (cmb13).
constexpr int FILE_NAME_BOX = 1148;

// Whether window is a dialog box: class "#32770".
bool IsDialogBox(HWND window);
// The thread's first visible dialog box, or null.
HWND FindShownDialog(DWORD thread);

// Posts the command a click on the dialog's control with this id would send.
void PostCommand(HWND dialog, int id);
// Posts a click to the dialog's button with this id.
void PostClick(HWND dialog, int id);
// Posts a key press (down and up) to target, as the keyboard would deliver it.
void PostKeyPress(HWND target, WPARAM key);
// Puts path into a file dialog's name box. False when the dialog has none.
bool TypeFileName(HWND dialog, const char* path);
