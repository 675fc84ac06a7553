// The largest width and height among the display modes, not the mode in use.
#include "toolkit/draw/pointer.h"

#include <cstring>

int rk_ScreenSize_1(int* width, int* height) {
    *width = 0;
    *height = 0;
    DEVMODEA mode;
    std::memset(&mode, 0, sizeof mode);
    // The record without its panning fields; the size is the same in 32- and 64-bit builds.
    mode.dmSize = 148;
    for (DWORD i = 0; EnumDisplaySettingsA(nullptr, i, &mode); ++i) {
        // Each maximised on its own: the pair may come from different modes.
        if (static_cast<int>(mode.dmPelsWidth) > *width) *width = mode.dmPelsWidth;
        if (static_cast<int>(mode.dmPelsHeight) > *height) *height = mode.dmPelsHeight;
    }
    return 0;
}
