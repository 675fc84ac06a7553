// Icon files built byte by byte for the tests, independently of our writer.
#pragma once

#include "icon/document.h"

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// One 32 x 32, 16-colour image (744 bytes): header, colour table, colour rows and
// mask rows, bottom row first. Cells of 16 and more set the mask bit.
Bytes Image32(const Palette& pal, const PixelGrid& grid);
// A 16 x 16, 16-colour image (296 bytes) filled with colour nibble value.
Bytes Image16(int value);
// A directory whose count byte is countByte, one entry per image given, then the images.
Bytes IconFile(int countByte, const std::vector<Bytes>& images);
void WriteBytes(const std::string& path, const Bytes& bytes);

PixelGrid FilledGrid(int value);
Palette StandardPalette();
