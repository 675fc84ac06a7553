#include "app/commands.h"

#include "app/editor_state.h"
#include "app/view_steps.h"
#include "icon/document.h"
#include "icon/load_image.h"
#include "icon/reader.h"
#include "icon/writer.h"
#include "toolkit/draw/target.h"
#include "toolkit/window/buttons.h"
#include "toolkit/window/dialogs.h"
#include "toolkit/window/message_box.h"
#include "toolkit/window/window.h"

#include <cstdio>
#include <initializer_list>

// Two pairs of label and pattern, each string NUL-terminated, one more NUL at the end.
const char ICON_FILTER[] = "Ikoner (*.ico)\0*.ico\0Mark\xF6rer (*.cur)\0*.cur\0";

namespace {

// A box with Cancel answers 6; OK, or a box that could not be shown, goes ahead.
constexpr int ANSWER_CANCEL = 6;

// rk_Message_1 takes a writable text, so every notice is copied into one first.
void ShowNotice(HWND window, const char* caption, const char* text) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, "%s", text);
    rk_Message_1(window, caption, buffer, "N");
}

// What "Ny image" and "Dukfärg" do once the grid is filled.
void StartOverWithFilledGrid(HWND window) {
    imageCount = 0;
    ResetImageButtons();
    rk_DrawTarget_1(window, "MEMORY");
    RenderZoomedGrid(window);
    WipeThumbnails(window);
    WipePreviews(window);
    rk_DrawTarget_1(window, "CLIENT");
    rk_SetTitle_1(window, "Prickverket");
    rk_Repaint_1(window, "UNERASED");
}

void NewImage(HWND window) {
    const int answer = rk_MessageBox_1(window, "VARNING!",
                                       "Har tidigare ikon eller mark\xF6r sparats?\n"
                                       "Ny image raderar tidigare image.\n"
                                       "Vill du forts\xE4tta med 'Ny image'?",
                                       "EXCLAMATION", "ok_CANCEL");
    if (answer == ANSWER_CANCEL) return;
    FillPixelGrid(pixelGrid, 15);
    StartOverWithFilledGrid(window);
}

void CanvasColor(HWND window) {
    const int answer = rk_MessageBox_1(window, "DUKF\xC4RG!",
                                       "Har tidigare ikon eller mark\xF6r sparats?\n"
                                       "'Dukf\xE4rg' raderar tidigare image.\n"
                                       "Vill du forts\xE4tta m\xE5la hela duken i en f\xE4rg?",
                                       "EXCLAMATION", "ok_CANCEL");
    if (answer == ANSWER_CANCEL) return;
    // The value the left colour has in the document's palette; 16 if none.
    FillPixelGrid(pixelGrid, FindCellValue(leftColor, palette));
    StartOverWithFilledGrid(window);
}

// Marks the button of image k, the last image that loaded.
void MarkLoadedImage(int k) {
    switch (k) {
    case 1:
        rk_ButtonDown_1(imageButton1);
        rk_DisableControl_1(imageButton1);
        break;
    case 2:
        rk_ButtonDown_1(imageButton2);
        rk_ButtonUp_1(imageButton1);
        rk_DisableControl_1(imageButton2);
        rk_EnableControl_1(imageButton1);
        break;
    case 3:
        rk_ButtonDown_1(imageButton3);
        rk_ButtonUp_1(imageButton2);
        rk_DisableControl_1(imageButton3);
        rk_EnableControl_1(imageButton2);
        break;
    default: // images 4, 5 and 6 share the last button
        rk_ButtonDown_1(imageButton4);
        rk_ButtonUp_1(imageButton3);
        rk_DisableControl_1(imageButton4);
        rk_EnableControl_1(imageButton3);
        break;
    }
}

