// The top-level window.
#pragma once

#include <windows.h>

// Defined by the program; the window class uses it.
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

HWND rk_CreateMainWindow_1(HINSTANCE instance, const char* name, int x, int y, int width,
                           int height, const char* style);
int rk_CenterWindow_1(HWND window);
int rk_SetTitle_1(HWND window, const char* text);
int rk_SetWindowIcon_1(HWND window, const char* iconName);
int rk_Repaint_1(HWND window, const char* keyword);
int rk_PostMessage_1(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
