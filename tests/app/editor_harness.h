// The editor's one window, made as WinMain makes it, driven by real messages and pointer.
#pragma once

#include "tests/support/harness.h"

HWND Editor();                                           // made on first use, kept to the end
void Command(WPARAM wParam);                             // the whole wParam, then a pump
void PointAt(int x, int y);                              // the real pointer, in client points
void Mouse(UINT message, int x, int y, WPARAM keys = 0); // points there, sends it, pumps
