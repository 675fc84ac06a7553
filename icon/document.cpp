#include "icon/document.h"

PixelGrid pixelGrid{};
Palette palette{};
DisplayPalette displayPalette{};

namespace {

// Blue, green, red of each entry, as an icon file stores them.
// clang-format off
constexpr Palette STANDARD_PALETTE = {
    0,   0,   0,    // black
    0,   0,   128,  // dark red
    0,   128, 0,    // dark green
    0,   128, 128,  // olive
    128, 0,   0,    // dark blue
    128, 0,   128,  // purple
    128, 128, 0,    // teal
    128, 128, 128,  // grey
    192, 192, 192,  // light grey
    0,   0,   255,  // red
    0,   255, 0,    // green
    0,   255, 255,  // yellow
    255, 0,   0,    // blue
    255, 0,   255,  // magenta
    255, 255, 0,    // cyan
    255, 255, 255,  // white
};
// clang-format on

} // namespace

int FillPixelGrid(PixelGrid& grid, int value) {
    grid.fill(value);
    return 0;
}

int LoadStandardPalette(Palette& pal) {
    pal = STANDARD_PALETTE;
    return 0;
}

int FindPaletteIndex(ScreenColor color) {
    for (int v = 0; v < PALETTE_ENTRIES; ++v) {
        if (STANDARD_COLORS[v] == color) return v;
    }
    return TRANSPARENT_INDEX;
}

ScreenColor EntryScreenColor(const Palette& pal, int entry) {
    // Only the low eight bits of each channel count, as in a file.
    const ScreenColor blue = static_cast<ScreenColor>(pal[entry * 3]) & 0xFF;
    const ScreenColor green = static_cast<ScreenColor>(pal[entry * 3 + 1]) & 0xFF;
    const ScreenColor red = static_cast<ScreenColor>(pal[entry * 3 + 2]) & 0xFF;
    return red | green << 8 | blue << 16;
}

ScreenColor CellScreenColor(const Palette& pal, int value) {
    return EntryScreenColor(pal, value);
}

int ArrangeDisplayPalette(DisplayPalette& out, const Palette& pal) {
    for (int k = 0; k < PALETTE_ENTRIES; ++k) out[k] = EntryScreenColor(pal, CELL_ENTRY_ORDER[k]);
    return 0;
}

int FindCellValue(ScreenColor color, const Palette& pal) {
    // The transparent swatch stays transparent even if an entry has its colour.
    if (color == TRANSPARENT_MARK) return TRANSPARENT_INDEX;
    for (int v = 0; v < PALETTE_ENTRIES; ++v) {
        if (CellScreenColor(pal, v) == color) return v;
    }
    return TRANSPARENT_INDEX;
}
