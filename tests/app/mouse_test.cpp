// Mouse editing and colour picking, with the real pointer where the handlers read it.
#include "app/editor_state.h"
#include "app/mouse.h"
#include "icon/document.h"
#include "tests/app/editor_harness.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF UNSET = 0x123456; // a colour no swatch shows

int Cell(int row, int column) {
    return pixelGrid[row * GRID_CELLS + column];
}

// Whether a press was posted to the window and is still waiting.
bool PressWaiting(HWND window, UINT press) {
    MSG message;
    return PeekMessageA(&message, window, press, press, PM_NOREMOVE) != FALSE;
}

using Mouse = EditorTest;

TEST_F(Mouse, EachSwatchIsPickedInsideItsStrictEdges) {
    // The standard palette's colour of each pick code.
    const COLORREF expected[17] = {0xFFFFFF, 0xC0C0C0,        0x0000FF, 0xFF0000, 0x00FFFF,
                                   0x00FF00, 0xFF00FF,        0xFFFF00, 0x000000, 0x808080,
                                   0x000080, 0x800000,        0x008080, 0x008000, 0x800080,
                                   0x808000, TRANSPARENT_MARK};
    for (const PickRow& row : PICK_TABLE) {
        const COLORREF color = expected[row.code - 1];
        // The read point lies in the swatch.
        EXPECT_EQ(WindowPixel(window, row.readX, row.readY), color) << row.code;
        for (auto [x, y] : {std::pair{row.x + 1, row.y + 1}, std::pair{row.x + 29, row.y + 29}}) {
            leftColor = UNSET;
            MouseMessage(window, WM_LBUTTONUP, x, y);
            EXPECT_EQ(leftColor, color) << row.code << " at " << x << "," << y;
            rightColor = UNSET;
            MouseMessage(window, WM_RBUTTONUP, x, y);
            EXPECT_EQ(rightColor, color) << row.code << " at " << x << "," << y;
        }
        for (auto [x, y] : {std::pair{row.x, row.y + 15}, std::pair{row.x + 15, row.y},
                            std::pair{row.x + 30, row.y + 15}, std::pair{row.x + 15, row.y + 30}}) {
            leftColor = UNSET;
            MouseMessage(window, WM_LBUTTONUP, x, y);
            EXPECT_EQ(leftColor, UNSET) << row.code << " at " << x << "," << y;
        }
    }
}

TEST_F(Mouse, PickedColourShowsInTheColourChoicePanel) {
    MouseMessage(window, WM_LBUTTONUP, 540, 80);
    MouseMessage(window, WM_RBUTTONUP, 560, 290);
    EXPECT_EQ(leftColor, RED);
    EXPECT_EQ(rightColor, TRANSPARENT_MARK);
    EXPECT_TRUE(WindowAreaIs(window, 525, 344, 30, 30, RED));
    EXPECT_TRUE(WindowAreaIs(window, 556, 344, 30, 30, TRANSPARENT_MARK));
}

TEST_F(Mouse, PaintingAt135And27InDot) {
    leftColor = RED;
    MouseMessage(window, WM_LBUTTONDOWN, 135, 27, MK_LBUTTON);
    EXPECT_EQ(Cell(1, 2), 9);
    EXPECT_TRUE(CanvasAreaIs(gridCanvas, 20, 10, 10, 10, RED));
    EXPECT_EQ(CanvasPixel(gridCanvas, 30, 15), WHITE);
    EXPECT_EQ(CanvasPixel(gridCanvas, 25, 20), WHITE);
    EXPECT_TRUE(WindowAreaIs(window, 130, 20, 10, 10, RED));
    int painted = 0;
    for (int v : pixelGrid) painted += v != 15;
    EXPECT_EQ(painted, 1);
}

TEST_F(Mouse, PaintingAt135And27InGridDot) {
    Command(window, ID_GRID);
    leftColor = RED;
    MouseMessage(window, WM_LBUTTONDOWN, 135, 27, MK_LBUTTON);
    EXPECT_EQ(Cell(1, 2), 9);
    EXPECT_TRUE(CanvasAreaIs(gridCanvas, 20, 10, 9, 9, RED));
    // The grid lines keep the backdrop.
    EXPECT_EQ(CanvasPixel(gridCanvas, 29, 15), BLACK);
    EXPECT_EQ(CanvasPixel(gridCanvas, 25, 19), BLACK);
}

