// Drives the icon core from scripts.
//   icon_tool count FILE            prints the directory count
//   icon_tool read FILE N           prints status, then 48 palette values and 1024 cells
//   icon_tool write FILE            reads 48 palette values and 1024 cells from stdin,
//                                   writes FILE, exits with WriteIconFile's result
#include "icon/reader.h"
#include "icon/writer.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int Usage() {
    std::fprintf(stderr, "usage: icon_tool count FILE | read FILE N | write FILE\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "count") == 0) {
        std::printf("%d\n", ReadIconImageCount(argv[2]));
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "read") == 0) {
        Palette pal{};
        PixelGrid grid{};
        const int status = ReadIconImage(argv[2], pal, grid, std::atoi(argv[3]));
        std::printf("%d\n", status);
        if (status == 0) {
            for (int value : pal) std::printf("%d ", value);
            std::printf("\n");
            for (int cell : grid) std::printf("%d ", cell);
            std::printf("\n");
        }
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "write") == 0) {
        Palette pal{};
        PixelGrid grid{};
        for (auto& value : pal) {
            if (std::scanf("%d", &value) != 1) return Usage();
        }
        for (auto& cell : grid) {
            if (std::scanf("%d", &cell) != 1) return Usage();
        }
        return WriteIconFile(argv[2], pal, grid);
    }
    return Usage();
}
