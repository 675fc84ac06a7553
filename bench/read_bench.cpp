// How long reading one 32 x 32, 16-colour image out of a large multi-image icon
// takes, against a reference that seeks and re-reads the file with getc at every
// position. Built natively and for Wine. Prints figures; asserts nothing.
#include "bench/figures.h"
#include "icon/reader.h"
#include "tests/support/icon_files.h"

#include <cstdio>
#include <filesystem>

namespace {

// The bytes of the n-th image, found by seeking to every position in turn and
// comparing the header byte by byte; empty when there is none.
Bytes ReferenceRead(const char* path, int n) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return {};
    std::fseek(file, 0, SEEK_END);
    const long size = std::ftell(file);
    long pos = 0;
    for (int found = 0; pos + IMAGE_BYTES <= size; ++pos) {
        std::fseek(file, pos, SEEK_SET);
        size_t k = 0;
        while (k < IMAGE_HEADER_PATTERN.size() && std::getc(file) == IMAGE_HEADER_PATTERN[k]) ++k;
        if (k == IMAGE_HEADER_PATTERN.size() && ++found == n) break;
    }
    Bytes image;
    std::fseek(file, pos, SEEK_SET);
    for (int i = 0; pos + IMAGE_BYTES <= size && i < IMAGE_BYTES; ++i)
        image.push_back(static_cast<std::uint8_t>(std::getc(file)));
    std::fclose(file);
    return image;
}

} // namespace

int main() {
    // Large, deep images around three 32 x 32 4-bit ones; the last sits at the very end.
    PixelGrid stripes{};
    for (int i = 0; i < CELL_COUNT; ++i) stripes[i] = (i / 32 + i % 32) % 32;
    const Bytes ours = MakeImage(StandardPalette(), stripes);
    const Bytes file = MakeIconFile(9, {MakeOtherImage(16, 4), MakeOtherImage(256, 32), ours,
                                        MakeOtherImage(48, 32), MakeOtherImage(128, 8), ours,
                                        MakeOtherImage(64, 32), MakeOtherImage(32, 8), ours});
    const std::string path =
        (std::filesystem::temp_directory_path() / "prickverket-read-bench.ico").string();
    WriteBytes(path, file);

    Palette pal{};
    PixelGrid grid{};
    int failed = 0;
    const auto readAll = [&] {
        for (int n = 1; n <= 3; ++n) failed += ReadIconImage(path.c_str(), pal, grid, n);
    };
    const auto referenceAll = [&] {
        for (int n = 1; n <= 3; ++n) failed += ReferenceRead(path.c_str(), n) != ours;
    };
    readAll(); // warms the file cache
    const auto fast = Time(200, readAll, 3);
    const auto slow = Time(3, referenceAll, 3); // a second or more per run under Wine
    std::filesystem::remove(path);

    const std::string what = "icon read, per image of a " + std::to_string(file.size()) +
                             "-byte icon with 3 of 9 readable";
    Report(what, fast);
    Report(what + ", seek-and-getc reference (slow: 3 runs)", slow);
    if (failed != 0 || pal != StandardPalette() || grid != stripes)
        std::printf("warning: the reader or the reference did not find the images\n");
    return 0;
}
