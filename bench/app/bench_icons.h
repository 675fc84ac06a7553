// The icon files the benchmark opens.
#pragma once

// One 32 x 32, 16-colour image, 766 bytes, written by the editor's own writer.
bool WriteSmallIcon(const char* path);
// A multi-size icon as real programs ship them, over 100 KB: 16, 32 and 48
// pixels in 4 and 8 bits, and 16 to 128 pixels in 32 bits. Only its 32 x 32,
// 4-bit image is of the kind the editor reads. Returns the file's size, 0 on failure.
long WriteMultiSizeIcon(const char* path);
