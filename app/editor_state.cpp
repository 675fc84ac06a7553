#include "app/editor_state.h"

const char* const MAIN_WINDOW_NAME = "Vanligt f\xF6nster";

COLORREF leftColor = 0x000000;
COLORREF rightColor = 0xFFFFFF;
int drawMode = 0;
int gridOn = 0;
char gridStyle[GRID_STYLE_CHARS] = "";
int imageCount = 0;
int screenWidth = 0;
int screenHeight = 0;
HFONT labelFont = nullptr;

HDC gridCanvas = nullptr;
HDC backdropCanvas = nullptr;
HDC previewGreyCanvas = nullptr;
HDC previewBlackCanvas = nullptr;
HDC previewWhiteCanvas = nullptr;
HDC maskCanvas = nullptr;
HDC tileClearCanvas = nullptr;
HDC thumbCanvas1 = nullptr;
HDC thumbCanvas2 = nullptr;
HDC thumbCanvas3 = nullptr;
HDC thumbCanvas4 = nullptr;

HWND colorButton = nullptr;
HWND imageButton1 = nullptr;
HWND imageButton2 = nullptr;
HWND imageButton3 = nullptr;
HWND imageButton4 = nullptr;
HWND pointButton = nullptr;
HWND lineButton = nullptr;
