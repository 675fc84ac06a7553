#include "app/window_create.h"

#include "app/editor_state.h"
#include "icon/document.h"
#include "toolkit/draw/pointer.h"
#include "toolkit/draw/target.h"
#include "toolkit/draw/text.h"
#include "toolkit/window/buttons.h"
#include "toolkit/window/dialogs.h"
#include "toolkit/window/window.h"

namespace {

void CreateCanvases(HWND window) {
    // The target is "CLIENT" here, so every canvas has the display's pixel format.
    gridCanvas = rk_CreateCanvas_1(window, screenWidth, screenHeight, 0xFFFFFF);
    previewGreyCanvas = rk_CreateCanvas_1(window, 50, 50, 0xC0C0C0);
    previewBlackCanvas = rk_CreateCanvas_1(window, 50, 50, 0x000000);
    previewWhiteCanvas = rk_CreateCanvas_1(window, 50, 50, 0xFFFFFF);
    maskCanvas = rk_CreateCanvas_1(window, 32, 32, 0xC0C0C0);
    backdropCanvas = rk_CreateCanvas_1(window, screenWidth, screenHeight, 0x000000);
    tileClearCanvas = rk_CreateCanvas_1(window, 32, 32, 0x646464);
    thumbCanvas1 = rk_CreateCanvas_1(window, 32, 32, 0x646464);
    thumbCanvas2 = rk_CreateCanvas_1(window, 32, 32, 0x646464);
    thumbCanvas3 = rk_CreateCanvas_1(window, 32, 32, 0x646464);
    thumbCanvas4 = rk_CreateCanvas_1(window, 32, 32, 0x646464);
}

void CreateButtons(HWND window) {
    rk_PushButton_1(window, 5, 0, 80, 24, "\xD6ppna...", "L", "NORMAL", ID_OPEN);
    rk_PushButton_1(window, 5, 25, 80, 24, "Spara...", "L", "NORMAL", ID_SAVE);
    rk_PushButton_1(window, 5, 55, 80, 24, "Ny image", "L", "NORMAL", ID_NEW_IMAGE);
    rk_PushButton_1(window, 5, 80, 50, 24, "Grid", "L", "NORMAL", ID_GRID);
    colorButton = rk_PushButton_1(window, 56, 80, 29, 24, "F\xE4rg", "L", "NORMAL", ID_COLOR);
    // No image can be loaded again until a file has been opened.
    imageButton1 = rk_PushButton_1(window, 47, 206, 32, 32, "1", "C", "NORMAL", ID_IMAGE1);
    rk_DisableControl_1(imageButton1);
    imageButton2 = rk_PushButton_1(window, 47, 256, 32, 32, "2", "C", "NORMAL", ID_IMAGE2);
    rk_DisableControl_1(imageButton2);
    imageButton3 = rk_PushButton_1(window, 47, 306, 32, 32, "3", "C", "NORMAL", ID_IMAGE3);
    rk_DisableControl_1(imageButton3);
    imageButton4 = rk_PushButton_1(window, 47, 356, 32, 32, "4", "C", "NORMAL", ID_IMAGE4);
    rk_DisableControl_1(imageButton4);
    rk_PushButton_1(window, 110, 356, 60, 32, "Uppdatera", "C", "NORMAL", ID_UPDATE);
    rk_PushButton_1(window, 454, 0, 65, 24, "Stnd pal", "C", "NORMAL", ID_STD_PALETTE);
    rk_PushButton_1(window, 454, 35, 65, 24, "Dukf\xE4rg", "C", "NORMAL", ID_CANVAS_COLOR);
    pointButton =
        rk_PushButton_1(window, 454, 65, 65, 24, "Rita punkt", "C", "NORMAL", ID_DRAW_POINT);
    rk_ButtonDown_1(pointButton); // point mode is the mode at start
    lineButton =
        rk_PushButton_1(window, 454, 95, 65, 24, "Rita streck", "C", "NORMAL", ID_DRAW_LINE);
}

} // namespace

LRESULT CreateEditorWindow(HWND window) {
    rk_CenterWindow_1(window);
    rk_SetTitle_1(window, "Prickverket");
    rk_SetWindowIcon_1(window, "PRICKVERKET");
    rk_ScreenSize_1(&screenWidth, &screenHeight);
    CreateCanvases(window);
    LoadStandardPalette(palette);
    FillPixelGrid(pixelGrid, 15);
    labelFont = rk_CreateFont_1(12, 6, 0, 100, 0, 0, "ARIAL");
    CreateButtons(window);
    rk_CopyString_1(gridStyle, "DOT", 0);
    // Nothing is rendered: the white grid canvas already looks like the white
    // start image in "DOT".
    return 0;
}
