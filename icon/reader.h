// Reading 32 x 32, 16-colour images out of .ico files.
#pragma once

#include "icon/document.h"

#include <array>
#include <cstdint>

constexpr int IMAGE_BYTES = 744; // header 40 + colour table 64 + colour 512 + mask 128

// The first 15 bytes of a 32 x 32, 4-bit icon image header.
constexpr std::array<std::uint8_t, 15> IMAGE_HEADER_PATTERN = {
    0x28, 0x00, 0x00, 0x00, 0x20, 0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x01, 0x00, 0x04,
};

// The low byte of the directory's count, or -1 when the file cannot be opened
// or has no byte at offset 4.
int ReadIconImageCount(const char* path);
// Reads the n-th occurrence of IMAGE_HEADER_PATTERN (1-based) into pal and grid.
// 0 read; 1 not read, and pal and grid are untouched.
int ReadIconImage(const char* path, Palette& pal, PixelGrid& grid, int n);
