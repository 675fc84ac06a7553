// The Win32 tests' one harness: a pump, a box and dialog answerer, a pixel comparer.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Handles every message waiting for this thread, sent ones and paints included.
void Pump();

enum class Reply { Ok, Cancel, Escape, Enter, CloseBox, Yes, No, Path, Colour, Again };
struct Answer {
    Reply reply;
    std::string path = ""; // Path: typed into the file dialog's name box, then OK
    COLORREF colour = 0;   // Colour: typed into the colour dialog, then OK
};
// What a box or dialog showed: "caption / text / look", the text a message box's, the look
// a file dialog's file types with their patterns, the one selected in [], then any icon ("!",
// "x" or "(icon)") and the buttons shown, the default in [].
using Seen = std::string;
// Runs action with a WH_CBT hook on this thread: each box or dialog that becomes active takes
// the next answer in its own modal loop, Again one active again after a child box; the rest Cancel.
std::vector<Seen> Answering(const std::vector<Answer>& script, const std::function<void()>& action);

using Want = std::function<COLORREF(int x, int y)>;
// Empty when every pixel of the rectangle is want(x, y), else the first mismatches as
// "(x,y): got 828282, want AAAAAA".
std::string PixelDiff(HDC dc, int x, int y, int width, int height, const Want& want);
inline std::string AreaDiff(HDC dc, int x, int y, int width, int height, COLORREF want) {
    return PixelDiff(dc, x, y, width, height, [want](int, int) { return want; });
}

// Empty when the window's client area is, pixel for pixel, the reference image
// tests/app/reference/wine-<version>/<name>.bmp of the Wine running it; else where it differs,
// with the actual image and the differences written beside the build.
// PRICKVERKET_RENEW_REFERENCES=1 writes the reference.
std::string ReferenceDiff(HWND window, const std::string& name);
