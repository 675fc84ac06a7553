// Draws the program's own icon and writes it with our writer.
//   make_icon OUT.ico        writes the icon to OUT.ico
//   make_icon --check FILE   exit 0 when FILE holds exactly what this program writes
#include "icon/document.h"
#include "icon/writer.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Values of the standard palette.
constexpr int BLACK = 0;
constexpr int GREY = 7;
constexpr int LIGHT_GREY = 8;
constexpr int RED = 9;
constexpr int GREEN = 10;
constexpr int YELLOW = 11;
constexpr int BLUE = 12;
constexpr int MAGENTA = 13;
constexpr int CYAN = 14;
constexpr int WHITE = 15;

// A white sheet with a dark frame on a transparent ground, holding a 3 x 3 grid
// of coloured dots: an icon made of dots, drawn by a program that paints dots.
PixelGrid DrawPicture() {
    PixelGrid grid;
    FillPixelGrid(grid, TRANSPARENT_INDEX);
    auto set = [&grid](int row, int column, int value) { grid[row * GRID_CELLS + column] = value; };
    for (int r = 2; r <= 29; ++r) {
        for (int c = 2; c <= 29; ++c) {
            const bool edge = r == 2 || r == 29 || c == 2 || c == 29;
            set(r, c, edge ? BLACK : WHITE);
        }
    }
    // A shadow on the right and bottom gives the sheet some depth.
    for (int i = 4; i <= 30; ++i) {
        set(30, i, GREY);
        set(i, 30, GREY);
    }
    const int dotColors[3][3] = {
        {RED, YELLOW, GREEN},
        {BLUE, MAGENTA, CYAN},
        {GREEN, LIGHT_GREY, RED},
    };
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            // Each dot is a 6 x 6 block with its corners cut off, so it reads as round.
            const int top = 5 + 8 * i;
            const int left = 5 + 8 * j;
            for (int r = 0; r < 6; ++r) {
                for (int c = 0; c < 6; ++c) {
                    const bool corner = (r == 0 || r == 5) && (c == 0 || c == 5);
                    if (!corner) set(top + r, left + c, dotColors[i][j]);
                }
            }
        }
    }
    return grid;
}

std::vector<char> ReadAll(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

int main(int argc, char** argv) {
    Palette standard;
    LoadStandardPalette(standard);
    const PixelGrid picture = DrawPicture();
    if (argc == 2) {
        if (WriteIconFile(argv[1], standard, picture) != 0) {
            std::fprintf(stderr, "make_icon: cannot write %s\n", argv[1]);
            return 1;
        }
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "--check") == 0) {
        // Written beside the caller, never into the source tree.
        const std::string fresh = "make_icon_check.ico";
        if (WriteIconFile(fresh.c_str(), standard, picture) != 0) {
            std::fprintf(stderr, "make_icon: cannot write %s\n", fresh.c_str());
            return 1;
        }
        const bool same = ReadAll(fresh.c_str()) == ReadAll(argv[2]);
        std::remove(fresh.c_str());
        if (!same) {
            std::fprintf(stderr, "make_icon: %s is not what make_icon writes; run make_icon %s\n",
                         argv[2], argv[2]);
            return 1;
        }
        return 0;
    }
    std::fprintf(stderr, "usage: make_icon OUT.ico | make_icon --check FILE.ico\n");
    return 2;
}
