// Opening icon files through the real open dialog, and the image buttons.
#include "app/editor_state.h"
#include "icon/document.h"
#include "tests/app/box_answerer.h"
#include "tests/app/editor_harness.h"
#include "tests/support/icon_files.h"
#include "toolkit/window/dialogs.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string NotKindText(int k) {
    return "Image " + std::to_string(k) + " \xE4r inte av typen\n32x32 pixel och 16 f\xE4rger!";
}

// Image k of a test file: every cell k, one transparent cell at the top left.
PixelGrid NumberedGrid(int k) {
    PixelGrid grid = FilledGrid(k);
    grid[0] = TRANSPARENT_INDEX;
    return grid;
}

Bytes NumberedImage(int k) {
    return MakeImage32x4(StandardPalette(), NumberedGrid(k));
}

struct ButtonState {
    bool pushed;
    bool enabled;
};

void ExpectButtons(const ButtonState (&expected)[4]) {
    HWND buttons[] = {imageButton1, imageButton2, imageButton3, imageButton4};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ButtonPushed(buttons[i]), expected[i].pushed) << "button " << i + 1;
        EXPECT_EQ(ButtonEnabled(buttons[i]), expected[i].enabled) << "button " << i + 1;
    }
}

constexpr ButtonState PUSHED_DISABLED = {true, false};
constexpr ButtonState RELEASED_ENABLED = {false, true};

class Open : public EditorTest {
  protected:
    // Opens the file through the dialog; further boxes are answered with OK.
    std::vector<SeenBox> OpenFile(const std::string& name, const Bytes& bytes) {
        path = TestFolder() + name;
        WriteBytes(path, bytes);
        BoxAnswerer answerer({{Reply::FileName, path},
                              {Reply::Ok, ""},
                              {Reply::Ok, ""},
                              {Reply::Ok, ""},
                              {Reply::Ok, ""}});
        Command(window, ID_OPEN);
        auto seen = answerer.Seen();
        if (!seen.empty()) seen.erase(seen.begin()); // the open dialog itself
        return seen;
    }
    void TearDown() override {
        std::remove(path.c_str());
        EditorTest::TearDown();
    }
    std::string path;
};

TEST_F(Open, CountEightWithSixImagesLoadsOneToSix) {
    std::vector<Bytes> images;
    for (int k = 1; k <= 6; ++k) images.push_back(NumberedImage(k));
    const auto messages = OpenFile("eight.ico", MakeIconFile(8, images));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(imageCount, 8);
    EXPECT_EQ(pixelGrid, NumberedGrid(6));
    EXPECT_EQ(WindowTitle(window), path);
    EXPECT_EQ(std::string(openPath), path);
    ExpectButtons({RELEASED_ENABLED, RELEASED_ENABLED, RELEASED_ENABLED, PUSHED_DISABLED});
    // Thumbnails of images 1 to 4 on grey; the grid shows image 6.
    HDC thumbnails[] = {thumbCanvas1, thumbCanvas2, thumbCanvas3, thumbCanvas4};
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(CanvasPixel(thumbnails[k - 1], 0, 0), GREY);
        EXPECT_EQ(CanvasPixel(thumbnails[k - 1], 31, 31), STANDARD_COLORS[k]);
    }
    EXPECT_EQ(CanvasPixel(gridCanvas, 200, 200), STANDARD_COLORS[6]);
    EXPECT_EQ(WindowPixel(window, 12 + 20, 356 + 20), STANDARD_COLORS[4]);
    EXPECT_EQ(WindowPixel(window, 310, 200), STANDARD_COLORS[6]);
    // The count drawn in red is two characters wide at most: "8".
    int red = 0;
    for (int y = 125; y < 140; ++y) {
        for (int x = 71; x < 85; ++x) red += WindowPixel(window, x, y) == 0x0000FF;
    }
    EXPECT_GT(red, 5);
}

