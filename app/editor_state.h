// EditorState: the editor's program-wide values, its command ids and layout constants.
#pragma once

#include <windows.h>

// Command ids, one per push button.
constexpr int ID_NEW_IMAGE = 101;
constexpr int ID_OPEN = 102;
constexpr int ID_SAVE = 103;
constexpr int ID_GRID = 106;
constexpr int ID_IMAGE1 = 107;
constexpr int ID_IMAGE2 = 108;
constexpr int ID_IMAGE3 = 109;
constexpr int ID_IMAGE4 = 110;
constexpr int ID_STD_PALETTE = 201;
constexpr int ID_CANVAS_COLOR = 202;
constexpr int ID_DRAW_POINT = 203;
constexpr int ID_DRAW_LINE = 204;
constexpr int ID_UPDATE = 301;
constexpr int ID_COLOR = 401;

// The zoomed grid: 32 cells of 10 pixels, at (GRID_X, GRID_Y) of the client area.
constexpr int GRID_PIXELS = 320;
constexpr float ICON_PIXELS = 32.0f;
constexpr int GRID_X = 110;
constexpr int GRID_Y = 10;

// Room for the longest style keyword, "GRID_DOT", and its terminator.
constexpr int GRID_STYLE_CHARS = 16;

// The main window as WinMain creates it.
extern const char* const MAIN_WINDOW_NAME; // "Vanligt fönster", also the class name
constexpr int MAIN_WINDOW_WIDTH = 600;
constexpr int MAIN_WINDOW_HEIGHT = 410;

extern COLORREF leftColor;
extern COLORREF rightColor;
extern int drawMode; // 0 a press paints one cell, 1 dragging paints
extern int gridOn;
extern char gridStyle[GRID_STYLE_CHARS];
extern int imageCount;
extern int screenWidth;
extern int screenHeight;
extern HFONT labelFont;

extern HDC gridCanvas;
extern HDC backdropCanvas;
extern HDC previewGreyCanvas;
extern HDC previewBlackCanvas;
extern HDC previewWhiteCanvas;
extern HDC maskCanvas;
extern HDC tileClearCanvas;
extern HDC thumbCanvas1;
extern HDC thumbCanvas2;
extern HDC thumbCanvas3;
extern HDC thumbCanvas4;

extern HWND colorButton;
extern HWND imageButton1;
extern HWND imageButton2;
extern HWND imageButton3;
extern HWND imageButton4;
extern HWND pointButton;
extern HWND lineButton;
