// A literal position-by-position reader: for every position it seeks and
// reads the pattern's bytes again with getc. Kept as the reference that the
// real reader must agree with, and as the baseline of the read benchmark.
#pragma once

#include "icon/document.h"

#include <cstddef>
#include <cstdint>

int NaiveReadIconImageCount(const char* path);
// Same contract as ReadIconImage; a header whose image runs past the end of
// the file gives 1.
int NaiveReadIconImage(const char* path, Palette& pal, PixelGrid& grid, int n);
// The same scan over bytes already in memory, for the fuzzer, where a seek
// per position would cost a system call each.
int NaiveReadIconImageFromBytes(const std::uint8_t* data, std::size_t size, Palette& pal,
                                PixelGrid& grid, int n);
