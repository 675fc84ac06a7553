// libFuzzer target: the reader must never crash, must leave the palette and
// grid alone when it fails, and must agree with the position-by-position
// reference on every input.
#include "icon/reader.h"
#include "naive_reader.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

std::string inputPath;

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* tmp = std::getenv("TMPDIR");
    inputPath = std::string(tmp ? tmp : "/tmp") + "/icon-fuzz-" + std::to_string(getpid()) + ".ico";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(inputPath.c_str(), "wb");
    if (!file) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
    if (std::fclose(file) != 0) std::abort();

    Check(ReadIconImageCount(inputPath.c_str()) == NaiveReadIconImageCount(inputPath.c_str()),
          "count differs from the reference");

    const int chosen = size > 0 ? data[size - 1] % 8 - 1 : 0; // -1 .. 6
    for (int n : {1, 2, chosen}) {
        Palette pal{}, naivePal{};
        PixelGrid grid{}, naiveGrid{};
        pal.fill(-1), naivePal.fill(-1), grid.fill(-1), naiveGrid.fill(-1);
        const int status = ReadIconImage(inputPath.c_str(), pal, grid, n);
        const int naiveStatus = NaiveReadIconImageFromBytes(data, size, naivePal, naiveGrid, n);
        Check(status == naiveStatus, "status differs from the reference");
        Check(pal == naivePal && grid == naiveGrid, "image differs from the reference");
        if (status == 0) {
            for (int value : pal) Check(value >= 0 && value <= 255, "palette value out of range");
            for (int cell : grid) Check(cell >= 0 && cell <= 31, "cell out of range");
        } else {
            for (int value : pal) Check(value == -1, "palette touched on failure");
            for (int cell : grid) Check(cell == -1, "grid touched on failure");
        }
    }
    std::remove(inputPath.c_str());
    return 0;
}
