// Solid filled rectangles: the swatches and the cells of the zoomed grid.
#include "toolkit/draw/shapes.h"

#include "toolkit/draw/target_dc.h"

int rk_FilledRect_1(HWND window, int x, int y, int width, int height, COLORREF color) {
    TargetDc target = rk_BeginTargetDc_1(window);
    HBRUSH brush = CreateSolidBrush(color);
    const RECT area{x, y, x + width, y + height};
    FillRect(target.dc, &area, brush);
    DeleteObject(brush);
    rk_EndTargetDc_1(target);
    return 0;
}
