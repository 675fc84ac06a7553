// Building icon files byte by byte for tests, and a scratch folder for them.
#pragma once

#include "icon/document.h"

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// One BMP-style icon image (header, colour table, colour rows, mask rows) of
// any size and depth. Colour and mask bytes follow a pattern seeded by seed,
// chosen so that the 32 x 32 header pattern cannot occur inside them.
Bytes MakeImage(int width, int height, int bitCount, int seed);
// A 32 x 32, 4-bit image holding exactly pal and grid (cells 0..31).
Bytes MakeImage32x4(const Palette& pal, const PixelGrid& grid);
// Directory plus images, each image's offset filled in.
Bytes MakeIconFile(const std::vector<Bytes>& images);

// A fresh folder under the system's temporary folder, removed again by RemoveScratchFolder.
std::string MakeScratchFolder();
void RemoveScratchFolder(const std::string& folder);

void WriteBytes(const std::string& path, const Bytes& bytes);
Bytes ReadBytes(const std::string& path);

// A palette and grid that use every nibble, every mask bit pattern and values 0..31.
Palette SamplePalette(int seed);
PixelGrid SampleGrid(int seed);
