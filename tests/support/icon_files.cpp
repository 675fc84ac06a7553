#include "tests/support/icon_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace {

void PutLe(Bytes& out, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

int ColorStride(int width, int bitCount) {
    return (width * bitCount + 31) / 32 * 4;
}

int MaskStride(int width) {
    return (width + 31) / 32 * 4;
}

// The 40-byte header: height counts colour and mask rows, the size counts both.
void PutHeader(Bytes& out, int width, int height, int bitCount) {
    PutLe(out, 40, 4);
    PutLe(out, static_cast<std::uint32_t>(width), 4);
    PutLe(out, static_cast<std::uint32_t>(2 * height), 4);
    PutLe(out, 1, 2);
    PutLe(out, static_cast<std::uint32_t>(bitCount), 2);
    PutLe(out, 0, 4);
    PutLe(out,
          static_cast<std::uint32_t>((ColorStride(width, bitCount) + MaskStride(width)) * height),
          4);
    PutLe(out, 0, 16);
}

void PutPalette(Bytes& out, const Palette& pal) {
    for (int k = 0; k < PALETTE_ENTRIES; ++k) {
        for (int channel = 0; channel < 3; ++channel)
            out.push_back(static_cast<std::uint8_t>(pal[3 * k + channel]));
        out.push_back(0);
    }
}

} // namespace

Bytes MakeImage(int width, int height, int bitCount, int seed) {
    Bytes out;
    PutHeader(out, width, height, bitCount);
    const int tableEntries = bitCount <= 8 ? 1 << bitCount : 0;
    std::mt19937 random(static_cast<unsigned>(seed));
    // Bytes from 0x41 up never start the pattern (0x28) nor continue it with zeros.
    auto next = [&random] { return static_cast<std::uint8_t>(0x41 + random() % 0xBF); };
    for (int i = 0; i < tableEntries; ++i) {
        out.push_back(next());
        out.push_back(next());
        out.push_back(next());
        out.push_back(0);
    }
    const int rowBytes = ColorStride(width, bitCount) + MaskStride(width);
    for (int i = 0; i < rowBytes * height; ++i) out.push_back(next());
    return out;
}

Bytes MakeImage32x4(const Palette& pal, const PixelGrid& grid) {
    Bytes out;
    PutHeader(out, GRID_CELLS, GRID_CELLS, 4);
    PutPalette(out, pal);
    for (int row = GRID_CELLS - 1; row >= 0; --row) {
        for (int j = 0; j < GRID_CELLS / 2; ++j)
            out.push_back(static_cast<std::uint8_t>((grid[row * 32 + 2 * j] & 15) << 4 |
                                                    (grid[row * 32 + 2 * j + 1] & 15)));
    }
    for (int row = GRID_CELLS - 1; row >= 0; --row) {
        for (int j = 0; j < 4; ++j) {
            std::uint8_t byte = 0;
            for (int b = 0; b < 8; ++b) {
                if (grid[row * 32 + 8 * j + b] >= TRANSPARENT_INDEX)
                    byte |= static_cast<std::uint8_t>(0x80 >> b);
            }
            out.push_back(byte);
        }
    }
    return out;
}

Bytes MakeImage16x4(int value) {
    Bytes out;
    PutHeader(out, 16, 16, 4);
    PutPalette(out, StandardPalette());
    out.insert(out.end(), 128, static_cast<std::uint8_t>(value << 4 | value));
    out.insert(out.end(), 64, 0);
    return out;
}

Bytes MakeIconFile(int countByte, const std::vector<Bytes>& images) {
    Bytes out;
    PutLe(out, 0, 2);
    PutLe(out, 1, 2);
    PutLe(out, static_cast<std::uint32_t>(countByte), 2);
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const Bytes& image : images) {
        const std::uint32_t width = image[4] | image[5] << 8;
        const std::uint32_t height = (image[8] | image[9] << 8) / 2;
        const std::uint32_t bits = image[14] | image[15] << 8;
        // A size of 256 is written as 0; so are the colours of 8 bits and more.
        out.push_back(static_cast<std::uint8_t>(width));
        out.push_back(static_cast<std::uint8_t>(height));
        out.push_back(static_cast<std::uint8_t>(bits < 8 ? 1 << bits : 0));
        out.push_back(0);
        PutLe(out, 1, 2);
        PutLe(out, bits, 2);
        PutLe(out, static_cast<std::uint32_t>(image.size()), 4);
        PutLe(out, offset, 4);
        offset += static_cast<std::uint32_t>(image.size());
    }
    for (const Bytes& image : images) out.insert(out.end(), image.begin(), image.end());
    return out;
}

Bytes MakeIconFile(const std::vector<Bytes>& images) {
    return MakeIconFile(static_cast<int>(images.size()), images);
}

std::string MakeScratchFolder() {
    namespace fs = std::filesystem;
    std::random_device seed;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path folder =
            fs::temp_directory_path() / ("prickverket-icon-" + std::to_string(seed()));
        if (fs::create_directory(folder)) return folder.string();
    }
    throw std::runtime_error("no scratch folder could be made");
}

void RemoveScratchFolder(const std::string& folder) {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path);
}

Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Palette SamplePalette(int seed) {
    std::mt19937 random(static_cast<unsigned>(seed));
    Palette pal{};
    for (auto& value : pal) value = static_cast<std::int32_t>(random() % 256);
    return pal;
}

PixelGrid SampleGrid(int seed) {
    std::mt19937 random(static_cast<unsigned>(seed));
    PixelGrid grid{};
    for (auto& cell : grid) cell = static_cast<std::int32_t>(random() % 32);
    return grid;
}

PixelGrid FilledGrid(int value) {
    PixelGrid grid{};
    FillPixelGrid(grid, value);
    return grid;
}

Palette StandardPalette() {
    Palette pal{};
    LoadStandardPalette(pal);
    return pal;
}
