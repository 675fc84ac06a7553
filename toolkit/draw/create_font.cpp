// Fonts from a height, width, weight, face and an attribute code.
#include "toolkit/draw/text.h"

namespace {

struct FontStyle {
    int code;
    bool italic, underline, strikeOut;
};

// The code's decimal digits name the attributes: 1 italic, 2 underline, 3 strike-out.
constexpr FontStyle FONT_STYLES[] = {
    {0, false, false, false}, {1, true, false, false}, {2, false, true, false},
    {3, false, false, true},  {12, true, true, false}, {13, true, false, true},
    {23, false, true, true},  {123, true, true, true},
};

} // namespace

HFONT rk_CreateFont_1(int height, int width, int escapement, int weight, int style, int,
                      const char* face) {
    // A code outside the table gives no attributes.
    FontStyle attributes{style, false, false, false};
    for (const FontStyle& row : FONT_STYLES) {
        if (row.code == style) attributes = row;
    }
    return CreateFontA(height, width, escapement, escapement, weight, attributes.italic,
                       attributes.underline, attributes.strikeOut, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
}
