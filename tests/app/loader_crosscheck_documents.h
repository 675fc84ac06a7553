// The documents that the loader cross-check writes, has Windows draw, and
// compares with the editor's previews: every cell value 0..31 next to every
// kind of neighbour, with the standard palette and with palettes of their own.
#pragma once

#include "icon/document.h"

#include <string>
#include <vector>

struct CrossDocument {
    std::string name; // for the summary line
    Palette palette;
    PixelGrid grid;
};

// The grids of the short form, each with the standard palette.
std::vector<CrossDocument> ShortStandardDocuments();
// The same grids, each with a palette of its own.
std::vector<CrossDocument> ShortOwnPaletteDocuments();

// The long form: the 32 shifts of a diagonal of all values (so over the set every
// value stands at every position), then randomCount seeded random grids.
std::vector<CrossDocument> LongStandardDocuments(int randomCount, unsigned seed);
// The same, each with a random palette of its own; the shifts also get the short
// form's hand-made palettes.
std::vector<CrossDocument> LongOwnPaletteDocuments(int randomCount, unsigned seed);
