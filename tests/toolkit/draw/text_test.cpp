// Text, numbers and fonts, compared pixel for pixel with plain TextOutA.
#include "shared_window_suite.h"
#include "test_window.h"

#include "toolkit/draw/target.h"
#include "toolkit/draw/text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

constexpr COLORREF RED = 0x0000FF;
constexpr COLORREF GREY = 0xC0C0C0;
constexpr int WIDTH = 1000;
constexpr int HEIGHT = 40;

class Text : public SharedWindowSuite<Text> {
  public:
    static HWND MakeWindow() { return MakeTestWindow(20, 500, 600, 120); }

  protected:
    void SetUp() override {
        SharedWindowSuite::SetUp();
        if (HasFatalFailure()) return;
        drawn = rk_CreateCanvas_1(window, WIDTH, HEIGHT, SENTINEL);
        reference = rk_CreateCanvas_1(window, WIDTH, HEIGHT, SENTINEL);
        ASSERT_NE(drawn, nullptr);
        ASSERT_NE(reference, nullptr);
        labelFont = rk_CreateFont_1(12, 6, 0, FW_THIN, 0, 0, "ARIAL");
        ASSERT_NE(labelFont, nullptr);
    }
    void TearDown() override {
        SharedWindowSuite::TearDown();
        rk_ReleaseCanvas_1(drawn);
        rk_ReleaseCanvas_1(reference);
        DeleteObject(labelFont);
    }
    // The text as plain GDI draws it on a fresh canvas context.
    void Reference(const std::string& text, HFONT font, COLORREF background, int x = 4, int y = 4) {
        FillCanvas(reference, SENTINEL);
        SetTextColor(reference, RED);
        HGDIOBJ previous = font != nullptr ? SelectObject(reference, font) : nullptr;
        if (background != 0) {
            SetBkMode(reference, OPAQUE);
            SetBkColor(reference, background);
        } else {
            SetBkMode(reference, TRANSPARENT);
        }
        TextOutA(reference, x, y, text.c_str(), static_cast<int>(text.size()));
        if (previous != nullptr) SelectObject(reference, previous);
        SetBkMode(reference, OPAQUE);
    }
    void DrawInCanvas() {
        FillCanvas(drawn, SENTINEL);
        rk_DrawTarget_1(window, "MEMORY");
        rk_SelectCanvas_1(drawn);
    }
    // Pixels where the two canvases differ, and how many of the reference's are ink.
    int Differences(int* ink = nullptr) {
        int differ = 0;
        int marked = 0;
        for (int y = 0; y < HEIGHT; ++y) {
            for (int x = 0; x < WIDTH; ++x) {
                const COLORREF want = GetPixel(reference, x, y);
                differ += GetPixel(drawn, x, y) != want;
                marked += want != SENTINEL;
            }
        }
        if (ink != nullptr) *ink = marked;
        return differ;
    }
    HDC drawn = nullptr;
    HDC reference = nullptr;
    HFONT labelFont = nullptr;
};

TEST_F(Text, NoBackgroundDrawsOnlyTheGlyphs) {
    DrawInCanvas();
    EXPECT_EQ(rk_TextOut_1(window, 4, 4, "Uppdatera", RED, labelFont, 0), 0);
    Reference("Uppdatera", labelFont, 0);
    int ink = 0;
    EXPECT_EQ(Differences(&ink), 0);
    EXPECT_GT(ink, 20);
    // The corner of the text cell stays as it was.
    EXPECT_EQ(GetPixel(drawn, 4, 4), SENTINEL);
    int grey = 0;
    for (int y = 0; y < HEIGHT; ++y)
        for (int x = 0; x < WIDTH; ++x) grey += GetPixel(drawn, x, y) == GREY;
    EXPECT_EQ(grey, 0);
}

TEST_F(Text, GreyBackgroundFillsTheTextCell) {
    DrawInCanvas();
    EXPECT_EQ(rk_TextOut_1(window, 4, 4, "Uppdatera", RED, labelFont, GREY), 0);
    Reference("Uppdatera", labelFont, GREY);
    EXPECT_EQ(Differences(), 0);
    SIZE cell{};
    HGDIOBJ previous = SelectObject(reference, labelFont);
    GetTextExtentPoint32A(reference, "Uppdatera", 9, &cell);
    SelectObject(reference, previous);
    EXPECT_EQ(GetPixel(drawn, 4, 4), GREY);
    EXPECT_EQ(GetPixel(drawn, 4 + cell.cx - 1, 4 + cell.cy - 1), GREY);
    EXPECT_EQ(GetPixel(drawn, 4 + cell.cx, 4), SENTINEL);
    EXPECT_EQ(GetPixel(drawn, 4, 4 + cell.cy), SENTINEL);
}

TEST_F(Text, NullFontKeepsTheContextsFont) {
    DrawInCanvas();
    rk_TextOut_1(window, 4, 4, "Grid", RED, nullptr, 0);
    Reference("Grid", nullptr, 0);
    EXPECT_EQ(Differences(), 0);
    // And the label font really looks different, so the comparison means something.
    Reference("Grid", labelFont, 0);
    EXPECT_GT(Differences(), 0);
}

