// Push buttons.
#pragma once

#include <windows.h>

HWND rk_PushButton_1(HWND parent, int x, int y, int width, int height, const char* label,
                     const char* alignment, const char* style, int commandId);
int rk_DisableControl_1(HWND control);
int rk_EnableControl_1(HWND control);
int rk_ButtonDown_1(HWND button);
int rk_ButtonUp_1(HWND button);