void Open(HWND window) {
    if (rk_OpenFileDialog_1(window, "\xD6ppna ikon...", "NONE", "OWN_FILTER", ICON_FILTER) == 1) {
        ShowNotice(window, "\xD6ppnameddelande", "Avbryt valdes!");
        return;
    }
    for (HWND button : {imageButton1, imageButton2, imageButton3, imageButton4}) {
        rk_EnableControl_1(button);
    }
    for (HWND button : {imageButton1, imageButton2, imageButton3, imageButton4}) {
        rk_ButtonUp_1(button);
    }
    rk_DrawTarget_1(window, "MEMORY");
    WipeThumbnails(window);
    rk_DrawTarget_1(window, "CLIENT");

    imageCount = ReadIconImageCount(openPath);
    // At most six images are tried; the count itself may be larger.
    for (int k = 1; k <= 6 && imageCount >= k; ++k) {
        const int status = LoadImageIntoEditor(window, k);
        if (status > 0) {
            char text[64];
            std::snprintf(text, sizeof text,
                          "Image %d \xE4r inte av typen\n32x32 pixel och 16 f\xE4rger!", k);
            ShowNotice(window, "\xD6ppnameddelande", text);
        } else if (status == 0) {
            MarkLoadedImage(k);
        }
    }
    rk_SetTitle_1(window, openPath);
    rk_Repaint_1(window, "UNERASED");
}

void Save(HWND window) {
    if (rk_SaveFileDialog_1(window, "Spara ikon...", "NONE", "OWN_FILTER", ICON_FILTER) == 1) {
        ShowNotice(window, "Sparameddelande", "Avbryt valdes!");
        return;
    }
    if (WriteIconFile(savePath, palette, pixelGrid) == 1) {
        ShowNotice(window, "Sparameddelande", "Gick inte att spara!");
    }
    // The title names the chosen file even when it could not be written.
    rk_SetTitle_1(window, savePath);
    rk_Repaint_1(window, "UNERASED");
}

void ToggleGrid(HWND window) {
    if (gridOn == 0) {
        gridOn = 1;
        rk_CopyString_1(gridStyle, "GRID_DOT", 0);
        // The backdrop colour is chosen only while the lines are hidden.
        rk_DisableControl_1(colorButton);
    } else {
        gridOn = 0;
        rk_CopyString_1(gridStyle, "DOT", 0);
        rk_EnableControl_1(colorButton);
    }
    rk_DrawTarget_1(window, "MEMORY");
    RenderZoomedGrid(window);
    rk_DrawTarget_1(window, "CLIENT");
    rk_Repaint_1(window, "UNERASED");
}

void StandardPalette(HWND window) {
    LoadStandardPalette(palette);
    rk_Repaint_1(window, "UNERASED");
}

void DrawPoint() {
    drawMode = 0;
    rk_ButtonDown_1(pointButton);
    rk_ButtonUp_1(lineButton);
}

void DrawLine() {
    drawMode = 1;
    rk_ButtonDown_1(lineButton);
    rk_ButtonUp_1(pointButton);
}

void Update(HWND window) {
    rk_DrawTarget_1(window, "MEMORY");
    RenderPreviews(window);
    rk_DrawTarget_1(window, "CLIENT");
    rk_Repaint_1(window, "UNERASED");
}

// A cancelled dialog leaves chosenColor as it was, so the backdrop is made again
// in the last confirmed colour. It shows the next time the grid is rendered.
void BackdropColor(HWND window) {
    rk_ChooseColor_1(window);
    HDC replaced = backdropCanvas;
    backdropCanvas = rk_CreateCanvas_1(window, screenWidth, screenHeight, chosenColor);
    rk_ReleaseCanvas_1(replaced);
}

} // namespace

void RunCommand(HWND window, WPARAM commandId) {
    switch (commandId) {
    case ID_NEW_IMAGE:
        NewImage(window);
        break;
    case ID_OPEN:
        Open(window);
        break;
    case ID_SAVE:
        Save(window);
        break;
    case ID_GRID:
        ToggleGrid(window);
        break;
    case ID_IMAGE1:
    case ID_IMAGE2:
    case ID_IMAGE3:
    case ID_IMAGE4:
        // The result is not looked at: the views are drawn again either way.
        LoadImageIntoEditor(window, static_cast<int>(commandId - ID_IMAGE1) + 1);
        break;
    case ID_STD_PALETTE:
        StandardPalette(window);
        break;
    case ID_CANVAS_COLOR:
        CanvasColor(window);
        break;
    case ID_DRAW_POINT:
        DrawPoint();
        break;
    case ID_DRAW_LINE:
        DrawLine();
        break;
    case ID_UPDATE:
        Update(window);
        break;
    case ID_COLOR:
        BackdropColor(window);
        break;
    default:
        break;
    }
}
