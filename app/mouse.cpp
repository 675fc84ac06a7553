#include "app/mouse.h"

#include "app/editor_state.h"
#include "icon/document.h"
#include "icon/paint_cell.h"
#include "toolkit/draw/pointer.h"
#include "toolkit/draw/target.h"
#include "toolkit/window/window.h"

// The 16 palette swatches, then the transparent swatch.
const PickRow PICK_TABLE[17] = {
    {1, 525, 5, 540, 20},     {2, 525, 36, 540, 53},    {3, 525, 67, 540, 84},
    {4, 525, 98, 540, 115},   {5, 525, 129, 540, 146},  {6, 525, 160, 540, 177},
    {7, 525, 191, 540, 208},  {8, 525, 222, 540, 239},  {9, 556, 5, 571, 22},
    {10, 556, 36, 571, 53},   {11, 556, 67, 571, 84},   {12, 556, 98, 571, 115},
    {13, 556, 129, 571, 146}, {14, 556, 160, 571, 177}, {15, 556, 191, 571, 208},
    {16, 556, 222, 571, 230}, {17, 540, 282, 560, 290},
};

namespace {

constexpr int SWATCH_EDGE = 30;

void PaintWith(HWND window, COLORREF color) {
    rk_DrawTarget_1(window, "MEMORY");
    rk_SelectCanvas_1(gridCanvas);
    PaintCellAtPointer(window, GRID_X, GRID_Y, GRID_PIXELS, pixelGrid, color, gridStyle);
    rk_DrawTarget_1(window, "CLIENT");
    rk_Repaint_1(window, "UNERASED");
}

// The colour is read from the window, so it is what the swatch shows. The
// pointer is read once for all swatches: under Wine each reading of a still
// pointer is a round trip to the X server.
void PickInto(HWND window, COLORREF& color) {
    int px = 0;
    int py = 0;
    if (rk_PointerPosition_1(window, &px, &py) == 0) {
        for (const PickRow& row : PICK_TABLE) {
            if (rk_PointInRect_1(px, py, row.x, row.y, SWATCH_EDGE, SWATCH_EDGE, row.code) ==
                row.code) {
                color = rk_GetPixel_1(window, row.readX, row.readY);
            }
        }
    }
    rk_Repaint_1(window, "UNERASED");
}

} // namespace

void PressLeftButton(HWND window) {
    PaintWith(window, leftColor);
}

void PressRightButton(HWND window) {
    PaintWith(window, rightColor);
}

void MoveMouse(HWND window, WPARAM keyState) {
    if (drawMode != 1) return;
    if (rk_PointerInRect_1(window, GRID_X, GRID_Y, GRID_PIXELS, GRID_PIXELS, 1) != 1) return;
    // Equality, not a set bit: Shift, Ctrl or both buttons held post nothing.
    if (keyState == MK_LBUTTON) rk_PostMessage_1(window, WM_LBUTTONDOWN, 0, 0);
    if (keyState == MK_RBUTTON) rk_PostMessage_1(window, WM_RBUTTONDOWN, 0, 0);
}

void ReleaseLeftButton(HWND window) {
    PickInto(window, leftColor);
}

void ReleaseRightButton(HWND window) {
    PickInto(window, rightColor);
}