TEST_F(Mouse, TransparentPaintHasTheMarkAndDotsInBothStyles) {
    MouseMessage(window, WM_RBUTTONUP, 560, 290);
    ASSERT_EQ(rightColor, TRANSPARENT_MARK);
    MouseMessage(window, WM_RBUTTONDOWN, 135, 27, MK_RBUTTON);
    EXPECT_EQ(Cell(1, 2), TRANSPARENT_INDEX);
    const Pixels dot = Capture(gridCanvas, 20, 10, 10, 10);
    for (int y = 10; y < 20; ++y) {
        for (int x = 20; x < 30; ++x) {
            COLORREF expected = TRANSPARENT_MARK;
            if (x == 23 && y == 13) expected = BLACK;
            if (x == 25 && y == 15) expected = WHITE;
            EXPECT_EQ(dot.At(x, y), expected) << x << "," << y;
        }
    }
    Command(window, ID_GRID);
    MouseMessage(window, WM_RBUTTONDOWN, 155, 47, MK_RBUTTON);
    EXPECT_EQ(Cell(3, 4), TRANSPARENT_INDEX);
    EXPECT_EQ(CanvasPixel(gridCanvas, 40, 30), TRANSPARENT_MARK);
    EXPECT_EQ(CanvasPixel(gridCanvas, 43, 33), BLACK);
    EXPECT_EQ(CanvasPixel(gridCanvas, 45, 35), WHITE);
    EXPECT_EQ(CanvasPixel(gridCanvas, 49, 35), BLACK); // the line after the cell
}

TEST_F(Mouse, DividingRowsAndColumnsPaintNothing) {
    leftColor = RED;
    // In "DOT" the columns 110 + 10k and rows 10 + 10r belong to no cell.
    for (int k : {0, 1, 16, 31, 32}) MouseMessage(window, WM_LBUTTONDOWN, 110 + 10 * k, 27);
    for (int r : {0, 1, 16, 31, 32}) MouseMessage(window, WM_LBUTTONDOWN, 135, 10 + 10 * r);
    for (int v : pixelGrid) ASSERT_EQ(v, 15);
    EXPECT_TRUE(CanvasAreaIs(gridCanvas, 0, 0, 320, 320, WHITE));
    // 119 and 19 + 10r are inside cells in "DOT".
    MouseMessage(window, WM_LBUTTONDOWN, 129, 19);
    EXPECT_EQ(Cell(0, 1), 9);
    pixelGrid[1] = 15;

    // In "GRID_DOT" the columns 119 + 10k and rows 19 + 10r paint nothing too.
    Command(window, ID_GRID);
    for (int k : {0, 1, 16, 31}) {
        MouseMessage(window, WM_LBUTTONDOWN, 110 + 10 * k, 27);
        MouseMessage(window, WM_LBUTTONDOWN, 119 + 10 * k, 27);
    }
    for (int r : {0, 1, 16, 31}) {
        MouseMessage(window, WM_LBUTTONDOWN, 135, 10 + 10 * r);
        MouseMessage(window, WM_LBUTTONDOWN, 135, 19 + 10 * r);
    }
    for (int v : pixelGrid) ASSERT_EQ(v, 15);
    MouseMessage(window, WM_LBUTTONDOWN, 128, 18);
    EXPECT_EQ(Cell(0, 1), 9);
}

