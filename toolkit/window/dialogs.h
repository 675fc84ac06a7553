// File and colour dialogs, and string copying.
#pragma once

#include <windows.h>

constexpr int PATH_CHARS = 260;
constexpr int FILE_TITLE_CHARS = 256;

extern char openPath[PATH_CHARS];
extern char openFileTitle[FILE_TITLE_CHARS];
extern char savePath[PATH_CHARS];
extern char saveFileTitle[FILE_TITLE_CHARS];
extern COLORREF chosenColor;
extern COLORREF customColors[16];

// 0 a file was chosen; 1 cancelled or failed.
int rk_OpenFileDialog_1(HWND owner, const char* title, const char* titleKeyword,
                        const char* filterKeyword, const char* ownFilter);
int rk_SaveFileDialog_1(HWND owner, const char* title, const char* titleKeyword,
                        const char* filterKeyword, const char* ownFilter);
// The colour confirmed, or 0xFFFFFFFF (-1) when cancelled.
COLORREF rk_ChooseColor_1(HWND owner);
char* rk_CopyString_1(char* destination, const char* source, int count);
