#include "icon/writer.h"
#include "icon/replace_file.h"

#include <algorithm>
#include <cstdio>
#include <string>

// clang-format off
const std::array<std::uint8_t, ICON_HEAD_BYTES> ICON_HEADER_TEMPLATE = {
    // Directory: reserved, type 1 (icon), one image.
    0x00, 0x00, 0x01, 0x00, 0x01, 0x00,
    // Its entry: 32 x 32, 16 colours, reserved, planes 0, bit count 0, 744 bytes at offset 22.
    0x20, 0x20, 0x10, 0x00, 0x00, 0x00, 0x00, 0x00, 0xE8, 0x02, 0x00, 0x00, 0x16, 0x00, 0x00, 0x00,
    // Bitmap header: size 40, 32 wide, 64 high (colour and mask), 1 plane, 4 bits,
    // no compression, 640 bytes of image, no resolution, no colour counts.
    0x28, 0x00, 0x00, 0x00, 0x20, 0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x01, 0x00, 0x04, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x80, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    // Colour table: the standard palette as blue, green, red, 0.
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0x00, 0x00, 0x80, 0x00, 0x00, 0x00, 0x80, 0x80, 0x00,
    0x80, 0x00, 0x00, 0x00, 0x80, 0x00, 0x80, 0x00, 0x80, 0x80, 0x00, 0x00, 0x80, 0x80, 0x80, 0x00,
    0xC0, 0xC0, 0xC0, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00,
    0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00,
};
// clang-format on

namespace {

constexpr int COLOR_TABLE_OFFSET = 62;
constexpr int COLOR_ROWS_OFFSET = ICON_HEAD_BYTES;        // 126
constexpr int MASK_ROWS_OFFSET = COLOR_ROWS_OFFSET + 512; // 638

using IconFileBytes = std::array<std::uint8_t, ICON_FILE_BYTES>;

IconFileBytes EncodeIconFile(const Palette& pal, const PixelGrid& grid) {
    IconFileBytes out{};
    for (int i = 0; i < ICON_HEAD_BYTES; ++i) out[i] = ICON_HEADER_TEMPLATE[i];
    for (int k = 0; k < PALETTE_ENTRIES; ++k) {
        for (int channel = 0; channel < 3; ++channel)
            out[COLOR_TABLE_OFFSET + 4 * k + channel] =
                static_cast<std::uint8_t>(pal[3 * k + channel]);
        out[COLOR_TABLE_OFFSET + 4 * k + 3] = 0;
    }
    // Rows go bottom-up; a cell of 16 or more is transparent and keeps its low nibble.
    for (int i = 0; i < GRID_CELLS; ++i) {
        const std::int32_t* cells = grid.data() + (GRID_CELLS - 1 - i) * GRID_CELLS;
        for (int j = 0; j < GRID_CELLS / 2; ++j)
            out[COLOR_ROWS_OFFSET + 16 * i + j] =
                static_cast<std::uint8_t>((cells[2 * j] & 0x0F) << 4 | (cells[2 * j + 1] & 0x0F));
        for (int c = 0; c < GRID_CELLS; ++c) {
            if (cells[c] >= TRANSPARENT_INDEX)
                out[MASK_ROWS_OFFSET + 4 * i + c / 8] |= static_cast<std::uint8_t>(0x80 >> (c % 8));
        }
    }
    return out;
}

// 0 when every byte went out and the close succeeded.
int WriteAndClose(std::FILE* file, const IconFileBytes& bytes) {
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    // The buffered bytes reach the disk here. Flushed on its own, because Wine's
    // fclose answers 0 after a flush that failed (a full disk, say).
    const bool flushed = std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    return written && flushed && closed ? 0 : 1;
}

// A new file beside the target, so that the final move stays on one volume.
std::FILE* CreateTempBeside(const char* target, std::string& tempPath) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = std::string(target) + ".save" + std::to_string(attempt) + ".tmp";
        if (TargetFileExists(tempPath.c_str())) continue;
        return std::fopen(tempPath.c_str(), "wb");
    }
    return nullptr;
}

// True when count bytes from data went out at offset at and were flushed.
bool WriteAt(std::FILE* file, long at, const std::uint8_t* data, size_t count) {
    return std::fseek(file, at, SEEK_SET) == 0 && std::fwrite(data, 1, count, file) == count &&
           std::fflush(file) == 0;
}

// The target itself, when no second file fits beside it, in steps that can be undone: the old
// file's first bytes are kept in memory, and nothing of them changes until the far end is written.
int WriteInPlace(const char* path, const IconFileBytes& bytes) {
    if (!TargetFileExists(path)) {
        std::FILE* file = std::fopen(path, "wb");
        if (!file) return 1;
        if (WriteAndClose(file, bytes) == 0) return 0;
        std::remove(path);
        return 1;
    }
    std::array<std::uint8_t, ICON_FILE_BYTES + 1> old{}; // the extra byte tells a longer file
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return 1;
    const size_t size = std::fread(old.data(), 1, old.size(), file);
    const bool read = !std::ferror(file);
    std::fclose(file);
    if (!read || !(file = std::fopen(path, "r+b"))) return 1;
    // The bytes past its end, or its own last byte again: a full disk or a size limit fails
    // here, with every old byte as it was. The rest then lands on room the file already has.
    const size_t last = std::min(size, bytes.size() - 1), kept = std::min(size, bytes.size());
    const bool reached = WriteAt(file, long(last), (last < size ? old.data() : bytes.data()) + last,
                                 bytes.size() - last);
    bool ok = reached && WriteAt(file, 0, bytes.data(), kept);
    ok = std::fclose(file) == 0 && ok;
    if (ok && (size <= bytes.size() || ResizeTargetFile(path, long(bytes.size())) == 0)) return 0;
    if (reached && (file = std::fopen(path, "r+b"))) {
        WriteAt(file, 0, old.data(), kept);
        std::fclose(file);
    }
    if (size < bytes.size()) ResizeTargetFile(path, long(size));
    return 1;
}

} // namespace

int WriteIconFile(const char* path, const Palette& pal, const PixelGrid& grid) {
    const IconFileBytes bytes = EncodeIconFile(pal, grid);

    std::string tempPath;
    std::FILE* temp = CreateTempBeside(path, tempPath);
    if (!temp) return WriteInPlace(path, bytes);
    if (WriteAndClose(temp, bytes) != 0 || ReplaceTargetFile(tempPath.c_str(), path) != 0) {
        std::remove(tempPath.c_str());
        return 1;
    }
    return 0;
}
