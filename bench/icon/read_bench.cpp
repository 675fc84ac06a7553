// How long reading the 32 x 32, 16-colour images out of a large multi-image
// icon takes, against a reader that seeks and re-reads the file at every
// position. Prints figures; asserts nothing.
#include "icon/reader.h"
#include "tests/support/icon_files.h"
#include "naive_reader.h"

#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

} // namespace

int main() {
    // Large, deep images around three 32 x 32 4-bit ones; the last sits at the very end.
    const Bytes file = MakeIconFile({
        MakeImage(16, 16, 4, 1),
        MakeImage(256, 256, 32, 2),
        MakeImage32x4(SamplePalette(1), SampleGrid(1)),
        MakeImage(48, 48, 32, 3),
        MakeImage(128, 128, 8, 4),
        MakeImage32x4(SamplePalette(2), SampleGrid(2)),
        MakeImage(64, 64, 32, 5),
        MakeImage(32, 32, 8, 6),
        MakeImage32x4(SamplePalette(3), SampleGrid(3)),
    });
    const std::string folder = MakeScratchFolder();
    const std::string path = folder + "/bench.ico";
    WriteBytes(path, file);
    constexpr int IMAGES = 3;

    Palette pal{};
    PixelGrid grid{};
    int status = 0;
    // Warm the file cache and check that the images are there at all.
    for (int n = 1; n <= IMAGES; ++n) status |= ReadIconImage(path.c_str(), pal, grid, n);

    constexpr int ROUNDS = 200;
    auto start = Clock::now();
    for (int round = 0; round < ROUNDS; ++round) {
        for (int n = 1; n <= IMAGES; ++n) status |= ReadIconImage(path.c_str(), pal, grid, n);
    }
    const double fast = SecondsSince(start) / (ROUNDS * IMAGES);

    constexpr int NAIVE_ROUNDS = 1;
    start = Clock::now();
    for (int round = 0; round < NAIVE_ROUNDS; ++round) {
        for (int n = 1; n <= IMAGES; ++n) status |= NaiveReadIconImage(path.c_str(), pal, grid, n);
    }
    const double naive = SecondsSince(start) / (NAIVE_ROUNDS * IMAGES);
    RemoveScratchFolder(folder);

    std::printf("icon read: %zu-byte icon, %d images of 32x32 4-bit among 6 others%s\n",
                file.size(), IMAGES, status == 0 ? "" : " (SOME IMAGES NOT FOUND)");
    std::printf("icon read: in memory    %10.1f us per image\n", fast * 1e6);
    std::printf("icon read: seek + getc  %10.1f us per image\n", naive * 1e6);
    std::printf("icon read: ratio        %10.1f times faster\n", naive / fast);
    return 0;
}
