// Text at a point, in a colour and font, with or without a background box.
#include "toolkit/draw/text.h"

#include "toolkit/draw/target_dc.h"

int rk_TextOut_1(HWND window, int x, int y, const char* text, COLORREF textColor, HFONT font,
                 COLORREF background) {
    TargetDc target = rk_BeginTargetDc_1(window);

    SetTextColor(target.dc, textColor);
    // Any non-null handle is a font, whatever its sign as a 32-bit number.
    if (font != nullptr) SelectObject(target.dc, font);
    // 0 always means no box: a black background cannot be asked for.
    if (background != 0) {
        SetBkColor(target.dc, background);
    } else {
        SetBkMode(target.dc, TRANSPARENT);
    }
    if (text != nullptr) TextOutA(target.dc, x, y, text, lstrlenA(text));
    // A canvas keeps its settings, so leave it in the state later calls expect.
    SelectObject(target.dc, GetStockObject(SYSTEM_FONT));
    SetBkMode(target.dc, OPAQUE);

    rk_EndTargetDc_1(target);
    return 0;
}
