// The editor right after start: layout pixels, canvases, buttons, title and icon.
#include "app/editor_state.h"
#include "icon/document.h"
#include "tests/app/editor_harness.h"
#include "toolkit/draw/target.h"

#include <gtest/gtest.h>

namespace {

class StartState : public ::testing::Test {
  protected:
    void SetUp() override {
        window = OpenEditor();
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override { CloseEditor(window); }
    HWND window = nullptr;
};

TEST_F(StartState, DocumentAndStateAreTheStartValues) {
    EXPECT_EQ(std::string(gridStyle), "DOT");
    EXPECT_EQ(imageCount, 0);
    EXPECT_EQ(drawMode, 0);
    EXPECT_EQ(leftColor, BLACK);
    EXPECT_EQ(rightColor, WHITE);
    for (int v : pixelGrid) ASSERT_EQ(v, 15);
    Palette standard;
    LoadStandardPalette(standard);
    EXPECT_EQ(palette, standard);
    EXPECT_GT(screenWidth, 0);
    EXPECT_GT(screenHeight, 0);
    EXPECT_NE(labelFont, nullptr);
    // Handlers leave the drawing target on the client area.
    EXPECT_EQ(currentTarget, TARGET_CLIENT);
    EXPECT_EQ(WindowTitle(window), "Prickverket");
}

TEST_F(StartState, ButtonsShowThatNoFileIsOpenAndPointModeIsOn) {
    for (HWND button : {imageButton1, imageButton2, imageButton3, imageButton4}) {
        ASSERT_NE(button, nullptr);
        EXPECT_FALSE(ButtonEnabled(button));
    }
    EXPECT_TRUE(ButtonPushed(pointButton));
    EXPECT_FALSE(ButtonPushed(lineButton));
    EXPECT_TRUE(ButtonEnabled(pointButton));
    EXPECT_TRUE(ButtonEnabled(lineButton));
    EXPECT_TRUE(ButtonEnabled(colorButton));
    // Fourteen push buttons, each with its command id.
    for (int id :
         {ID_OPEN, ID_SAVE, ID_NEW_IMAGE, ID_GRID, ID_COLOR, ID_IMAGE1, ID_IMAGE2, ID_IMAGE3,
          ID_IMAGE4, ID_UPDATE, ID_STD_PALETTE, ID_CANVAS_COLOR, ID_DRAW_POINT, ID_DRAW_LINE}) {
        EXPECT_NE(GetDlgItem(window, id), nullptr) << id;
    }
    char label[32] = "";
    GetWindowTextA(GetDlgItem(window, ID_OPEN), label, sizeof label);
    EXPECT_EQ(std::string(label), "\xD6ppna...");
    GetWindowTextA(GetDlgItem(window, ID_CANVAS_COLOR), label, sizeof label);
    EXPECT_EQ(std::string(label), "Dukf\xE4rg");
}

TEST_F(StartState, CanvasesHoldTheirStartColours) {
    EXPECT_TRUE(CanvasAreaIs(gridCanvas, 0, 0, 320, 320, WHITE));
    EXPECT_TRUE(CanvasAreaIs(previewGreyCanvas, 0, 0, 50, 50, GREY));
    EXPECT_TRUE(CanvasAreaIs(previewBlackCanvas, 0, 0, 50, 50, BLACK));
    EXPECT_TRUE(CanvasAreaIs(previewWhiteCanvas, 0, 0, 50, 50, WHITE));
    EXPECT_TRUE(CanvasAreaIs(maskCanvas, 0, 0, 32, 32, GREY));
    EXPECT_TRUE(CanvasAreaIs(tileClearCanvas, 0, 0, 32, 32, DARK_GREY));
    EXPECT_EQ(CanvasPixel(backdropCanvas, 0, 0), BLACK);
    for (HDC thumbnail : {thumbCanvas1, thumbCanvas2, thumbCanvas3, thumbCanvas4}) {
        EXPECT_TRUE(CanvasAreaIs(thumbnail, 0, 0, 32, 32, DARK_GREY));
    }
}

TEST_F(StartState, WindowShowsGridPreviewsMaskAndThumbnails) {
    EXPECT_TRUE(WindowAreaIs(window, 110, 10, 320, 320, WHITE));
    EXPECT_TRUE(WindowAreaIs(window, 184, 347, 50, 50, GREY));
    EXPECT_TRUE(WindowAreaIs(window, 252, 347, 50, 50, BLACK));
    EXPECT_TRUE(WindowAreaIs(window, 319, 347, 50, 50, WHITE));
    EXPECT_TRUE(WindowAreaIs(window, 395, 356, 32, 32, GREY));
    for (int y : {206, 256, 306, 356}) EXPECT_TRUE(WindowAreaIs(window, 12, y, 32, 32, DARK_GREY));
}

TEST_F(StartState, PaletteSwatchesShowTheStandardPaletteInSlotOrder) {
    struct Swatch {
        int x, y;
        COLORREF color;
    };
    const Swatch swatches[] = {
        {525, 5, 0xFFFFFF},   {525, 36, 0xC0C0C0},  {525, 67, 0x0000FF},  {525, 98, 0xFF0000},
        {525, 129, 0x00FFFF}, {525, 160, 0x00FF00}, {525, 191, 0xFF00FF}, {525, 222, 0xFFFF00},
        {556, 5, 0x000000},   {556, 36, 0x808080},  {556, 67, 0x000080},  {556, 98, 0x800000},
        {556, 129, 0x008080}, {556, 160, 0x008000}, {556, 191, 0x800080}, {556, 222, 0x808000},
    };
    for (const Swatch& swatch : swatches) {
        EXPECT_TRUE(WindowAreaIs(window, swatch.x, swatch.y, 30, 30, swatch.color))
            << swatch.x << "," << swatch.y;
    }
    // A one-pixel gap of the background between the rows and between the columns.
    EXPECT_EQ(WindowPixel(window, 540, 35), GREY);
    EXPECT_EQ(WindowPixel(window, 555, 20), GREY);
    EXPECT_TRUE(WindowAreaIs(window, 540, 282, 30, 30, TRANSPARENT_MARK));
}

TEST_F(StartState, ColourChoiceShowsBlackLeftAndWhiteRight) {
    EXPECT_TRUE(WindowAreaIs(window, 525, 344, 30, 30, BLACK));
    EXPECT_TRUE(WindowAreaIs(window, 556, 344, 30, 30, WHITE));
}

TEST_F(StartState, FramesAreRaised) {
    // The frame of thickness 8 around the grid: (100, 0), 340 x 338.
    EXPECT_EQ(WindowPixel(window, 100, 200), WHITE); // outer left
    EXPECT_EQ(WindowPixel(window, 250, 0), WHITE);   // outer top
    EXPECT_EQ(WindowPixel(window, 440, 200), BLACK); // outer right
    EXPECT_EQ(WindowPixel(window, 250, 339), BLACK); // outer bottom
    EXPECT_EQ(WindowPixel(window, 109, 200), BLACK); // inner left
    EXPECT_EQ(WindowPixel(window, 250, 9), BLACK);   // inner top
    EXPECT_EQ(WindowPixel(window, 431, 200), WHITE); // inner right
    EXPECT_EQ(WindowPixel(window, 250, 330), WHITE); // inner bottom
    EXPECT_EQ(WindowPixel(window, 104, 200), GREY);  // the band between them
    // The left panel (5, 108), 80 x 292, thickness 1.
    EXPECT_EQ(WindowPixel(window, 5, 250), WHITE);
    EXPECT_EQ(WindowPixel(window, 85, 250), BLACK);
    EXPECT_EQ(WindowPixel(window, 7, 250), BLACK);
    EXPECT_EQ(WindowPixel(window, 83, 250), WHITE);
    // The preview strip (100, 344), the palette panel (521, 1), the transparent
    // swatch's frame (537, 279) and the colour-choice panel (521, 340).
    EXPECT_EQ(WindowPixel(window, 100, 370), WHITE);
    EXPECT_EQ(WindowPixel(window, 438, 370), BLACK);
    EXPECT_EQ(WindowPixel(window, 521, 100), WHITE);
    EXPECT_EQ(WindowPixel(window, 589, 100), BLACK);
    EXPECT_EQ(WindowPixel(window, 537, 295), WHITE);
    EXPECT_EQ(WindowPixel(window, 572, 295), BLACK);
    EXPECT_EQ(WindowPixel(window, 521, 360), WHITE);
    EXPECT_EQ(WindowPixel(window, 589, 360), BLACK);
    // The separator under "Stnd pal": white row 25, black row 27.
    EXPECT_EQ(WindowPixel(window, 480, 25), WHITE);
    EXPECT_EQ(WindowPixel(window, 480, 27), BLACK);
}

TEST_F(StartState, CountReadsZeroInRed) {
    int red = 0;
    for (int y = 125; y < 140; ++y) {
        for (int x = 71; x < 85; ++x) red += WindowPixel(window, x, y) == 0x0000FF;
    }
    EXPECT_GT(red, 5);
    // No red beyond a single digit.
    for (int y = 125; y < 140; ++y) EXPECT_NE(WindowPixel(window, 80, y), 0x0000FFu);
}

// Red pixels of the count, in the columns from x on.
int RedFrom(HWND window, int x) {
    const Pixels p = CaptureWindow(window, x, 122, 100 - x, 18);
    int red = 0;
    for (COLORREF c : p.colors) red += c == 0x0000FF;
    return red;
}

TEST_F(StartState, CountIsDrawnAsASignedWholeNumber) {
    EXPECT_EQ(RedFrom(window, 80), 0);
    imageCount = 255;
    InvalidateRect(window, nullptr, FALSE);
    Pump();
    EXPECT_GT(RedFrom(window, 80), 5); // three digits reach further than one
    imageCount = -1;
    InvalidateRect(window, nullptr, FALSE);
    Pump();
    EXPECT_GT(RedFrom(window, 71), 5);
    EXPECT_GT(RedFrom(window, 76), 0);
}

TEST_F(StartState, WindowCarriesTheSwedishIconResource) {
    HRSRC group = FindResourceExA(nullptr, reinterpret_cast<LPCSTR>(RT_GROUP_ICON), "PRICKVERKET",
                                  MAKELANGID(LANG_SWEDISH, SUBLANG_SWEDISH));
    ASSERT_NE(group, nullptr);
    HICON icon = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICON));
    ASSERT_NE(icon, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap = {};
    GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 32);
    EXPECT_EQ(bitmap.bmHeight, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST_F(StartState, WindowIsTheFixedSizeCaptionedWindow) {
    RECT outer;
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.right - outer.left, 600);
    EXPECT_EQ(outer.bottom - outer.top, 410 + GetSystemMetrics(SM_CYCAPTION));
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(GetClassLongPtrA(window, GCL_STYLE) & CS_DBLCLKS);
}

} // namespace
