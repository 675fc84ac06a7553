// What Windows itself makes of an icon file: loaded with LoadImageA as a file
// icon and drawn with DrawIconEx at 32 x 32 into a 32-bit DIB section, so every
// pixel is read back exactly.
#pragma once

#include "tests/app/editor_harness.h"

#include <windows.h>

#include <string>

struct WindowsDrawing {
    bool loaded = false;
    Pixels onGrey, onBlack, onWhite; // DI_NORMAL over a 32 x 32 area of that colour
    Pixels mask;                     // DI_MASK: the AND mask, black 0 bits, white 1 bits
};

// The icon at path as Windows draws it on the three backgrounds, and its mask.
WindowsDrawing DrawWithWindows(const std::string& path, COLORREF grey, COLORREF black,
                               COLORREF white);
