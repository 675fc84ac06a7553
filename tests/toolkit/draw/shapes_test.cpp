// Exact pixels of the shaded lines, the shaded frames and filled rectangles.
#include "shared_window_suite.h"
#include "test_window.h"

#include "toolkit/draw/shapes.h"
#include "toolkit/draw/target.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF WHITE = RGB(255, 255, 255);
constexpr COLORREF LIGHT_GREY = 0xAAAAAA;
constexpr COLORREF DARK_GREY = 0x828282;
constexpr COLORREF BLACK = 0;

class Shapes : public SharedWindowSuite<Shapes> {
  public:
    static HWND MakeWindow() { return MakeTestWindow(100, 100, 600, 420); }

  protected:
    void SetUp() override {
        SharedWindowSuite::SetUp();
        if (HasFatalFailure()) return;
        FillClient(window, SENTINEL);
        dc = GetDC(window);
    }
    void TearDown() override {
        ReleaseDC(window, dc);
        SharedWindowSuite::TearDown();
    }
    // The client area around (0,0) .. (right, bottom) against the map.
    std::string Check(const PixelMap& expected, int right = 60, int bottom = 50) {
        return CompareRegion(dc, 0, 0, right, bottom, expected, SENTINEL);
    }
    HDC dc = nullptr;
};

TEST_F(Shapes, LineRightThicknessOneLeavesTheMiddleRow) {
    rk_Line3D_1(window, 10, 10, 5, "RIGHT", "UPPER", 1);
    PixelMap expected;
    MarkRow(expected, 10, 10, 14, WHITE);
    MarkRow(expected, 12, 10, 14, BLACK);
    EXPECT_EQ(Check(expected), "");
}

TEST_F(Shapes, LineRightThicknessTwoHasFourAdjacentStrokes) {
    rk_Line3D_1(window, 10, 10, 5, "RIGHT", "UPPER", 2);
    PixelMap expected;
    MarkRow(expected, 10, 10, 14, WHITE);
    MarkRow(expected, 11, 10, 14, LIGHT_GREY);
    MarkRow(expected, 12, 10, 14, DARK_GREY);
    MarkRow(expected, 13, 10, 14, BLACK);
    EXPECT_EQ(Check(expected), "");
}

TEST_F(Shapes, LineRightThicknessThreeLeavesAGap) {
    rk_Line3D_1(window, 10, 10, 5, "RIGHT", "UPPER", 3);
    PixelMap expected;
    MarkRow(expected, 10, 10, 14, WHITE);
    MarkRow(expected, 11, 10, 14, LIGHT_GREY);
    MarkRow(expected, 13, 10, 14, DARK_GREY);
    MarkRow(expected, 14, 10, 14, BLACK);
    EXPECT_EQ(Check(expected), "");
}

TEST_F(Shapes, LineLowerReversesTheGreys) {
    rk_Line3D_1(window, 10, 10, 5, "RIGHT", "LOWER", 2);
    PixelMap expected;
    MarkRow(expected, 10, 10, 14, BLACK);
    MarkRow(expected, 11, 10, 14, DARK_GREY);
    MarkRow(expected, 12, 10, 14, LIGHT_GREY);
    MarkRow(expected, 13, 10, 14, WHITE);
    EXPECT_EQ(Check(expected), "");
}

TEST_F(Shapes, LineStyleOtherThanLowerIsRaised) {
    rk_Line3D_1(window, 10, 10, 5, "RIGHT", "lower", 1);
    rk_Line3D_1(window, 10, 10, 5, "RIGHT",
                "LOW\xAD"
                "ER",
                1);
    PixelMap expected;
    MarkRow(expected, 10, 10, 14, WHITE);
    MarkRow(expected, 12, 10, 14, BLACK);
    EXPECT_EQ(Check(expected), "");
}

