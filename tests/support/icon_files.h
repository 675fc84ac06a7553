// Building icon files byte by byte for tests and benchmarks, independently of
// our writer, and a scratch folder to put them in.
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
// A 32 x 32, 4-bit image (744 bytes) holding exactly pal and grid: colour rows
// and mask rows bottom row first, cells of 16 and more set the mask bit.
Bytes MakeImage32x4(const Palette& pal, const PixelGrid& grid);
// A 16 x 16, 4-bit image (296 bytes) in the standard palette, every pixel
// colour value, no mask bit set.
Bytes MakeImage16x4(int value);

// A directory whose count field is countByte, one entry per image given (its
// size and depth taken from the image's header), then the images.
Bytes MakeIconFile(int countByte, const std::vector<Bytes>& images);
// The same with the count field equal to the number of images.
Bytes MakeIconFile(const std::vector<Bytes>& images);

// A fresh folder under the system's temporary folder, removed again by RemoveScratchFolder.
std::string MakeScratchFolder();
void RemoveScratchFolder(const std::string& folder);

// Both throw std::runtime_error when the file cannot be written or read.
void WriteBytes(const std::string& path, const Bytes& bytes);
Bytes ReadBytes(const std::string& path);

// A palette and grid that use every nibble, every mask bit pattern and values 0..31.
Palette SamplePalette(int seed);
PixelGrid SampleGrid(int seed);
// Every cell value.
PixelGrid FilledGrid(int value);
Palette StandardPalette();
