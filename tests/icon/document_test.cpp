// The document: standard palette, screen colours of cells and swatches, and
// the lookups from a screen colour back to a cell value.
#include "icon/document.h"
#include "tests/support/icon_files.h"

#include <gtest/gtest.h>

namespace {

// Entry 1 pure green and entry 4 black; the rest standard.
Palette OwnPalette() {
    Palette pal = StandardPalette();
    pal[3] = 0, pal[4] = 255, pal[5] = 0;
    pal[12] = 0, pal[13] = 0, pal[14] = 0;
    return pal;
}

TEST(StandardPalette, HoldsTheSixteenColoursAsBlueGreenRed) {
    const Palette pal = StandardPalette();
    const int expected[16][3] = {{0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
                                 {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {128, 128, 128},
                                 {192, 192, 192}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
                                 {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};
    for (int k = 0; k < 16; ++k) {
        for (int channel = 0; channel < 3; ++channel)
            EXPECT_EQ(pal[3 * k + channel], expected[k][channel]) << "entry " << k;
    }
}

TEST(StandardPalette, OverwritesAnyPreviousPalette) {
    Palette pal{};
    pal.fill(-7);
    EXPECT_EQ(LoadStandardPalette(pal), 0);
    EXPECT_EQ(pal, StandardPalette());
}

TEST(FillPixelGrid, SetsEveryCellToAnyValue) {
    PixelGrid grid{};
    for (int value : {15, 16, 0, -3, 1000}) {
        EXPECT_EQ(FillPixelGrid(grid, value), 0);
        for (int i = 0; i < CELL_COUNT; ++i) ASSERT_EQ(grid[i], value) << "cell " << i;
    }
}

TEST(FindPaletteIndex, LooksUpTheFixedStandardColours) {
    EXPECT_EQ(FindPaletteIndex(0x000000), 0);
    EXPECT_EQ(FindPaletteIndex(0x000080), 1);
    EXPECT_EQ(FindPaletteIndex(0x800000), 4);
    EXPECT_EQ(FindPaletteIndex(0x0000FF), 9);
    EXPECT_EQ(FindPaletteIndex(0xFF0000), 12);
    EXPECT_EQ(FindPaletteIndex(0xC0C0C0), 8);
    EXPECT_EQ(FindPaletteIndex(0xFFFFFF), 15);
    EXPECT_EQ(FindPaletteIndex(TRANSPARENT_MARK), 16);
    EXPECT_EQ(FindPaletteIndex(0x000001), 16);   // one bit off black
    EXPECT_EQ(FindPaletteIndex(0x01000000), 16); // a high byte set is another colour
    for (int v = 0; v < 16; ++v) EXPECT_EQ(FindPaletteIndex(STANDARD_COLORS[v]), v);
}

TEST(DisplayPalette, StandardSlotsAreTheListedColours) {
    DisplayPalette out{};
    EXPECT_EQ(ArrangeDisplayPalette(out, StandardPalette()), 0);
    const DisplayPalette expected = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                     0x008080, 0x808080, 0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00,
                                     0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    EXPECT_EQ(out, expected);
}

TEST(DisplayPalette, EachSlotShowsTheEntryItPaints) {
    // Whatever the palette, slot k shows the colour that value CELL_ENTRY_ORDER[k] is drawn in,
    // and picking that colour paints that value back (when the colour is unique in the palette).
    for (const Palette& pal : {StandardPalette(), OwnPalette()}) {
        DisplayPalette out{};
        ArrangeDisplayPalette(out, pal);
        for (int k = 0; k < 16; ++k) {
            EXPECT_EQ(out[k], CellScreenColor(pal, CELL_ENTRY_ORDER[k])) << "slot " << k;
        }
    }
    Palette distinct{};
    for (int k = 0; k < 16; ++k)
        distinct[3 * k] = 10 * k, distinct[3 * k + 1] = 1, distinct[3 * k + 2] = 2;
    DisplayPalette out{};
    ArrangeDisplayPalette(out, distinct);
    for (int k = 0; k < 16; ++k) EXPECT_EQ(FindCellValue(out[k], distinct), CELL_ENTRY_ORDER[k]);
}

TEST(DisplayPalette, SwatchColumnsMatchTheirPaintedValues) {
    // Left column slots 15, 8, 12, 9, 14, 10, 13, 11; right 0, 7, 4, 1, 6, 2, 5, 3.
    DisplayPalette out{};
    ArrangeDisplayPalette(out, StandardPalette());
    const int slots[16] = {15, 8, 12, 9, 14, 10, 13, 11, 0, 7, 4, 1, 6, 2, 5, 3};
    const int painted[16] = {15, 8, 9, 12, 11, 10, 13, 14, 0, 7, 1, 4, 3, 2, 5, 6};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(FindPaletteIndex(out[slots[i]]), painted[i]) << "slot " << slots[i];
        EXPECT_EQ(FindCellValue(out[slots[i]], StandardPalette()), painted[i]);
    }
}

TEST(ScreenColours, AreTrueColoursRedGreenBlue) {
    Palette pal{};
    pal[3 * 5] = 0x12, pal[3 * 5 + 1] = 0x34, pal[3 * 5 + 2] = 0x56; // blue, green, red
    EXPECT_EQ(EntryScreenColor(pal, 5), 0x123456u);                  // 0x00BBGGRR
    EXPECT_EQ(CellScreenColor(pal, 5), 0x123456u);
    pal[0] = 0x1FF, pal[1] = -1, pal[2] = 0x100; // only the low eight bits count
    EXPECT_EQ(EntryScreenColor(pal, 0), 0xFFFF00u);
}

TEST(ScreenColours, StandardPaletteShowsEveryValueAsItsStandardColour) {
    const Palette pal = StandardPalette();
    for (int v = 0; v < 16; ++v) {
        EXPECT_EQ(CellScreenColor(pal, v), STANDARD_COLORS[v]) << "value " << v;
        EXPECT_EQ(FindPaletteIndex(CellScreenColor(pal, v)), v);
    }
}

TEST(ScreenColours, OwnPaletteShowsItsOwnColours) {
    const Palette pal = OwnPalette();
    EXPECT_EQ(CellScreenColor(pal, 1), 0x00FF00u); // pure green
    EXPECT_EQ(CellScreenColor(pal, 4), 0x000000u); // black
    DisplayPalette out{};
    ArrangeDisplayPalette(out, pal);
    EXPECT_EQ(out[4], 0x00FF00u); // the swatch that paints 1
    EXPECT_EQ(out[1], 0x000000u); // the swatch that paints 4
}

TEST(FindCellValue, EqualsTheFixedLookupForTheStandardPalette) {
    const Palette pal = StandardPalette();
    for (ScreenColor color : STANDARD_COLORS)
        EXPECT_EQ(FindCellValue(color, pal), FindPaletteIndex(color));
    for (ScreenColor color : {TRANSPARENT_MARK, ScreenColor{0x000001}, ScreenColor{0x123456}})
        EXPECT_EQ(FindCellValue(color, pal), FindPaletteIndex(color));
}

TEST(FindCellValue, UsesThePaletteForOwnColours) {
    const Palette pal = OwnPalette();
    EXPECT_EQ(FindCellValue(0x00FF00, pal), 1);  // entry 10 is green too: the lowest value wins
    EXPECT_EQ(FindCellValue(0x000000, pal), 0);  // entry 0 is black before entry 4
    EXPECT_EQ(FindCellValue(0x800000, pal), 16); // the old dark blue is no longer in it
    EXPECT_EQ(FindCellValue(0x0000FF, pal), 9);
}

TEST(FindCellValue, TransparentMarkStaysTransparentEvenWhenAnEntryHasItsColour) {
    Palette pal = StandardPalette();
    pal[3 * 2] = 100, pal[3 * 2 + 1] = 100, pal[3 * 2 + 2] = 200; // entry 2 is 0x6464C8 on screen
    EXPECT_EQ(CellScreenColor(pal, 2), TRANSPARENT_MARK);
    EXPECT_EQ(FindCellValue(TRANSPARENT_MARK, pal), TRANSPARENT_INDEX);
}

} // namespace