TEST_F(Shapes, LineDownThicknessOneTwoAndThree) {
    rk_Line3D_1(window, 10, 10, 6, "DOWN", "UPPER", 1);
    rk_Line3D_1(window, 20, 10, 6, "DOWN", "UPPER", 2);
    rk_Line3D_1(window, 30, 10, 6, "DOWN", "LOWER", 3);
    PixelMap expected;
    MarkColumn(expected, 10, 10, 15, WHITE);
    MarkColumn(expected, 12, 10, 15, BLACK);
    MarkColumn(expected, 20, 10, 15, WHITE);
    MarkColumn(expected, 21, 10, 15, LIGHT_GREY);
    MarkColumn(expected, 22, 10, 15, DARK_GREY);
    MarkColumn(expected, 23, 10, 15, BLACK);
    MarkColumn(expected, 30, 10, 15, BLACK);
    MarkColumn(expected, 31, 10, 15, DARK_GREY);
    MarkColumn(expected, 33, 10, 15, LIGHT_GREY);
    MarkColumn(expected, 34, 10, 15, WHITE);
    EXPECT_EQ(Check(expected), "");
}

TEST_F(Shapes, LineWithAnotherDirectionDrawsNothing) {
    for (const char* direction :
         {"LEFT", "UP", "right", "down", "", "RIGHT ", "RIG\xADHT", "DO\xADWN"})
        rk_Line3D_1(window, 10, 10, 5, direction, "UPPER", 2);
    EXPECT_EQ(Check({}), "");
}

TEST_F(Shapes, TheEditorsSeparator) {
    rk_Line3D_1(window, 454, 25, 67, "RIGHT", "UPPER", 1);
    PixelMap expected;
    MarkRow(expected, 25, 454, 520, WHITE);
    MarkRow(expected, 27, 454, 520, BLACK);
    EXPECT_EQ(CompareRegion(dc, 440, 20, 540, 32, expected, SENTINEL), "");
}

// The 40 x 30 frame at (0,0) with thickness 1, pixel by pixel as worked out by hand.
PixelMap FrameFortyByThirty(int x, int y) {
    PixelMap map;
    // Black strokes first; the white ones drawn after them win where they meet.
    MarkRow(map, y + 31, x + 0, x + 40, BLACK);
    MarkColumn(map, x + 40, y + 0, y + 30, BLACK);
    MarkRow(map, y + 2, x + 2, x + 38, BLACK);
    MarkColumn(map, x + 2, y + 2, y + 28, BLACK);
    MarkRow(map, y + 0, x + 0, x + 39, WHITE);
    MarkColumn(map, x + 0, y + 0, y + 30, WHITE);
    MarkRow(map, y + 29, x + 2, x + 38, WHITE);
    MarkColumn(map, x + 38, y + 2, y + 28, WHITE);
    return map;
}

TEST_F(Shapes, FrameFortyByThirtyOnTheWindow) {
    rk_Frame3D_1(window, 0, 0, 40, 30, "UPPER", 1);
    const PixelMap expected = FrameFortyByThirty(0, 0);
    EXPECT_EQ(expected.at({38, 2}), WHITE);
    EXPECT_EQ(Check(expected), "");
}

TEST_F(Shapes, FrameFortyByThirtyInACanvas) {
    HDC canvas = rk_CreateCanvas_1(window, 70, 60, SENTINEL);
    ASSERT_NE(canvas, nullptr);
    rk_DrawTarget_1(window, "MEMORY");
    rk_Frame3D_1(window, 10, 12, 40, 30, "UPPER", 1);
    EXPECT_EQ(CompareRegion(canvas, 0, 0, 70, 60, FrameFortyByThirty(10, 12), SENTINEL), "");
    rk_ReleaseCanvas_1(canvas);
}

TEST_F(Shapes, FrameLowerExchangesTheColours) {
    rk_Frame3D_1(window, 0, 0, 40, 30, "LOWER", 1);
    PixelMap expected = FrameFortyByThirty(0, 0);
    for (auto& [point, color] : expected) color = color == WHITE ? BLACK : WHITE;
    EXPECT_EQ(Check(expected), "");
}

TEST_F(Shapes, FrameStyleOtherThanLowerIsRaised) {
    for (const char* style : {"lower",
                              "LOW\xAD"
                              "ER",
                              "SUNKEN", ""}) {
        FillClient(window, SENTINEL);
        rk_Frame3D_1(window, 0, 0, 40, 30, style, 1);
        EXPECT_EQ(Check(FrameFortyByThirty(0, 0)), "") << style;
    }
}

