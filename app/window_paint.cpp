#include "app/window_paint.h"

#include "app/editor_state.h"
#include "icon/document.h"
#include "toolkit/draw/shapes.h"
#include "toolkit/draw/target.h"
#include "toolkit/draw/text.h"

namespace {

constexpr COLORREF LABEL_GREY = 0xC0C0C0; // the class's background brush
// The count's area: from its x up to the grid's frame, as high as the label font's cells.
constexpr int COUNT_X = 71;
constexpr int GRID_FRAME_X = 100;
constexpr int COUNT_HEIGHT = 12;

struct Label {
    int x;
    int y;
    const char* text;
};

// The sentence around the image count, and the note on the supported kind.
constexpr Label PANEL_LABELS[] = {
    {10, 115, "Vald image"},   {10, 125, "inneh\xE5ller"}, {10, 135, "bilder."},
    {10, 149, "Nedanst\xE5-"}, {10, 159, "ende har"},      {10, 169, "r\xE4tt format"},
    {10, 179, "32x32 bit o"},  {10, 189, "16 f\xE4rger"},
};

struct Swatch {
    int x;
    int y;
    int slot;
};

// Two columns of eight; with the standard palette each row pairs a light colour
// with its dark counterpart.
constexpr Swatch PALETTE_SWATCHES[] = {
    {525, 5, 15},   {525, 36, 8},   {525, 67, 12}, {525, 98, 9},  {525, 129, 14}, {525, 160, 10},
    {525, 191, 13}, {525, 222, 11}, {556, 5, 0},   {556, 36, 7},  {556, 67, 4},   {556, 98, 1},
    {556, 129, 6},  {556, 160, 2},  {556, 191, 5}, {556, 222, 3},
};

void Text(HWND window, int x, int y, const char* text) {
    rk_TextOut_1(window, x, y, text, 0x000000, labelFont, LABEL_GREY);
}

} // namespace

LRESULT PaintEditorWindow(HWND window, WPARAM wParam, LPARAM lParam) {
    // The target is "CLIENT": no handler leaves it otherwise.
    rk_BeginPaintPass_1(window);
    for (const Label& label : PANEL_LABELS) {
        Text(window, label.x, label.y, label.text);
        // The count stands in the sentence's second line.
        if (label.y == 125) {
            // Repaints never erase: a shorter count must not leave old digits to its right.
            rk_FilledRect_1(window, COUNT_X, label.y, GRID_FRAME_X - COUNT_X, COUNT_HEIGHT,
                            LABEL_GREY);
            rk_NumberOut_1(window, COUNT_X, label.y, static_cast<double>(imageCount), 0, 0x0000FF,
                           labelFont, LABEL_GREY);
        }
    }

    rk_Frame3D_1(window, 5, 108, 80, 292, "UPPER", 1);
    rk_Frame3D_1(window, 100, 0, 340, 338, "UPPER", 8);
    rk_Frame3D_1(window, 100, 344, 338, 55, "UPPER", 1);
    rk_Frame3D_1(window, 521, 1, 68, 253, "UPPER", 1);

    ArrangeDisplayPalette(displayPalette, palette);
    for (const Swatch& swatch : PALETTE_SWATCHES) {
        rk_FilledRect_1(window, swatch.x, swatch.y, 30, 30, displayPalette[swatch.slot]);
    }
    Text(window, 536, 258, "Palette");
    rk_Frame3D_1(window, 537, 279, 35, 35, "UPPER", 1);
    rk_FilledRect_1(window, 540, 282, 30, 30, TRANSPARENT_MARK);
    Text(window, 520, 317, "Transparent");

    rk_Frame3D_1(window, 521, 340, 68, 36, "UPPER", 1);
    rk_FilledRect_1(window, 525, 344, 30, 30, leftColor);
    rk_FilledRect_1(window, 556, 344, 30, 30, rightColor);
    Text(window, 535, 380, "V      H");
    Text(window, 535, 390, "F\xE4rgval");
    rk_Line3D_1(window, 454, 25, 67, "RIGHT", "UPPER", 1);

    rk_Blit_1(window, gridCanvas, GRID_X, GRID_Y, GRID_PIXELS, GRID_PIXELS);
    rk_Blit_1(window, previewGreyCanvas, 184, 347, 50, 50);
    rk_Blit_1(window, previewBlackCanvas, 252, 347, 50, 50);
    rk_Blit_1(window, previewWhiteCanvas, 319, 347, 50, 50);
    rk_Blit_1(window, maskCanvas, 395, 356, 32, 32);
    rk_Blit_1(window, thumbCanvas1, 12, 206, 32, 32);
    rk_Blit_1(window, thumbCanvas2, 12, 256, 32, 32);
    rk_Blit_1(window, thumbCanvas3, 12, 306, 32, 32);
    rk_Blit_1(window, thumbCanvas4, 12, 356, 32, 32);
    rk_EndPaintPass_1(window);

    return DefWindowProcA(window, WM_PAINT, wParam, lParam);
}
