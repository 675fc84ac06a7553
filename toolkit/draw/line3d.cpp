// The shaded separator line: up to four parallel strokes in fixed greys.
#include "toolkit/draw/shapes.h"

#include "toolkit/draw/stroke.h"
#include "toolkit/draw/target_dc.h"

#include <array>
#include <cstring>

int rk_Line3D_1(HWND window, int x, int y, int length, const char* direction, const char* style,
                int thickness) {
    TargetDc target = rk_BeginTargetDc_1(window);

    // Byte for byte: lstrcmpA would let "LOW\xADER" (a soft hyphen) pass as "LOWER".
    const bool lower = style != nullptr && std::strcmp(style, "LOWER") == 0;
    const std::array<int, 4> levels =
        lower ? std::array<int, 4>{0, 130, 170, 255} : std::array<int, 4>{255, 170, 130, 0};
    // Offsets across the line of the four strokes; the middle two only when thick.
    const std::array<int, 4> offsets{0, 1, thickness, thickness + 1};

    const bool right = direction != nullptr && std::strcmp(direction, "RIGHT") == 0;
    const bool down = direction != nullptr && std::strcmp(direction, "DOWN") == 0;
    if (right || down) {
        for (int i = 0; i < 4; ++i) {
            if ((i == 1 || i == 2) && thickness <= 1) continue;
            const COLORREF color = rk_Grey_1(levels[i]);
            if (right) {
                rk_Stroke_1(target.dc, color, x, y + offsets[i], x + length, y + offsets[i]);
            } else {
                rk_Stroke_1(target.dc, color, x + offsets[i], y, x + offsets[i], y + length);
            }
        }
    }

    rk_EndTargetDc_1(target);
    return 0;
}