TEST_F(Open, MixedFileLoadsTheSecondSupportedImageAndReportsTheThird) {
    const Bytes file = MakeIconFile(3, {NumberedImage(2), MakeImage16x4(5), NumberedImage(12)});
    const auto messages = OpenFile("mixed.ico", file);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "\xD6ppnameddelande");
    EXPECT_EQ(messages[0].text, NotKindText(3));
    EXPECT_EQ(pixelGrid, NumberedGrid(12));
    ExpectButtons({RELEASED_ENABLED, PUSHED_DISABLED, RELEASED_ENABLED, RELEASED_ENABLED});
    EXPECT_EQ(CanvasPixel(thumbCanvas2, 5, 5), STANDARD_COLORS[12]);
    EXPECT_TRUE(CanvasAreaIs(thumbCanvas3, 0, 0, 32, 32, DARK_GREY));
    EXPECT_EQ(imageCount, 3);
}

TEST_F(Open, OnlyASmallImageKeepsTheDocumentAndDrawsItAgain) {
    pixelGrid.fill(9); // not yet drawn: the grid canvas is still white
    const auto messages = OpenFile("small.ico", MakeIconFile(1, {MakeImage16x4(3)}));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, NotKindText(1));
    for (int v : pixelGrid) ASSERT_EQ(v, 9);
    EXPECT_TRUE(CanvasAreaIs(gridCanvas, 0, 0, 320, 320, 0x0000FF));
    EXPECT_TRUE(CanvasAreaIs(previewWhiteCanvas, 9, 9, 32, 32, 0x0000FF));
    EXPECT_TRUE(CanvasAreaIs(maskCanvas, 0, 0, 32, 32, 0x000000));
    ExpectButtons({RELEASED_ENABLED, RELEASED_ENABLED, RELEASED_ENABLED, RELEASED_ENABLED});
    EXPECT_EQ(WindowTitle(window), path);
    EXPECT_TRUE(CanvasAreaIs(thumbCanvas1, 0, 0, 32, 32, DARK_GREY));
}

TEST_F(Open, OneImageThenButtonThreeLoadsNothingAndSaysNothing) {
    const auto messages = OpenFile("one.ico", MakeIconFile(1, {NumberedImage(10)}));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(pixelGrid, NumberedGrid(10));
    ExpectButtons({PUSHED_DISABLED, RELEASED_ENABLED, RELEASED_ENABLED, RELEASED_ENABLED});
    // The previews show image 1 with its transparent corner pixel.
    EXPECT_EQ(CanvasPixel(previewBlackCanvas, 9, 9), 0x000000u);
    EXPECT_EQ(CanvasPixel(previewBlackCanvas, 10, 9), STANDARD_COLORS[10]);
    EXPECT_EQ(CanvasPixel(maskCanvas, 0, 0), GREY);
    EXPECT_EQ(CanvasPixel(maskCanvas, 1, 0), 0x000000u);

    pixelGrid[5] = 1; // an edit that a load would throw away
    BoxAnswerer answerer({});
    Command(window, ID_IMAGE3);
    EXPECT_TRUE(answerer.Seen().empty());
    EXPECT_EQ(pixelGrid[5], 1);
    ExpectButtons({PUSHED_DISABLED, RELEASED_ENABLED, RELEASED_ENABLED, RELEASED_ENABLED});
    // The views were drawn again from the document as it is.
    EXPECT_EQ(CanvasPixel(gridCanvas, 55, 5), STANDARD_COLORS[1]);
}

TEST_F(Open, FourImagesThenButtonOneLeavesTheButtonsAsTheyWere) {
    std::vector<Bytes> images;
    for (int k = 1; k <= 4; ++k) images.push_back(NumberedImage(k));
    const auto messages = OpenFile("four.ico", MakeIconFile(4, images));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(pixelGrid, NumberedGrid(4));
    ExpectButtons({RELEASED_ENABLED, RELEASED_ENABLED, RELEASED_ENABLED, PUSHED_DISABLED});
    Command(window, ID_IMAGE1);
    EXPECT_EQ(pixelGrid, NumberedGrid(1));
    ExpectButtons({RELEASED_ENABLED, RELEASED_ENABLED, RELEASED_ENABLED, PUSHED_DISABLED});
    EXPECT_EQ(CanvasPixel(gridCanvas, 200, 200), STANDARD_COLORS[1]);
    EXPECT_EQ(WindowPixel(window, 310, 200), STANDARD_COLORS[1]);
}

