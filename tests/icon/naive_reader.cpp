#include "naive_reader.h"
#include "icon/reader.h"

#include <cstdio>

namespace {

// The bytes come from a file through fseek and getc, or from memory; the
// scan and the decoding below are the same for both.
struct FileSource {
    std::FILE* file;
    void Seek(long pos) { std::fseek(file, pos, SEEK_SET); }
    int Get() { return std::getc(file); }
};

struct MemorySource {
    const std::uint8_t* data;
    long size;
    long next = 0;
    void Seek(long pos) { next = pos; }
    int Get() { return next < size ? data[next++] : EOF; }
};

template <class Source>
int ScanAndDecode(Source& source, long size, Palette& pal, PixelGrid& grid, int n) {
    if (size <= 0) return 1; // the scan's end rule never triggers for an empty file
    long header = -1;
    int counter = 1;
    for (long pos = 0; pos != size - 1; ++pos) {
        source.Seek(pos);
        bool match = true;
        for (std::uint8_t expected : IMAGE_HEADER_PATTERN) {
            if (source.Get() != expected) {
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
    if (header < 0 || size - header < IMAGE_BYTES) return 1;
    source.Seek(header + 40);
    for (int k = 0; k < 16; ++k) {
        pal[3 * k] = source.Get();
        pal[3 * k + 1] = source.Get();
        pal[3 * k + 2] = source.Get();
        source.Get();
    }
    for (int row = 31; row >= 0; --row) {
        for (int j = 0; j < 16; ++j) {
            const int byte = source.Get();
            grid[row * 32 + 2 * j] = byte / 16;
            grid[row * 32 + 2 * j + 1] = byte % 16;
        }
    }
    for (int row = 31; row >= 0; --row) {
        for (int j = 0; j < 4; ++j) {
            const int byte = source.Get();
            for (int b = 7; b >= 0; --b) {
                if (byte & (1 << b)) grid[row * 32 + 8 * j + (7 - b)] += 16;
            }
        }
    }
    return 0;
}

} // namespace

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
    FileSource source{file};
    const int status = ScanAndDecode(source, std::ftell(file), pal, grid, n);
    std::fclose(file);
    return status;
}

int NaiveReadIconImageFromBytes(const std::uint8_t* data, std::size_t size, Palette& pal,
                                PixelGrid& grid, int n) {
    MemorySource source{data, static_cast<long>(size)};
    return ScanAndDecode(source, source.size, pal, grid, n);
}