TEST_F(Mouse, OutsideTheGridAPressPaintsNothing) {
    leftColor = RED;
    for (auto [x, y] : {std::pair{50, 200}, std::pair{105, 100}, std::pair{540, 80}}) {
        MouseMessage(window, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
    }
    for (int v : pixelGrid) ASSERT_EQ(v, 15);
}

TEST_F(Mouse, LineModeDragPaintsWithTheLeftButtonAlone) {
    Command(window, ID_DRAW_LINE);
    leftColor = RED;
    MouseMessage(window, WM_MOUSEMOVE, 135, 27, MK_LBUTTON);
    EXPECT_EQ(Cell(1, 2), 9);
    // A fast drag leaves the cells between two moves unpainted.
    MouseMessage(window, WM_MOUSEMOVE, 255, 127, MK_LBUTTON);
    EXPECT_EQ(Cell(11, 14), 9);
    int painted = 0;
    for (int v : pixelGrid) painted += v == 9;
    EXPECT_EQ(painted, 2);
    EXPECT_TRUE(CanvasAreaIs(gridCanvas, 140, 110, 10, 10, RED));
}

TEST_F(Mouse, LineModeRightButtonDragPaintsTheRightColour) {
    Command(window, ID_DRAW_LINE);
    rightColor = 0x00FF00;
    MouseMessage(window, WM_MOUSEMOVE, 135, 27, MK_RBUTTON);
    EXPECT_EQ(Cell(1, 2), 10);
}

TEST_F(Mouse, LineModeMovesWithOtherKeysOrBothButtonsPostNothing) {
    Command(window, ID_DRAW_LINE);
    PointAt(window, 135, 27);
    for (WPARAM keys : {WPARAM{MK_LBUTTON | MK_SHIFT}, WPARAM{MK_LBUTTON | MK_CONTROL},
                        WPARAM{MK_LBUTTON | MK_RBUTTON}, WPARAM{MK_RBUTTON | MK_SHIFT}, WPARAM{0},
                        WPARAM{MK_MBUTTON}}) {
        SendMessageA(window, WM_MOUSEMOVE, keys, MAKELPARAM(135, 27));
        EXPECT_FALSE(PressWaiting(window, WM_LBUTTONDOWN)) << keys;
        EXPECT_FALSE(PressWaiting(window, WM_RBUTTONDOWN)) << keys;
        Pump();
    }
    for (int v : pixelGrid) ASSERT_EQ(v, 15);
}

TEST_F(Mouse, MovesPostNothingInPointModeOrOutsideTheGrid) {
    PointAt(window, 135, 27);
    SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(135, 27));
    EXPECT_FALSE(PressWaiting(window, WM_LBUTTONDOWN));
    Command(window, ID_DRAW_LINE);
    for (auto [x, y] :
         {std::pair{110, 27}, std::pair{430, 27}, std::pair{200, 330}, std::pair{50, 50}}) {
        PointAt(window, x, y);
        SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
        EXPECT_FALSE(PressWaiting(window, WM_LBUTTONDOWN)) << x << "," << y;
    }
    Pump();
    for (int v : pixelGrid) ASSERT_EQ(v, 15);
}

TEST_F(Mouse, PostedPressPaintsWhereThePointerIsWhenItIsHandled) {
    Command(window, ID_DRAW_LINE);
    PointAt(window, 135, 27);
    SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(135, 27));
    EXPECT_TRUE(PressWaiting(window, WM_LBUTTONDOWN));
    PointAt(window, 315, 307);
    Pump();
    EXPECT_EQ(Cell(1, 2), 15);
    EXPECT_EQ(Cell(29, 20), 0);
}

TEST_F(Mouse, DoubleClickMessagesPaintNothing) {
    leftColor = RED;
    rightColor = RED;
    MouseMessage(window, WM_LBUTTONDBLCLK, 135, 27, MK_LBUTTON);
    MouseMessage(window, WM_RBUTTONDBLCLK, 135, 27, MK_RBUTTON);
    for (int v : pixelGrid) ASSERT_EQ(v, 15);
}

// A real double click from the input system: the second press arrives as a
// double click and paints nothing, so the cell keeps the first press's colour.
TEST_F(Mouse, RealDoubleClickPaintsOnlyWithTheFirstPress) {
    PointAt(window, 135, 27);
    Pump();
    INPUT click[2] = {};
    click[0].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].type = INPUT_MOUSE;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    leftColor = BLACK;
    ASSERT_EQ(SendInput(2, click, sizeof(INPUT)), 2u);
    Pump();
    ASSERT_EQ(Cell(1, 2), 0);
    leftColor = RED;
    ASSERT_EQ(SendInput(2, click, sizeof(INPUT)), 2u);
    Pump();
    EXPECT_EQ(Cell(1, 2), 0);
    EXPECT_TRUE(CanvasAreaIs(gridCanvas, 20, 10, 10, 10, BLACK));
    // A third press, after the double-click time, paints again.
    Sleep(GetDoubleClickTime() + 100);
    ASSERT_EQ(SendInput(2, click, sizeof(INPUT)), 2u);
    Pump();
    EXPECT_EQ(Cell(1, 2), 9);
}

TEST_F(Mouse, AClickOnACellPaintsAndPicksNothing) {
    leftColor = RED;
    LeftClick(window, 135, 27);
    EXPECT_EQ(Cell(1, 2), 9);
    EXPECT_EQ(leftColor, RED);
    // A click on a swatch paints nothing and picks.
    LeftClick(window, 571, 22);
    EXPECT_EQ(leftColor, BLACK);
    int painted = 0;
    for (int v : pixelGrid) painted += v != 15;
    EXPECT_EQ(painted, 1);
}

} // namespace
