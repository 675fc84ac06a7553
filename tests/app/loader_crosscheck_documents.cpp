#include "tests/app/loader_crosscheck_documents.h"

#include "tests/support/icon_files.h"

#include <functional>
#include <random>

namespace {

using CellRule = std::function<int(int r, int k)>;

PixelGrid GridOf(const CellRule& rule) {
    PixelGrid grid{};
    for (int r = 0; r < GRID_CELLS; ++r) {
        for (int k = 0; k < GRID_CELLS; ++k) grid[r * GRID_CELLS + k] = rule(r, k);
    }
    return grid;
}

struct NamedGrid {
    const char* name;
    PixelGrid grid;
};

std::vector<NamedGrid> ShortGrids() {
    return {
        // Every value in every row and every column, in both nibbles of a byte
        // and under every bit of a mask byte.
        {"diagonal", GridOf([](int r, int k) { return (r + k) % 32; })},
        {"reverse diagonal", GridOf([](int r, int k) { return (r - k + 32) % 32; })},
        // Whole mask bytes of 0x00 and 0xFF, and every value beside itself.
        {"rows", GridOf([](int r, int) { return r; })},
        {"columns", GridOf([](int, int k) { return k; })},
        // Every opaque value with plain transparent cells on all four sides.
        {"checker", GridOf([](int r, int k) { return (r + k) % 2 ? 16 : (r * 7 + k) % 16; })},
        {"transparent", FilledGrid(TRANSPARENT_INDEX)},
        {"new image", FilledGrid(15)},
        {"random", SampleGrid(5)},
    };
}

// Bytes whose low bits, or whose top bit, a careless conversion would lose.
constexpr int EDGE_BYTES[] = {0x00, 0x01, 0x7F, 0x80, 0xFE, 0xFF, 0x40, 0xC0, 0x3F, 0x81, 0x55};
constexpr int EDGE_BYTE_COUNT = sizeof EDGE_BYTES / sizeof EDGE_BYTES[0];

// Palette number n of its own. The rotation puts every edge byte into every
// channel over a few palettes. Entry 0 is black in every third palette only:
// a plain transparent cell keeps the colour nibble 0.
Palette HandMadePalette(int n) {
    Palette pal{};
    for (int entry = 0; entry < PALETTE_ENTRIES; ++entry) {
        for (int channel = 0; channel < 3; ++channel) {
            pal[3 * entry + channel] =
                EDGE_BYTES[(n * 3 + entry * 5 + channel * 7) % EDGE_BYTE_COUNT];
        }
    }
    if (n % 3 == 0) pal[0] = pal[1] = pal[2] = 0;
    return pal;
}

Palette RandomPalette(std::mt19937& random) {
    Palette pal{};
    for (auto& value : pal) value = static_cast<int>(random() % 256);
    return pal;
}

// Uniform over 0..31, or mostly transparent, or mostly opaque.
PixelGrid RandomGrid(std::mt19937& random) {
    const int kind = static_cast<int>(random() % 3);
    PixelGrid grid{};
    for (auto& cell : grid) {
        const int value = static_cast<int>(random() % 32);
        if (kind == 0) cell = value;
        if (kind == 1) cell = random() % 4 ? TRANSPARENT_INDEX + value % 16 : value;
        if (kind == 2) cell = random() % 8 ? value % 16 : value;
    }
    return grid;
}

std::vector<NamedGrid> ShiftedDiagonals() {
    std::vector<NamedGrid> grids;
    for (int s = 0; s < 32; ++s) {
        grids.push_back({"", GridOf([s](int r, int k) { return (r + k + s) % 32; })});
    }
    return grids;
}

} // namespace

std::vector<CrossDocument> ShortStandardDocuments() {
    std::vector<CrossDocument> documents;
    for (const NamedGrid& g : ShortGrids()) {
        documents.push_back({g.name, StandardPalette(), g.grid});
    }
    return documents;
}

std::vector<CrossDocument> ShortOwnPaletteDocuments() {
    std::vector<CrossDocument> documents;
    int n = 0;
    for (const NamedGrid& g : ShortGrids()) {
        documents.push_back({std::string(g.name) + ", own palette " + std::to_string(n),
                             HandMadePalette(n), g.grid});
        ++n;
    }
    return documents;
}

std::vector<CrossDocument> LongStandardDocuments(int randomCount, unsigned seed) {
    std::vector<CrossDocument> documents;
    int s = 0;
    for (const NamedGrid& g : ShiftedDiagonals()) {
        documents.push_back({"diagonal shift " + std::to_string(s++), StandardPalette(), g.grid});
    }
    std::mt19937 random(seed);
    for (int i = 0; i < randomCount; ++i) {
        documents.push_back({"random " + std::to_string(i), StandardPalette(), RandomGrid(random)});
    }
    return documents;
}

std::vector<CrossDocument> LongOwnPaletteDocuments(int randomCount, unsigned seed) {
    std::vector<CrossDocument> documents;
    int s = 0;
    for (const NamedGrid& g : ShiftedDiagonals()) {
        documents.push_back(
            {"diagonal shift " + std::to_string(s) + ", own palette " + std::to_string(s),
             HandMadePalette(s), g.grid});
        ++s;
    }
    std::mt19937 random(seed ^ 0x9E3779B9u);
    for (int i = 0; i < randomCount; ++i) {
        Palette pal = RandomPalette(random);
        documents.push_back(
            {"random " + std::to_string(i) + ", random palette", pal, RandomGrid(random)});
    }
    return documents;
}
