#include "tests/app/loader_crosscheck_windows.h"

#include <cstdint>
#include <vector>

namespace {

constexpr int ICON_SIZE = 32;

// A 32 x 32 top-down 32-bit DIB section, filled with background, in a memory DC
// that DrawIconEx draws into.
struct DibArea {
    explicit DibArea(COLORREF background) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = ICON_SIZE;
        info.bmiHeader.biHeight = -ICON_SIZE;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits),
                                  nullptr, 0);
        dc = CreateCompatibleDC(nullptr);
        old = SelectObject(dc, bitmap);
        // Written directly, so the background is exactly the colour asked for.
        const std::uint32_t bgra =
            GetBValue(background) | GetGValue(background) << 8 | GetRValue(background) << 16;
        for (int i = 0; i < ICON_SIZE * ICON_SIZE; ++i) bits[i] = bgra;
    }
    ~DibArea() {
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    DibArea(const DibArea&) = delete;
    DibArea& operator=(const DibArea&) = delete;

    Pixels Read() const {
        GdiFlush();
        Pixels shot{0, 0, ICON_SIZE, ICON_SIZE,
                    std::vector<COLORREF>(static_cast<size_t>(ICON_SIZE * ICON_SIZE))};
        for (int i = 0; i < ICON_SIZE * ICON_SIZE; ++i) {
            const std::uint32_t p = bits[i];
            shot.colors[i] = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
        }
        return shot;
    }

    HBITMAP bitmap = nullptr;
    std::uint32_t* bits = nullptr;
    HDC dc = nullptr;
    HGDIOBJ old = nullptr;
};

Pixels Draw(HICON icon, COLORREF background, UINT flags) {
    DibArea area(background);
    DrawIconEx(area.dc, 0, 0, icon, ICON_SIZE, ICON_SIZE, 0, nullptr, flags);
    return area.Read();
}

} // namespace

WindowsDrawing DrawWithWindows(const std::string& path, COLORREF grey, COLORREF black,
                               COLORREF white) {
    WindowsDrawing drawing;
    HANDLE loaded =
        LoadImageA(nullptr, path.c_str(), IMAGE_ICON, ICON_SIZE, ICON_SIZE, LR_LOADFROMFILE);
    if (loaded == nullptr) return drawing;
    HICON icon = static_cast<HICON>(loaded);
    drawing.loaded = true;
    drawing.onGrey = Draw(icon, grey, DI_NORMAL);
    drawing.onBlack = Draw(icon, black, DI_NORMAL);
    drawing.onWhite = Draw(icon, white, DI_NORMAL);
    // Alone, DI_MASK copies the monochrome AND mask; a fresh DC turns its 0 bits
    // into the text colour (black) and its 1 bits into the background colour
    // (white), whatever was under it.
    drawing.mask = Draw(icon, 0x123456, DI_MASK);
    DestroyIcon(icon);
    return drawing;
}
