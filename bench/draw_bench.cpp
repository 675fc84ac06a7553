// How long the drawing toolkit takes to fill a canvas under Wine. Prints, asserts nothing.
#include "bench/figures.h"
#include "tests/support/harness.h"
#include "toolkit/draw/shapes.h"
#include "toolkit/draw/target.h"

int main() {
    HWND window = CreateWindowExA(0, "STATIC", "draw bench", WS_POPUP | WS_VISIBLE, 20, 20, 400,
                                  400, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
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
    rk_ReleaseCanvas_1(canvas);
    DestroyWindow(window);
    return 0;
}
