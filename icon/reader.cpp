#include "icon/reader.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

namespace {

// Icons are a few kilobytes; a "file" claiming more than this is not read at
// all rather than risking an allocation that large.
constexpr long MAX_FILE_BYTES = 1L << 30;

constexpr int PALETTE_OFFSET = 40;
constexpr int COLOR_ROWS_OFFSET = 104;
constexpr int MASK_ROWS_OFFSET = 616;
constexpr int COLOR_ROW_BYTES = 16;
constexpr int MASK_ROW_BYTES = 4;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

struct FileBytes {
    std::unique_ptr<unsigned char[]> data;
    long size = 0;
};

// The whole file in memory, read once. False when it cannot be opened, its
// size cannot be told (a folder, a pipe), or a read fails.
bool LoadFileBytes(const char* path, FileBytes& bytes) {
    FileHandle file(std::fopen(path, "rb"));
    if (!file) return false;
    if (std::fseek(file.get(), 0, SEEK_END) != 0) return false;
    const long size = std::ftell(file.get());
    if (size < 0 || size > MAX_FILE_BYTES) return false;
    if (std::fseek(file.get(), 0, SEEK_SET) != 0) return false;
    bytes.data.reset(new (std::nothrow) unsigned char[size > 0 ? size : 1]);
    if (!bytes.data) return false;
    const std::size_t got =
        std::fread(bytes.data.get(), 1, static_cast<std::size_t>(size), file.get());
    // A folder opened on Linux fails here; a file that shrank meanwhile is taken as it is now.
    if (std::ferror(file.get())) return false;
    bytes.size = static_cast<long>(got);
    return true;
}

// Offset of the n-th header pattern, or -1. Every position from 0 up to
// size - 2 is a candidate, so the pattern also counts inside other data.
// The pattern cannot overlap itself (0x28 occurs only at its start), so
// jumping from one 0x28 to the next misses nothing.
long FindImageHeader(const unsigned char* data, long size, int n) {
    constexpr long PATTERN_BYTES = static_cast<long>(IMAGE_HEADER_PATTERN.size());
    if (n <= 0 || size < PATTERN_BYTES) return -1;
    const long lastStart = size - PATTERN_BYTES;
    int counter = 1;
    long pos = 0;
    while (pos <= lastStart) {
        const void* hit = std::memchr(data + pos, IMAGE_HEADER_PATTERN[0],
                                      static_cast<std::size_t>(lastStart - pos + 1));
        if (!hit) return -1;
        pos = static_cast<const unsigned char*>(hit) - data;
        if (std::memcmp(data + pos, IMAGE_HEADER_PATTERN.data(), IMAGE_HEADER_PATTERN.size()) ==
            0) {
            if (counter == n) return pos;
            ++counter;
        }
        ++pos;
    }
    return -1;
}

void DecodeImage(const unsigned char* image, Palette& pal, PixelGrid& grid) {
    for (int k = 0; k < PALETTE_ENTRIES; ++k) {
        const unsigned char* quad = image + PALETTE_OFFSET + 4 * k;
        pal[3 * k] = quad[0];
        pal[3 * k + 1] = quad[1];
        pal[3 * k + 2] = quad[2];
    }
    // Rows are stored bottom-up.
    for (int i = 0; i < GRID_CELLS; ++i) {
        const unsigned char* colorRow = image + COLOR_ROWS_OFFSET + COLOR_ROW_BYTES * i;
        const unsigned char* maskRow = image + MASK_ROWS_OFFSET + MASK_ROW_BYTES * i;
        std::int32_t* cells = grid.data() + (GRID_CELLS - 1 - i) * GRID_CELLS;
        for (int c = 0; c < GRID_CELLS; ++c) {
            const int nibble = c % 2 == 0 ? colorRow[c / 2] >> 4 : colorRow[c / 2] & 0x0F;
            const int maskBit = (maskRow[c / 8] >> (7 - c % 8)) & 1;
            cells[c] = nibble + TRANSPARENT_INDEX * maskBit;
        }
    }
}

} // namespace

int ReadIconImageCount(const char* path) {
    FileHandle file(std::fopen(path, "rb"));
    if (!file) return -1;
    unsigned char head[5];
    if (std::fread(head, 1, sizeof head, file.get()) != sizeof head) return -1;
    return head[4];
}

int ReadIconImage(const char* path, Palette& pal, PixelGrid& grid, int n) {
    if (n <= 0) return 1;
    FileBytes bytes;
    if (!LoadFileBytes(path, bytes)) return 1;
    const long header = FindImageHeader(bytes.data.get(), bytes.size, n);
    if (header < 0) return 1;
    // A truncated image is not loaded at all.
    if (bytes.size - header < IMAGE_BYTES) return 1;
    DecodeImage(bytes.data.get() + header, pal, grid);
    return 0;
}
