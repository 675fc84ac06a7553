// Rendering the document into a canvas of the test's own, pixel by pixel.
#include "app/editor_state.h"
#include "icon/document.h"
#include "icon/paint_cell.h"
#include "icon/render_grid.h"
#include "tests/app/editor_harness.h"
#include "tests/support/icon_files.h"
#include "toolkit/draw/target.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF UNTOUCHED = 0x123456;

class Render : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        canvas = rk_CreateCanvas_1(window, 340, 340, UNTOUCHED);
        ASSERT_NE(canvas, nullptr);
    }
    void TearDown() override {
        rk_ReleaseCanvas_1(canvas);
        EditorTest::TearDown();
    }
    Pixels Draw(const PixelGrid& grid, const Palette& pal, int x0, int y0, float scale,
                COLORREF background, const char* style) {
        rk_DrawTarget_1(window, "MEMORY");
        rk_SelectCanvas_1(canvas);
        EXPECT_EQ(RenderPixelGrid(window, x0, y0, scale, grid, pal, background, style), 0);
        rk_DrawTarget_1(window, "CLIENT");
        return Capture(canvas, 0, 0, 340, 340);
    }
    HDC canvas = nullptr;
};

TEST_F(Render, WhiteGridInDotJoinsTheBlocksAndReachesOnePixelFurther) {
    const Pixels p = Draw(FilledGrid(15), StandardPalette(), 0, 0, 320.0f, TRANSPARENT_MARK, "DOT");
    for (int y = 0; y <= 320; ++y) {
        for (int x = 0; x <= 320; ++x) ASSERT_EQ(p.At(x, y), WHITE) << x << "," << y;
    }
    EXPECT_EQ(p.At(321, 100), UNTOUCHED);
    EXPECT_EQ(p.At(100, 321), UNTOUCHED);
}

TEST_F(Render, GridDotLeavesEveryTenthColumnAndRowUntouched) {
    const Pixels p =
        Draw(FilledGrid(15), StandardPalette(), 0, 0, 320.0f, TRANSPARENT_MARK, "GRID_DOT");
    for (int y = 0; y < 320; ++y) {
        for (int x = 0; x < 320; ++x) {
            const bool line = x % 10 == 9 || y % 10 == 9;
            ASSERT_EQ(p.At(x, y), line ? UNTOUCHED : WHITE) << x << "," << y;
        }
    }
}

TEST_F(Render, TransparentCellAtScale320HasTheMarkAndTwoDots) {
    PixelGrid grid = FilledGrid(15);
    grid[2 * 32 + 3] = TRANSPARENT_INDEX;
    const Pixels p = Draw(grid, StandardPalette(), 0, 0, 320.0f, TRANSPARENT_MARK, "DOT");
    for (int y = 20; y < 30; ++y) {
        for (int x = 30; x < 40; ++x) {
            COLORREF expected = TRANSPARENT_MARK;
            if (x == 33 && y == 23) expected = BLACK;
            if (x == 35 && y == 25) expected = WHITE;
            EXPECT_EQ(p.At(x, y), expected) << x << "," << y;
        }
    }
    EXPECT_EQ(p.At(40, 25), WHITE);
}

TEST_F(Render, GridStyleDrawsNineByNineBlocksAndNoDots) {
    PixelGrid grid = FilledGrid(9);
    grid[0] = TRANSPARENT_INDEX;
    const Pixels p = Draw(grid, StandardPalette(), 0, 0, 320.0f, TRANSPARENT_MARK, "GRID");
    EXPECT_EQ(p.At(3, 3), TRANSPARENT_MARK);
    EXPECT_EQ(p.At(5, 5), TRANSPARENT_MARK);
    EXPECT_EQ(p.At(9, 5), UNTOUCHED);
    EXPECT_EQ(p.At(15, 15), 0x0000FFu);
}

