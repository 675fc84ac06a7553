// Figures for the drawing toolkit under Wine: canvas fills and pixels, and one
// paint's worth of window drawing. Prints, asserts nothing.
#include "toolkit/draw/shapes.h"
#include "toolkit/draw/target.h"
#include "toolkit/draw/text.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// Runs `work` `rounds` times and prints the median and the fastest round.
void Measure(const char* what, int rounds, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        work();
        QueryPerformanceCounter(&end);
        times.push_back(Milliseconds(start, end));
    }
    std::sort(times.begin(), times.end());
    std::printf("%-66s median %8.3f ms, best %8.3f ms (%d rounds)\n", what, times[times.size() / 2],
                times.front(), rounds);
}

HWND MakeWindow() {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "DrawBenchWindow";
    RegisterClassExA(&windowClass);
    HWND window =
        CreateWindowExA(0, windowClass.lpszClassName, "draw bench", WS_POPUP | WS_VISIBLE, 20, 20,
                        600, 420, nullptr, nullptr, windowClass.hInstance, nullptr);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    return window;
}

// Roughly what the editor's paint handler draws onto its client area.
void OnePaint(HWND window, HFONT font, const HDC (&canvases)[9]) {
    for (int i = 0; i < 12; ++i)
        rk_TextOut_1(window, 450, 40 + 16 * i, "Uppdatera", 0, font, 0xC0C0C0);
    rk_NumberOut_1(window, 71, 125, 4, 0, 0x0000FF, font, 0xC0C0C0);
    const int frames[6][5] = {{5, 108, 80, 292, 1}, {100, 0, 340, 338, 8}, {100, 344, 338, 55, 1},
                              {521, 1, 68, 253, 1}, {537, 279, 35, 35, 1}, {521, 340, 68, 36, 1}};
    for (const auto& f : frames) rk_Frame3D_1(window, f[0], f[1], f[2], f[3], "UPPER", f[4]);
    for (int i = 0; i < 19; ++i)
        rk_FilledRect_1(window, 525 + 30 * (i % 2), 5 + 14 * i, 28, 12, RGB(i * 13, 0, 200));
    rk_Line3D_1(window, 454, 25, 67, "RIGHT", "UPPER", 1);
    rk_Blit_1(window, canvases[0], 110, 10, 320, 320);
    for (int i = 1; i < 9; ++i) rk_Blit_1(window, canvases[i], 10 + 40 * (i % 4), 345, 32, 32);
}

} // namespace

int main() {
    HWND window = MakeWindow();
    if (window == nullptr) {
        std::printf("draw bench: no window\n");
        return 1;
    }
    rk_DrawTarget_1(window, "CLIENT");
    HDC grid = rk_CreateCanvas_1(window, 320, 320, 0xFFFFFF);
    HDC canvases[9] = {grid};
    for (int i = 1; i < 9; ++i) canvases[i] = rk_CreateCanvas_1(window, 32, 32, 0x646464);
    HFONT font = rk_CreateFont_1(12, 6, 0, FW_THIN, 0, 0, "ARIAL");

    rk_DrawTarget_1(window, "MEMORY");
    rk_SelectCanvas_1(grid);
    Measure("1024 rk_FilledRect_1 into a canvas (target: at most 2 ms)", 50, [&] {
        for (int i = 0; i < 1024; ++i)
            rk_FilledRect_1(window, (i % 32) * 10, (i / 32) * 10, 10, 10, RGB(i % 256, 0, 0));
    });
    Measure("1024 rk_SetPixel_1 into a canvas", 50, [&] {
        for (int i = 0; i < 1024; ++i) rk_SetPixel_1(window, i % 32, i / 32, RGB(0, i % 256, 0));
    });
    rk_DrawTarget_1(window, "CLIENT");
    Measure("one paint on CLIENT: 12 texts, 1 number, 6 frames, 19 rects, 1 line, 9 blits", 20,
            [&] { OnePaint(window, font, canvases); });

    for (HDC canvas : canvases) rk_ReleaseCanvas_1(canvas);
    DeleteObject(font);
    DestroyWindow(window);
    return 0;
}
