// The commands of the push buttons.
#pragma once

#include <windows.h>

// The editor's filter for the open and save dialogs.
extern const char ICON_FILTER[];

// Runs the command whose id is commandId; any other value does nothing.
void RunCommand(HWND window, WPARAM commandId);