TEST_F(Render, TransparentCellAtActualSizeTakesTheBackgroundWithoutDots) {
    PixelGrid grid = FilledGrid(15);
    grid[2 * 32 + 3] = TRANSPARENT_INDEX;
    const Pixels p = Draw(grid, StandardPalette(), 9, 9, 32.0f, BLACK, "NO_STYLE");
    EXPECT_EQ(p.At(12, 11), BLACK);
    EXPECT_EQ(p.At(13, 11), WHITE);
    EXPECT_EQ(p.At(9, 9), WHITE);
    EXPECT_EQ(p.At(40, 40), WHITE);
    EXPECT_EQ(p.At(41, 40), UNTOUCHED);
    EXPECT_EQ(p.At(8, 9), UNTOUCHED);
}

TEST_F(Render, MaskIsOnePixelPerCellWhateverTheNeighbours) {
    PixelGrid grid;
    for (int i = 0; i < CELL_COUNT; ++i) {
        const int r = i / 32;
        const int c = i % 32;
        grid[i] = (r * 7 + c * 3) % 5 == 0 ? TRANSPARENT_INDEX : (r + c) % 16;
    }
    const Pixels p = Draw(grid, StandardPalette(), 0, 0, 32.0f, GREY, "MASK");
    for (int r = 0; r < 32; ++r) {
        for (int c = 0; c < 32; ++c) {
            const COLORREF expected = grid[r * 32 + c] == TRANSPARENT_INDEX ? GREY : BLACK;
            ASSERT_EQ(p.At(c, r), expected) << r << "," << c;
        }
    }
}

TEST_F(Render, EveryValueIsShownInItsEntrysTrueColour) {
    Palette own;
    for (int k = 0; k < PALETTE_ENTRIES; ++k) {
        own[3 * k] = 255 - 13 * k;
        own[3 * k + 1] = 7 * k;
        own[3 * k + 2] = 16 * k;
    }
    PixelGrid grid;
    for (int i = 0; i < CELL_COUNT; ++i) grid[i] = i % 16;
    const Pixels zoomed = Draw(grid, own, 0, 0, 320.0f, TRANSPARENT_MARK, "DOT");
    const Pixels actual = Draw(grid, own, 0, 0, 32.0f, GREY, "NO_STYLE");
    for (int v = 0; v < 16; ++v) {
        const COLORREF color = RGB(16 * v, 7 * v, 255 - 13 * v);
        EXPECT_EQ(zoomed.At(10 * v + 5, 5), color) << v;
        EXPECT_EQ(actual.At(v, 0), color) << v;
    }
    // With the standard palette, each value shows its standard colour.
    const Pixels standard = Draw(grid, StandardPalette(), 0, 0, 32.0f, GREY, "NO_STYLE");
    for (int v = 0; v < 16; ++v) EXPECT_EQ(standard.At(v, 0), STANDARD_COLORS[v]) << v;
}

TEST_F(Render, KeptColourCellsLookTransparentInTheGridAndInvertInThePreviews) {
    PixelGrid grid = FilledGrid(15);
    for (int v = 17; v <= 31; ++v) grid[v - 17] = v; // row 0, columns 0..14
    Palette own = StandardPalette();
    own[3 * 4] = 10; // entry 4: blue 10, green 20, red 30
    own[3 * 4 + 1] = 20;
    own[3 * 4 + 2] = 30;
    for (const char* style : {"DOT", "GRID_DOT"}) {
        const Pixels p = Draw(grid, own, 0, 0, 320.0f, TRANSPARENT_MARK, style);
        for (int k = 0; k < 15; ++k) {
            EXPECT_EQ(p.At(10 * k + 1, 1), TRANSPARENT_MARK) << style << k;
            EXPECT_EQ(p.At(10 * k + 3, 3), BLACK) << style << k;
            EXPECT_EQ(p.At(10 * k + 5, 5), WHITE) << style << k;
        }
    }
    for (COLORREF background : {GREY, BLACK, WHITE}) {
        const Pixels p = Draw(grid, own, 9, 9, 32.0f, background, "NO_STYLE");
        for (int k = 0; k < 15; ++k) {
            EXPECT_EQ(p.At(9 + k, 9), background ^ CellScreenColor(own, k + 1)) << k;
        }
        EXPECT_EQ(p.At(9 + 3, 9), background ^ RGB(30, 20, 10));
    }
    const Pixels mask = Draw(grid, own, 0, 0, 32.0f, GREY, "MASK");
    for (int k = 0; k < 15; ++k) EXPECT_EQ(mask.At(k, 0), GREY) << k;
    EXPECT_EQ(mask.At(15, 0), BLACK);
}

