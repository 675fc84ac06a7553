#include "tests/app/icon_files.h"

#include <cstdio>

namespace {

void Put16(Bytes& out, int value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void Put32(Bytes& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutHeader(Bytes& out, int edge, int colorBytes, int maskBytes) {
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(edge));
    Put32(out, static_cast<std::uint32_t>(2 * edge));
    Put16(out, 1);
    Put16(out, 4);
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(colorBytes + maskBytes));
    for (int i = 0; i < 4; ++i) Put32(out, 0);
}

} // namespace

Bytes Image32(const Palette& pal, const PixelGrid& grid) {
    Bytes out;
    PutHeader(out, 32, 512, 128);
    for (int k = 0; k < PALETTE_ENTRIES; ++k) {
        for (int channel = 0; channel < 3; ++channel) {
            out.push_back(static_cast<std::uint8_t>(pal[3 * k + channel]));
        }
        out.push_back(0);
    }
    for (int row = GRID_CELLS - 1; row >= 0; --row) {
        for (int column = 0; column < GRID_CELLS; column += 2) {
            const int left = grid[row * GRID_CELLS + column] & 0x0F;
            const int right = grid[row * GRID_CELLS + column + 1] & 0x0F;
            out.push_back(static_cast<std::uint8_t>(left << 4 | right));
        }
    }
    for (int row = GRID_CELLS - 1; row >= 0; --row) {
        for (int byte = 0; byte < 4; ++byte) {
            int bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                if (grid[row * GRID_CELLS + 8 * byte + bit] >= TRANSPARENT_INDEX) {
                    bits |= 0x80 >> bit;
                }
            }
            out.push_back(static_cast<std::uint8_t>(bits));
        }
    }
    return out;
}

Bytes Image16(int value) {
    Bytes out;
    PutHeader(out, 16, 128, 64);
    const Palette standard = StandardPalette();
    for (int k = 0; k < PALETTE_ENTRIES; ++k) {
        for (int channel = 0; channel < 3; ++channel) {
            out.push_back(static_cast<std::uint8_t>(standard[3 * k + channel]));
        }
        out.push_back(0);
    }
    for (int i = 0; i < 128; ++i) out.push_back(static_cast<std::uint8_t>(value << 4 | value));
    for (int i = 0; i < 64; ++i) out.push_back(0);
    return out;
}

Bytes IconFile(int countByte, const std::vector<Bytes>& images) {
    Bytes out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, countByte);
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const Bytes& image : images) {
        const int edge = image[4];
        out.push_back(static_cast<std::uint8_t>(edge));
        out.push_back(static_cast<std::uint8_t>(edge));
        out.push_back(16);
        out.push_back(0);
        Put16(out, 1);
        Put16(out, 4);
        Put32(out, static_cast<std::uint32_t>(image.size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(image.size());
    }
    for (const Bytes& image : images) out.insert(out.end(), image.begin(), image.end());
    return out;
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

PixelGrid FilledGrid(int value) {
    PixelGrid grid;
    grid.fill(value);
    return grid;
}

Palette StandardPalette() {
    Palette standard;
    LoadStandardPalette(standard);
    return standard;
}
