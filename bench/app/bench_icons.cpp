#include "bench/app/bench_icons.h"

#include "icon/document.h"
#include "icon/writer.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

struct ImageKind {
    int size;
    int bits;
};

// 11 images, the 32 x 32 4-bit one second, as icon editors usually order them.
constexpr ImageKind MULTI_SIZE_IMAGES[] = {
    {16, 4},  {32, 4},  {48, 4},  {16, 8},  {32, 8},   {48, 8},
    {16, 32}, {32, 32}, {48, 32}, {64, 32}, {128, 32},
};

void Put16(std::vector<std::uint8_t>& out, int value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, long value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

int RowBytes(int width, int bits) {
    return (width * bits + 31) / 32 * 4;
}

int PaletteEntries(int bits) {
    return bits <= 8 ? 1 << bits : 0;
}

long ImageBytes(const ImageKind& kind) {
    return 40 + 4L * PaletteEntries(kind.bits) +
           static_cast<long>(RowBytes(kind.size, kind.bits)) * kind.size +
           static_cast<long>(RowBytes(kind.size, 1)) * kind.size;
}

// A bitmap image: header, palette, a diagonal pattern of colours, a round mask.
void AppendImage(std::vector<std::uint8_t>& out, const ImageKind& kind) {
    const int size = kind.size;
    Put32(out, 40);
    Put32(out, size);
    Put32(out, 2 * size);
    Put16(out, 1);
    Put16(out, kind.bits);
    Put32(out, 0);
    Put32(out, ImageBytes(kind) - 40);
    for (int i = 0; i < 4; ++i) Put32(out, 0);
    for (int k = 0; k < PaletteEntries(kind.bits); ++k) {
        out.push_back(static_cast<std::uint8_t>(k * 37));
        out.push_back(static_cast<std::uint8_t>(k * 91));
        out.push_back(static_cast<std::uint8_t>(255 - k));
        out.push_back(0);
    }
    const int colorRow = RowBytes(size, kind.bits);
    for (int y = 0; y < size; ++y) {
        for (int i = 0; i < colorRow; ++i) {
            // Colour bytes never hold the 0x28 that starts a header pattern.
            std::uint8_t value = static_cast<std::uint8_t>((y * 7 + i * 3) | 0x80);
            out.push_back(value);
        }
    }
    const int maskRow = RowBytes(size, 1);
    const int centre = size / 2;
    for (int y = 0; y < size; ++y) {
        for (int i = 0; i < maskRow; ++i) {
            std::uint8_t bits = 0;
            for (int b = 0; b < 8; ++b) {
                const int x = 8 * i + b;
                const int dx = x - centre, dy = y - centre;
                if (x >= size || dx * dx + dy * dy > centre * centre) bits |= 0x80 >> b;
            }
            out.push_back(bits);
        }
    }
}

} // namespace

bool WriteSmallIcon(const char* path) {
    PixelGrid grid;
    Palette pal;
    LoadStandardPalette(pal);
    for (int i = 0; i < CELL_COUNT; ++i) grid[i] = (i / 32 + i % 32) % 17;
    return WriteIconFile(path, pal, grid) == 0;
}

long WriteMultiSizeIcon(const char* path) {
    constexpr int COUNT = sizeof MULTI_SIZE_IMAGES / sizeof MULTI_SIZE_IMAGES[0];
    std::vector<std::uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, COUNT);
    long offset = 6 + 16L * COUNT;
    for (const ImageKind& kind : MULTI_SIZE_IMAGES) {
        out.push_back(static_cast<std::uint8_t>(kind.size == 256 ? 0 : kind.size));
        out.push_back(static_cast<std::uint8_t>(kind.size == 256 ? 0 : kind.size));
        out.push_back(static_cast<std::uint8_t>(kind.bits == 4 ? 16 : 0));
        out.push_back(0);
        Put16(out, 1);
        Put16(out, kind.bits);
        Put32(out, ImageBytes(kind));
        Put32(out, offset);
        offset += ImageBytes(kind);
    }
    for (const ImageKind& kind : MULTI_SIZE_IMAGES) AppendImage(out, kind);
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return 0;
    const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    const bool closed = std::fclose(file) == 0;
    return written && closed ? static_cast<long>(out.size()) : 0;
}
