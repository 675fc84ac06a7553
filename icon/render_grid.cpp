#include "icon/render_grid.h"

#include "toolkit/draw/shapes.h"
#include "toolkit/draw/target.h"

#include <array>
#include <cstring>

namespace {

struct GridLook {
    int gap = 2;       // added to the block edges: 2 makes zoomed blocks overlap
    int gridLines = 0; // 1 leaves a line of the old canvas after every cell
    int showDots = 0;  // transparent cells carry a black and a white dot
    int maskMode = 0;  // opaque cells black, transparent cells background
};

GridLook LookOfStyle(const char* style) {
    GridLook look;
    if (std::strcmp(style, "GRID") == 0) {
        look.gap = 0;
        look.gridLines = 1;
    } else if (std::strcmp(style, "DOT") == 0) {
        look.showDots = 1;
    } else if (std::strcmp(style, "GRID_DOT") == 0) {
        look.gap = 0;
        look.gridLines = 1;
        look.showDots = 1;
    } else if (std::strcmp(style, "MASK") == 0) {
        look.maskMode = 1;
    }
    return look;
}

// The colour a transparent cell takes. A transparent cell keeps a colour nibble
// in the file, v - 16 (0 for 16), and Windows draws it by inverting the
// background with that entry's colour: no change only where the entry is black,
// as entry 0 of the standard palette is. The edit-grid styles and the mask show
// it as plainly transparent instead.
COLORREF TransparentCellColor(int value, const Palette& pal, COLORREF background,
                              const GridLook& look) {
    const bool plainView = !look.showDots && !look.gridLines && !look.maskMode;
    if (plainView && value >= TRANSPARENT_INDEX && value < TRANSPARENT_INDEX + PALETTE_ENTRIES) {
        return background ^ CellScreenColor(pal, value - TRANSPARENT_INDEX);
    }
    return background;
}

} // namespace

int RenderPixelGrid(HWND window, int x0, int y0, float scale, const PixelGrid& grid,
                    const Palette& pal, COLORREF background, const char* style) {
    std::array<COLORREF, PALETTE_ENTRIES> cellColors;
    for (int v = 0; v < PALETTE_ENTRIES; ++v) cellColors[v] = CellScreenColor(pal, v);
    const GridLook look = LookOfStyle(style);
    const float c = scale / 32.0f;
    const int w1 = static_cast<int>(c - 1.0f + static_cast<float>(look.gap));
    const int w2 = static_cast<int>(c - 2.0f + static_cast<float>(look.gap + look.gridLines));
    auto cellX = [&](int k) { return static_cast<int>(static_cast<float>(x0) + k * c); };
    auto cellY = [&](int r) { return static_cast<int>(static_cast<float>(y0) + r * c); };

    // Colour pass, column by column: opaque cells only.
    for (int k = 0; k < GRID_CELLS; ++k) {
        for (int r = 0; r < GRID_CELLS; ++r) {
            const int v = grid[r * GRID_CELLS + k];
            if (v < 0 || v >= PALETTE_ENTRIES) continue;
            if (scale > 32.0f) {
                rk_FilledRect_1(window, cellX(k), cellY(r), w1, w1, cellColors[v]);
            } else {
                rk_SetPixel_1(window, cellX(k), cellY(r), cellColors[v]);
            }
        }
    }

    // Transparency and mask pass, row by row, so that a transparent cell is drawn
    // after the overlapping mask blocks of its neighbours above and to the left.
    for (int r = 0; r < GRID_CELLS; ++r) {
        for (int k = 0; k < GRID_CELLS; ++k) {
            const int v = grid[r * GRID_CELLS + k];
            const int x = cellX(k);
            const int y = cellY(r);
            if (v >= TRANSPARENT_INDEX) {
                const COLORREF color = TransparentCellColor(v, pal, background, look);
                if (scale > 32.0f) rk_FilledRect_1(window, x, y, w2, w2, color);
                if (scale < 33.0f) rk_SetPixel_1(window, x, y, color);
                if (look.showDots) {
                    rk_SetPixel_1(window, static_cast<int>(x0 + k * c + c / 3.0f),
                                  static_cast<int>(y0 + r * c + c / 3.0f), 0x000000);
                    rk_SetPixel_1(window, static_cast<int>(x0 + k * c + c / 2.0f),
                                  static_cast<int>(y0 + r * c + c / 2.0f), 0xFFFFFF);
                }
            } else if (look.maskMode) {
                rk_FilledRect_1(window, x, y, w1, w1, 0x000000);
            }
        }
    }
    return 0;
}
