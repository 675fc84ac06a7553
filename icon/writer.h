// Writing the document as a one-image, 766-byte .ico file.
#pragma once

#include "icon/document.h"

#include <array>
#include <cstdint>

constexpr int ICON_FILE_BYTES = 766;
constexpr int ICON_HEAD_BYTES = 126;

extern const std::array<std::uint8_t, ICON_HEAD_BYTES> ICON_HEADER_TEMPLATE;

// 0 written; 1 not written, and an existing file at path is left as it was.
int WriteIconFile(const char* path, const Palette& pal, const PixelGrid& grid);