TEST_F(Render, PaintCellAtPointerPaintsOneCellInTheCanvasOwnCoordinates) {
    rk_DrawTarget_1(window, "MEMORY");
    rk_SelectCanvas_1(canvas);
    PointAt(window, 135, 27);
    PixelGrid grid = FilledGrid(15);
    PaintCellAtPointer(window, 110, 10, 320, grid, 0x0000FF, "DOT");
    EXPECT_EQ(grid[1 * 32 + 2], 9);
    EXPECT_TRUE(CanvasAreaIs(canvas, 20, 10, 10, 10, 0x0000FF));
    EXPECT_EQ(CanvasPixel(canvas, 30, 15), UNTOUCHED);
    PaintCellAtPointer(window, 110, 10, 320, grid, TRANSPARENT_MARK, "DOT");
    EXPECT_EQ(grid[1 * 32 + 2], TRANSPARENT_INDEX);
    EXPECT_EQ(CanvasPixel(canvas, 23, 13), BLACK);
    EXPECT_EQ(CanvasPixel(canvas, 25, 15), WHITE);
    EXPECT_EQ(CanvasPixel(canvas, 29, 19), TRANSPARENT_MARK);
    // A style outside the table: 10 x 10 blocks without dots.
    PaintCellAtPointer(window, 110, 10, 320, grid, TRANSPARENT_MARK, "MASK");
    EXPECT_EQ(CanvasPixel(canvas, 23, 13), TRANSPARENT_MARK);
    // On the dividing column nothing is painted.
    PointAt(window, 120, 27);
    grid = FilledGrid(15);
    PaintCellAtPointer(window, 110, 10, 320, grid, 0x0000FF, "GRID_DOT");
    for (int v : grid) ASSERT_EQ(v, 15);
    rk_DrawTarget_1(window, "CLIENT");
}

// The cell whose w x w rectangle at 110 + 10k, 10 + 10r holds (px, py) strictly;
// -1 when none does.
int CellUnder(int px, int py, int w) {
    for (int r = 0; r < 32; ++r) {
        for (int k = 0; k < 32; ++k) {
            const int x = 110 + 10 * k;
            const int y = 10 + 10 * r;
            if (x < px && px < x + w && y < py && py < y + w) return r * 32 + k;
        }
    }
    return -1;
}

TEST_F(Render, PaintCellAtPointerPaintsTheCellStrictlyAroundThePointer) {
    rk_DrawTarget_1(window, "MEMORY");
    rk_SelectCanvas_1(canvas);
    for (auto [style, w] : {std::pair{"DOT", 10}, std::pair{"GRID_DOT", 9}}) {
        // Across the grid's edges and its first and last cells, along a row, a
        // column and a diagonal.
        for (int i = 100; i <= 440; i = i == 160 ? 390 : i + 1) {
            for (auto [px, py] : {std::pair{i, 27}, std::pair{135, i - 95}, std::pair{i, i - 95}}) {
                PointAt(window, px, py);
                PixelGrid grid = FilledGrid(15);
                PaintCellAtPointer(window, 110, 10, 320, grid, 0x0000FF, style);
                const int expected = CellUnder(px, py, w);
                for (int cell = 0; cell < CELL_COUNT; ++cell) {
                    ASSERT_EQ(grid[cell], cell == expected ? 9 : 15)
                        << style << " at " << px << "," << py << " cell " << cell;
                }
            }
        }
    }
    rk_DrawTarget_1(window, "CLIENT");
}

} // namespace
