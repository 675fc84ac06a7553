// Icon files built byte by byte for the tests, independently of our writer.
#pragma once
#include "icon/document.h"
#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Appends each value, little-endian, in size bytes.
inline void Put(Bytes& out, int size, std::initializer_list<std::uint32_t> values) {
    for (std::uint32_t v : values)
        for (int i = 0; i < size; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// The standard palette as the file stores it: blue, green, red per entry.
inline Palette StandardPalette() {
    const std::uint32_t rgb[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                   0x008080, 0x808080, 0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00,
                                   0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    Palette pal{};
    for (int i = 0; i < 48; ++i) pal[i] = rgb[i / 3] >> (8 * (i % 3)) & 0xFF;
    return pal;
}

// An image of another size or depth, its colour table and rows filled with 0x11.
inline Bytes MakeOtherImage(int width, int bitCount) {
    const std::uint32_t w = width, bits = bitCount, rowBytes = (w * bits + 31) / 32 * 4;
    Bytes image;
    Put(image, 4, {40, w, 2 * w, 1 | bits << 16, 0, 0, 0, 0, 0, 0}); // height with the mask's rows
    image.resize(40 + (bits <= 8 ? 4 << bits : 0) + (rowBytes + (w + 31) / 32 * 4) * w, 0x11);
    return image;
}

// A 32 x 32, 4-bit image, rows bottom first; a value v of 16..31 is masked over nibble v - 16.
inline Bytes MakeImage(const Palette& pal, const PixelGrid& grid) {
    Bytes image = MakeOtherImage(32, 4);
    for (int i = 40; i < 744; ++i) // the colour table, then rows of zeros
        image[i] = i < 104 && i % 4 < 3 ? pal[(i - 40) / 4 * 3 + i % 4] : 0;
    for (int i = 0; i < CELL_COUNT; ++i) {
        const int v = grid[i], row = 31 - i / 32, x = i % 32; // grid row 0 is stored last
        image[104 + 16 * row + x / 2] |= (v & 15) << (x % 2 ? 0 : 4);
        image[616 + 4 * row + x / 8] |= (v >= 16) << (7 - x % 8);
    }
    return image;
}

// A directory whose count field is countByte, one entry per image, then the images.
inline Bytes MakeIconFile(int countByte, const std::vector<Bytes>& images) {
    Bytes file;
    Put(file, 2, {0, 1, std::uint32_t(countByte)});
    std::uint32_t offset = 6 + 16 * std::uint32_t(images.size());
    for (const Bytes& image : images) {
        Put(file, 1, {image[4], image[4], image[14] == 4 ? 16u : 0u, 0});
        Put(file, 2, {1, image[14]});
        Put(file, 4, {std::uint32_t(image.size()), offset});
        offset += std::uint32_t(image.size());
    }
    for (const Bytes& image : images) file.insert(file.end(), image.begin(), image.end());
    return file;
}

// Both throw std::runtime_error when the file cannot be written or read.
inline void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    if (!out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size())))
        throw std::runtime_error("cannot write " + path);
}

inline Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}
