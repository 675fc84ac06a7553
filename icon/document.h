// The document: one 32 x 32, 16-colour icon image and its palette.
#pragma once

#include <array>
#include <cstdint>

// A screen colour, 0x00BBGGRR, as Win32's COLORREF. The icon core does not
// include <windows.h>, so it has its own name for it.
using ScreenColor = std::uint32_t;

constexpr int GRID_CELLS = 32;                      // cells per row and per column
constexpr int CELL_COUNT = GRID_CELLS * GRID_CELLS; // 1024
constexpr int PALETTE_ENTRIES = 16;

// Row-major, row 0 at the top: 0..15 palette value, 16 transparent,
// 17..31 transparent that keeps colour nibble v - 16 (only from files).
using PixelGrid = std::array<std::int32_t, CELL_COUNT>;
// 16 entries of blue, green, red (0..255), in the file's order.
using Palette = std::array<std::int32_t, PALETTE_ENTRIES * 3>;
using DisplayPalette = std::array<ScreenColor, PALETTE_ENTRIES>;

constexpr int TRANSPARENT_INDEX = 16;
constexpr ScreenColor TRANSPARENT_MARK = 0x6464C8;

// STANDARD_COLORS[v] is the screen colour that stands for cell value v.
constexpr std::array<ScreenColor, PALETTE_ENTRIES> STANDARD_COLORS = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

// Swatch slot k paints the value CELL_ENTRY_ORDER[k]; the table is its own inverse.
constexpr std::array<int, PALETTE_ENTRIES> CELL_ENTRY_ORDER = {0, 4,  2,  6,  1, 5,  3,  7,
                                                               8, 12, 10, 14, 9, 13, 11, 15};

extern PixelGrid pixelGrid;
extern Palette palette;
extern DisplayPalette displayPalette;

int FillPixelGrid(PixelGrid& grid, int value);
int LoadStandardPalette(Palette& pal);
// Fixed lookup in STANDARD_COLORS; 16 for any other colour.
int FindPaletteIndex(ScreenColor color);
// out[k] = screen colour of entry CELL_ENTRY_ORDER[k].
int ArrangeDisplayPalette(DisplayPalette& out, const Palette& pal);

// True colour of palette entry k: red | green << 8 | blue << 16.
ScreenColor EntryScreenColor(const Palette& pal, int entry);
// Screen colour of cell value v in 0..15: that of entry v.
ScreenColor CellScreenColor(const Palette& pal, int value);
// The value that painting with color stores: 16 for TRANSPARENT_MARK, else the
// lowest v whose screen colour in pal is color, else 16.
int FindCellValue(ScreenColor color, const Palette& pal);
