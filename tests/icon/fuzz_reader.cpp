// libFuzzer: the reader never crashes and agrees with the plain scan, untouched output included.
#include "icon/reader.h"
#include "tests/icon/reference_scan.h"
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static const std::string path = "/tmp/icon-fuzz-" + std::to_string(getpid()) + ".ico";
    static Palette pal, refPal; // equal before each read; a failed one must leave them so
    static PixelGrid grid, refGrid;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) std::abort();
    if (ReadIconImageCount(path.c_str()) != (size >= 5 ? data[4] : -1)) std::abort();
    for (int n : {1, 2, size ? data[size - 1] % 8 - 1 : 0}) { // n from -1 to 6
        const bool same = ReadIconImage(path.c_str(), pal, grid, n) ==
                          ReferenceRead(data, size, n, refPal, refGrid);
        if (!same || pal != refPal || grid != refGrid) std::abort();
    }
    std::remove(path.c_str()); // none left behind
    return 0;
}