TEST_F(Open, ImageButtonsReadTheOpenedFileEvenAfterASaveElsewhere) {
    OpenFile("opened.ico", MakeIconFile(1, {NumberedImage(11)}));
    const std::string saved = TestFolder() + "elsewhere.ico";
    std::remove(saved.c_str());
    pixelGrid.fill(0);
    {
        BoxAnswerer answerer({{Reply::FileName, saved}});
        Command(window, ID_SAVE);
    }
    EXPECT_EQ(WindowTitle(window), saved);
    EnableWindow(imageButton1, TRUE);
    Command(window, ID_IMAGE1);
    EXPECT_EQ(pixelGrid, NumberedGrid(11));
    std::remove(saved.c_str());
}

TEST_F(Open, APaletteOfItsOwnIsShownAndPaintedInItsTrueColours) {
    Palette own;
    for (int k = 0; k < PALETTE_ENTRIES; ++k) {
        own[3 * k] = 17 * k;             // blue
        own[3 * k + 1] = 255 - 17 * k;   // green
        own[3 * k + 2] = (40 * k) % 256; // red
    }
    PixelGrid grid;
    for (int i = 0; i < CELL_COUNT; ++i) grid[i] = (i / 32) % 16;
    OpenFile("own.ico", MakeIconFile(1, {MakeImage32x4(own, grid)}));
    ASSERT_EQ(palette, own);
    for (int r = 0; r < 16; ++r) {
        const COLORREF color = RGB((40 * r) % 256, 255 - 17 * r, 17 * r);
        EXPECT_EQ(CanvasPixel(gridCanvas, 5, 10 * r + 5), color) << r;
        EXPECT_EQ(CanvasPixel(previewGreyCanvas, 9, 9 + r), color) << r;
        EXPECT_EQ(CanvasPixel(thumbCanvas1, 3, r), color) << r;
    }
    // The swatch at (525, 67) is slot 12: entry 9.
    const COLORREF entry9 = RGB((40 * 9) % 256, 255 - 17 * 9, 17 * 9);
    EXPECT_TRUE(WindowAreaIs(window, 525, 67, 30, 30, entry9));
    // Picking it and painting with it stores 9 and shows the swatch's colour.
    MouseMessage(window, WM_LBUTTONUP, 540, 80);
    EXPECT_EQ(leftColor, entry9);
    MouseMessage(window, WM_LBUTTONDOWN, 135, 27, MK_LBUTTON);
    EXPECT_EQ(pixelGrid[1 * 32 + 2], 9);
    EXPECT_TRUE(CanvasAreaIs(gridCanvas, 20, 10, 10, 10, entry9));
    EXPECT_TRUE(WindowAreaIs(window, 130, 20, 10, 10, entry9));
}

TEST_F(Open, KeptColourCellsShowAsWindowsDrawsThem) {
    // Values 17..31 in rows 0..14; the rest opaque white.
    PixelGrid grid = FilledGrid(15);
    for (int r = 0; r < 15; ++r) {
        for (int c = 0; c < 32; ++c) grid[r * 32 + c] = 17 + r;
    }
    OpenFile("kept.ico", MakeIconFile(1, {MakeImage32x4(StandardPalette(), grid)}));
    ASSERT_EQ(pixelGrid, grid);
    for (int r = 0; r < 15; ++r) {
        const COLORREF kept = STANDARD_COLORS[r + 1];
        // The edit grid: the transparent mark with its two dots.
        EXPECT_EQ(CanvasPixel(gridCanvas, 40, 10 * r), TRANSPARENT_MARK) << r;
        EXPECT_EQ(CanvasPixel(gridCanvas, 43, 10 * r + 3), 0x000000u) << r;
        EXPECT_EQ(CanvasPixel(gridCanvas, 45, 10 * r + 5), 0xFFFFFFu) << r;
        // The previews: the background inverted by the kept colour.
        EXPECT_EQ(CanvasPixel(previewGreyCanvas, 20, 9 + r), GREY ^ kept) << r;
        EXPECT_EQ(CanvasPixel(previewBlackCanvas, 20, 9 + r), kept) << r;
        EXPECT_EQ(CanvasPixel(previewWhiteCanvas, 20, 9 + r), 0xFFFFFF ^ kept) << r;
        EXPECT_EQ(CanvasPixel(thumbCanvas1, 20, r), GREY ^ kept) << r;
        // The mask: transparent, so the background.
        EXPECT_EQ(CanvasPixel(maskCanvas, 20, r), GREY) << r;
    }
    EXPECT_EQ(CanvasPixel(maskCanvas, 20, 20), 0x000000u);
}

} // namespace
