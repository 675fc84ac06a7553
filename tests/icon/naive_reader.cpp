#include "naive_reader.h"
#include "icon/reader.h"

#include <cstdio>

int NaiveReadIconImageCount(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return -1;
    int byte = EOF;
    if (std::fseek(file, 4, SEEK_SET) == 0) byte = std::getc(file);
    std::fclose(file);
    return byte == EOF ? -1 : byte;
}

int NaiveReadIconImage(const char* path, Palette& pal, PixelGrid& grid, int n) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return 1;
    std::fseek(file, 0, SEEK_END);
    const long size = std::ftell(file);
    if (size <= 0) { // the scan's end rule never triggers for an empty file
        std::fclose(file);
        return 1;
    }
    long header = -1;
    int counter = 1;
    for (long pos = 0; pos != size - 1; ++pos) {
        std::fseek(file, pos, SEEK_SET);
        bool match = true;
        for (std::uint8_t expected : IMAGE_HEADER_PATTERN) {
            if (std::getc(file) != expected) {
                match = false;
                break;
            }
        }
        if (!match) continue;
        if (counter == n) {
            header = pos;
            break;
        }
        ++counter;
    }
    if (header < 0 || size - header < IMAGE_BYTES) {
        std::fclose(file);
        return 1;
    }
    std::fseek(file, header + 40, SEEK_SET);
    for (int k = 0; k < 16; ++k) {
        pal[3 * k] = std::getc(file);
        pal[3 * k + 1] = std::getc(file);
        pal[3 * k + 2] = std::getc(file);
        std::getc(file);
    }
    for (int row = 31; row >= 0; --row) {
        for (int j = 0; j < 16; ++j) {
            const int byte = std::getc(file);
            grid[row * 32 + 2 * j] = byte / 16;
            grid[row * 32 + 2 * j + 1] = byte % 16;
        }
    }
    for (int row = 31; row >= 0; --row) {
        for (int j = 0; j < 4; ++j) {
            const int byte = std::getc(file);
            for (int b = 7; b >= 0; --b) {
                if (byte & (1 << b)) grid[row * 32 + 8 * j + (7 - b)] += 16;
            }
        }
    }
    std::fclose(file);
    return 0;
}