TEST_F(Shapes, FrameBelowTwentyWideStartsTheInnerTopOneColumnEarly) {
    // Width 15, so q = 0: the second inner top piece starts at x + t, inside the band.
    rk_Frame3D_1(window, 10, 10, 15, 12, "UPPER", 1);
    PixelMap expected;
    MarkRow(expected, 23, 10, 25, BLACK);    // outer bottom
    MarkColumn(expected, 25, 10, 22, BLACK); // outer right
    MarkRow(expected, 12, 11, 23, BLACK);    // inner top, from column 11
    MarkColumn(expected, 12, 12, 20, BLACK); // inner left
    MarkRow(expected, 10, 10, 24, WHITE);    // outer top
    MarkRow(expected, 21, 12, 23, WHITE);    // inner bottom
    MarkColumn(expected, 23, 12, 20, WHITE); // inner right
    MarkColumn(expected, 10, 10, 22, WHITE); // outer left
    EXPECT_EQ(expected.at({11, 12}), BLACK);
    EXPECT_EQ(Check(expected), "");
}

TEST_F(Shapes, WideBandLeavesTheBandAndInsideUntouched) {
    // Thickness 8 as around the editor's grid, scaled down: 60 x 40.
    rk_Frame3D_1(window, 0, 0, 60, 40, "UPPER", 8);
    PixelMap expected;
    MarkRow(expected, 41, 0, 60, BLACK);
    MarkColumn(expected, 60, 0, 40, BLACK);
    MarkRow(expected, 9, 9, 51, BLACK);
    MarkColumn(expected, 9, 9, 31, BLACK);
    MarkRow(expected, 0, 0, 59, WHITE);
    MarkColumn(expected, 0, 0, 40, WHITE);
    MarkRow(expected, 32, 9, 51, WHITE);
    MarkColumn(expected, 51, 9, 31, WHITE);
    EXPECT_EQ(Check(expected, 70, 50), "");
}

TEST_F(Shapes, FilledRectCoversExactlyWidthByHeight) {
    EXPECT_EQ(rk_FilledRect_1(window, 525, 5, 30, 30, RGB(255, 0, 0)), 0);
    PixelMap expected;
    for (int y = 5; y <= 34; ++y) MarkRow(expected, y, 525, 554, RGB(255, 0, 0));
    EXPECT_EQ(CompareRegion(dc, 520, 0, 560, 40, expected, SENTINEL), "");
}

TEST_F(Shapes, FilledRectInACanvasAndZeroWidth) {
    HDC canvas = rk_CreateCanvas_1(window, 20, 20, SENTINEL);
    ASSERT_NE(canvas, nullptr);
    rk_DrawTarget_1(window, "MEMORY");
    rk_FilledRect_1(window, 3, 4, 5, 2, RGB(0, 0, 255));
    rk_FilledRect_1(window, 10, 10, 0, 5, RGB(0, 255, 0));
    PixelMap expected;
    MarkRow(expected, 4, 3, 7, RGB(0, 0, 255));
    MarkRow(expected, 5, 3, 7, RGB(0, 0, 255));
    EXPECT_EQ(CompareRegion(canvas, 0, 0, 20, 20, expected, SENTINEL), "");
    rk_ReleaseCanvas_1(canvas);
}

TEST_F(Shapes, ShapesReturnZeroAndLeaveNoPenOnACanvas) {
    HDC canvas = rk_CreateCanvas_1(window, 80, 60, SENTINEL);
    ASSERT_NE(canvas, nullptr);
    HGDIOBJ pen = GetCurrentObject(canvas, OBJ_PEN);
    HGDIOBJ brush = GetCurrentObject(canvas, OBJ_BRUSH);
    rk_DrawTarget_1(window, "MEMORY");
    EXPECT_EQ(rk_Line3D_1(window, 1, 1, 5, "DOWN", "UPPER", 2), 0);
    EXPECT_EQ(rk_Line3D_1(window, 1, 1, 5, "NOWHERE", "UPPER", 2), 0);
    EXPECT_EQ(rk_Frame3D_1(window, 1, 1, 40, 30, "UPPER", 1), 0);
    EXPECT_EQ(rk_FilledRect_1(window, 1, 1, 4, 4, 0), 0);
    EXPECT_EQ(GetCurrentObject(canvas, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(canvas, OBJ_BRUSH), brush);
    rk_ReleaseCanvas_1(canvas);
}

} // namespace
