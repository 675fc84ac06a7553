// The reader's rule, plainly: each position tested, the n-th match taken if 744 bytes follow.
#pragma once
#include "icon/document.h"
#include <cstring>
inline int ReferenceRead(const std::uint8_t* f, size_t size, int n, Palette& pal, PixelGrid& grid) {
    static const unsigned char head[15] = {40, 0, 0, 0, 32, 0, 0, 0, 64, 0, 0, 0, 1, 0, 4};
    for (size_t h = 0; n > 0 && h + 15 <= size; ++h) {
        if (std::memcmp(f + h, head, 15) != 0 || --n > 0) continue;
        if (size - h < 744) return 1;
        for (int k = 0; k < 48; ++k) pal[k] = f[h + 40 + k / 3 * 4 + k % 3];
        for (int i = 0; i < 1024; ++i) {
            const int r = 31 - i / 32, c = i % 32; // stored row r is grid row 31 - r
            grid[i] = (f[h + 104 + 16 * r + c / 2] >> (c % 2 ? 0 : 4) & 15) +
                      16 * (f[h + 616 + 4 * r + c / 8] >> (7 - c % 8) & 1);
        }
        return 0;
    }
    return 1;
}