TEST_F(Text, CanvasKeepsColoursAndGetsTheSystemFontAndOpaqueBack) {
    DrawInCanvas();
    SetBkMode(drawn, TRANSPARENT);
    rk_TextOut_1(window, 4, 4, "F\xE4rg", RED, labelFont, GREY);
    EXPECT_EQ(GetTextColor(drawn), RED);
    EXPECT_EQ(GetBkColor(drawn), GREY);
    EXPECT_EQ(GetBkMode(drawn), OPAQUE);
    EXPECT_EQ(GetCurrentObject(drawn, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    rk_TextOut_1(window, 4, 4, "x", 0x00FF00, labelFont, 0);
    EXPECT_EQ(GetBkColor(drawn), GREY);
    EXPECT_EQ(GetBkMode(drawn), OPAQUE);
}

TEST_F(Text, TextOnTheClientArea) {
    FillClient(window, SENTINEL);
    PumpMessages();
    rk_TextOut_1(window, 4, 4, "Spara...", RED, labelFont, GREY);
    Reference("Spara...", labelFont, GREY);
    HDC client = GetDC(window);
    int differ = 0;
    for (int y = 0; y < HEIGHT; ++y)
        for (int x = 0; x < 200; ++x) differ += GetPixel(client, x, y) != GetPixel(reference, x, y);
    ReleaseDC(window, client);
    EXPECT_EQ(differ, 0);
}

struct NumberCase {
    double value;
    int decimals;
    const char* text;
};

TEST_F(Text, NumbersAreDrawnInTheirFixedPointFormats) {
    const NumberCase cases[] = {
        {3, 0, "3"},
        {2.5, 1, "2.5"},
        {12, 8, "12.00000000"},
        {12, 12, "12.00000000"},
        {3.14159, 2, "3.14"},
        {1.0 / 3, 7, "0.3333333"},
        {2.75, -1, "3"},
        {-4.25, -30, "-4"},
        {-0.5, 3, "-0.500"},
    };
    for (const NumberCase& number : cases) {
        DrawInCanvas();
        EXPECT_EQ(rk_NumberOut_1(window, 4, 4, number.value, number.decimals, RED, labelFont, GREY),
                  0);
        Reference(number.text, labelFont, GREY);
        EXPECT_EQ(Differences(), 0) << number.value << " with " << number.decimals;
    }
}

TEST_F(Text, HugeNumberIsCutAtNinetyNineCharacters) {
    char full[400];
    std::snprintf(full, sizeof full, "%.8f", 1e300);
    ASSERT_GT(std::string(full).size(), 300u);
    const std::string cut = std::string(full).substr(0, 99);
    DrawInCanvas();
    EXPECT_EQ(rk_NumberOut_1(window, 0, 4, 1e300, 8, RED, nullptr, 0), 0);
    Reference(cut, nullptr, 0, 0, 4);
    int ink = 0;
    EXPECT_EQ(Differences(&ink), 0);
    EXPECT_GT(ink, 0);
}

TEST_F(Text, FontStyleCodes) {
    struct Style {
        int code;
        bool italic, underline, strikeOut;
    };
    const Style styles[] = {
        {0, false, false, false},  {1, true, false, false},   {2, false, true, false},
        {3, false, false, true},   {12, true, true, false},   {13, true, false, true},
        {23, false, true, true},   {123, true, true, true},   {4, false, false, false},
        {21, false, false, false}, {-1, false, false, false}, {1234, false, false, false},
    };
    for (const Style& style : styles) {
        HFONT font = rk_CreateFont_1(12, 6, 0, FW_THIN, style.code, 77, "ARIAL");
        ASSERT_NE(font, nullptr) << style.code;
        LOGFONTA info{};
        ASSERT_EQ(GetObjectA(font, sizeof info, &info), static_cast<int>(sizeof info));
        EXPECT_EQ(info.lfItalic != 0, style.italic) << style.code;
        EXPECT_EQ(info.lfUnderline != 0, style.underline) << style.code;
        EXPECT_EQ(info.lfStrikeOut != 0, style.strikeOut) << style.code;
        DeleteObject(font);
    }
}

TEST_F(Text, FontTakesTheOtherParametersAsGiven) {
    HFONT font = rk_CreateFont_1(20, 9, 900, FW_BOLD, 13, 0, "ARIAL");
    ASSERT_NE(font, nullptr);
    LOGFONTA info{};
    ASSERT_NE(GetObjectA(font, sizeof info, &info), 0);
    EXPECT_EQ(info.lfHeight, 20);
    EXPECT_EQ(info.lfWidth, 9);
    EXPECT_EQ(info.lfEscapement, 900);
    EXPECT_EQ(info.lfOrientation, 900);
    EXPECT_EQ(info.lfWeight, FW_BOLD);
    EXPECT_EQ(info.lfCharSet, ANSI_CHARSET);
    EXPECT_EQ(info.lfOutPrecision, OUT_DEFAULT_PRECIS);
    EXPECT_EQ(info.lfClipPrecision, CLIP_DEFAULT_PRECIS);
    EXPECT_EQ(info.lfQuality, DEFAULT_QUALITY);
    EXPECT_EQ(info.lfPitchAndFamily, 0x20);
    EXPECT_STREQ(info.lfFaceName, "ARIAL");
    DeleteObject(font);
}

} // namespace
