// The shaded frame: a raised outer and a sunken inner outline with a band between.
#include "toolkit/draw/shapes.h"

#include "toolkit/draw/stroke.h"
#include "toolkit/draw/target_dc.h"

#include <cstring>

namespace {

struct Segment {
    int x1, y1, x2, y2;
};

void DrawSegments(HDC dc, COLORREF color, const Segment* segments, int count) {
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    HGDIOBJ previous = SelectObject(dc, pen);
    for (int i = 0; i < count; ++i) {
        MoveToEx(dc, segments[i].x1, segments[i].y1, nullptr);
        LineTo(dc, segments[i].x2, segments[i].y2);
    }
    SelectObject(dc, previous);
    DeleteObject(pen);
}

} // namespace

int rk_Frame3D_1(HWND window, int x, int y, int width, int height, const char* style,
                 int thickness) {
    TargetDc target = rk_BeginTargetDc_1(window);

    // Byte for byte: lstrcmpA would let "LOW\xADER" (a soft hyphen) pass as "LOWER".
    const bool lower = style != nullptr && std::strcmp(style, "LOWER") == 0;
    const COLORREF light = rk_Grey_1(lower ? 0 : 255);
    const COLORREF dark = rk_Grey_1(lower ? 255 : 0);
    const int t = thickness;
    // The top strokes are drawn in two pieces split at x + t + q. Below a width
    // of 20 (q = 0) the second inner piece starts one column left of the inner
    // left stroke.
    const int q = width / 20;

    const Segment darkStrokes[] = {
        {x + t + 1, y + t + 1, x + t + q, y + t + 1},       // inner top, first piece
        {x + t + q, y + t + 1, x + width - t, y + t + 1},   // inner top, second piece
        {x, y + height + 1, x + width + 1, y + height + 1}, // outer bottom
        {x + width, y, x + width, y + height + 1},          // outer right
        {x + t + 1, y + t + 1, x + t + 1, y + height - t},  // inner left
    };
    const Segment lightStrokes[] = {
        {x, y, x + t + q, y},                                       // outer top, first piece
        {x + t + q, y, x + width, y},                               // outer top, second piece
        {x + t + 1, y + height - t, x + width - t, y + height - t}, // inner bottom
        {x + width - 1 - t, y + t + 1, x + width - 1 - t, y + height - t}, // inner right
        {x, y, x, y + height + 1},                                         // outer left
    };
    DrawSegments(target.dc, dark, darkStrokes, 5);
    DrawSegments(target.dc, light, lightStrokes, 5);

    rk_EndTargetDc_1(target);
    return 0;
}
