// How long the drawing toolkit takes under Wine: filling a canvas, and each kind of
// call on the window when no repaint is pending. Prints, asserts nothing.
#include "bench/figures.h"
#include "tests/support/harness.h"
#include "toolkit/draw/shapes.h"
#include "toolkit/draw/target.h"
#include "toolkit/draw/text.h"

int main() {
    HWND window = CreateWindowExA(0, "STATIC", "draw bench", WS_POPUP | WS_VISIBLE, 20, 20, 600,
                                  410, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    Pump();
    HDC canvas = rk_CreateCanvas_1(window, 320, 320, 0xFFFFFF);
    rk_DrawTarget_1(window, "MEMORY");
    rk_SelectCanvas_1(canvas);
    // The zoomed grid's 32 x 32 cells of 10 pixels, as the editor renders them.
    const auto fill = [&] {
        for (int i = 0; i < 1024; ++i)
            rk_FilledRect_1(window, i % 32 * 10, i / 32 * 10, 10, 10, RGB(i % 256, 0, 0));
    };
    Report("1024 rk_FilledRect_1 into a canvas", Time(200, fill));
    rk_DrawTarget_1(window, "CLIENT");

    HFONT font = rk_CreateFont_1(12, 6, 0, 100, 0, 0, "ARIAL");
    const auto text = [&] { rk_TextOut_1(window, 10, 115, "Vald image", 0, font, 0xC0C0C0); };
    const auto frame = [&] { rk_Frame3D_1(window, 100, 0, 340, 338, "UPPER", 8); };
    const auto rect = [&] { rk_FilledRect_1(window, 525, 5, 30, 30, 0xFF); };
    const auto blit = [&] { rk_Blit_1(window, canvas, 110, 10, 320, 320); };
    const auto pixel = [&] { rk_SetPixel_1(window, 5, 5, 0xFF); };
    Report("rk_TextOut_1 on the window", Time(200, text));
    Report("rk_Frame3D_1 on the window", Time(200, frame));
    Report("rk_FilledRect_1 on the window", Time(200, rect));
    Report("rk_Blit_1 of 320 x 320 onto the window", Time(200, blit));
    Report("rk_SetPixel_1 on the window", Time(200, pixel));
    // As much as the editor's paint handler draws.
    const auto paint = [&] {
        for (int i = 0; i < 12; ++i) text();
        for (int i = 0; i < 6; ++i) frame();
        for (int i = 0; i < 19; ++i) rect();
        for (int i = 0; i < 9; ++i) blit();
    };
    Report("12 texts, 6 frames, 19 rectangles, 9 blits on the window", Time(200, paint));
    DeleteObject(font);
    rk_ReleaseCanvas_1(canvas);
    DestroyWindow(window);
    return 0;
}
