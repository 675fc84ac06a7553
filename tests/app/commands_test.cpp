// The commands of the push buttons, driven with WM_COMMAND and answered through
// the real message boxes and dialogs.
#include "app/editor_state.h"
#include "icon/document.h"
#include "icon/reader.h"
#include "tests/app/box_answerer.h"
#include "tests/app/editor_harness.h"
#include "toolkit/window/dialogs.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

const char* const NEW_IMAGE_QUESTION = "Har tidigare ikon eller mark\xF6r sparats?\n"
                                       "Ny image raderar tidigare image.\n"
                                       "Vill du forts\xE4tta med 'Ny image'?";
const char* const CANVAS_COLOR_QUESTION = "Har tidigare ikon eller mark\xF6r sparats?\n"
                                          "'Dukf\xE4rg' raderar tidigare image.\n"
                                          "Vill du forts\xE4tta m\xE5la hela duken i en f\xE4rg?";

// A palette of its own: entry k is (blue 10k, green 200 - 10k, red 5k + 3).
Palette OwnPalette() {
    Palette own;
    for (int k = 0; k < PALETTE_ENTRIES; ++k) {
        own[3 * k] = 10 * k;
        own[3 * k + 1] = 200 - 10 * k;
        own[3 * k + 2] = 5 * k + 3;
    }
    return own;
}

long FileSize(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return -1;
    std::fseek(file, 0, SEEK_END);
    const long size = std::ftell(file);
    std::fclose(file);
    return size;
}

// Marks the document and the views, so that a command that wipes or redraws shows.
void MarkEverything(HWND window) {
    pixelGrid[0] = 3;
    imageCount = 7;
    for (HWND button : {imageButton1, imageButton2, imageButton3, imageButton4}) {
        EnableWindow(button, TRUE);
    }
    SetWindowTextA(window, "before");
    for (HDC canvas : {thumbCanvas1, thumbCanvas2, previewGreyCanvas, maskCanvas}) {
        SetPixelV(canvas, 10, 10, RED);
    }
}

void ExpectNothingChanged(HWND window) {
    EXPECT_EQ(pixelGrid[0], 3);
    EXPECT_EQ(imageCount, 7);
    EXPECT_TRUE(ButtonEnabled(imageButton2));
    EXPECT_EQ(WindowTitle(window), "before");
    EXPECT_EQ(CanvasPixel(thumbCanvas1, 10, 10), RED);
    EXPECT_EQ(CanvasPixel(maskCanvas, 10, 10), RED);
}

// After "Ny image" and "Dukfärg": no file, views wiped, the buttons of a fresh start.
void ExpectStartedOver(HWND window) {
    EXPECT_EQ(imageCount, 0);
    EXPECT_EQ(WindowTitle(window), "Prickverket");
    EXPECT_TRUE(ButtonPushed(imageButton1));
    for (HWND button : {imageButton1, imageButton2, imageButton3, imageButton4}) {
        EXPECT_FALSE(ButtonEnabled(button));
    }
    for (HWND button : {imageButton2, imageButton3, imageButton4}) {
        EXPECT_FALSE(ButtonPushed(button));
    }
    for (HDC thumbnail : {thumbCanvas1, thumbCanvas2, thumbCanvas3, thumbCanvas4}) {
        EXPECT_TRUE(CanvasAreaIs(thumbnail, 0, 0, 32, 32, DARK_GREY));
    }
    EXPECT_TRUE(CanvasAreaIs(previewGreyCanvas, 9, 9, 32, 32, DARK_GREY));
    EXPECT_EQ(CanvasPixel(previewGreyCanvas, 8, 8), GREY); // the border keeps its colour
    EXPECT_EQ(CanvasPixel(previewBlackCanvas, 41, 41), BLACK);
    EXPECT_TRUE(CanvasAreaIs(previewWhiteCanvas, 9, 9, 32, 32, DARK_GREY));
    EXPECT_TRUE(CanvasAreaIs(maskCanvas, 0, 0, 32, 32, DARK_GREY));
    EXPECT_TRUE(WindowAreaIs(window, 395, 356, 32, 32, DARK_GREY));
}

using Commands = EditorTest;

TEST_F(Commands, NewImageRefusedChangesNothing) {
    for (Reply reply : {Reply::Cancel, Reply::Escape, Reply::CloseBox, Reply::Enter}) {
        MarkEverything(window);
        BoxAnswerer answerer({{reply, ""}});
        Command(window, ID_NEW_IMAGE);
        const auto seen = answerer.Seen();
        ASSERT_EQ(seen.size(), 1u) << static_cast<int>(reply);
        EXPECT_EQ(seen[0].caption, "VARNING!");
        EXPECT_EQ(seen[0].text, NEW_IMAGE_QUESTION);
        ExpectNothingChanged(window);
    }
}

TEST_F(Commands, NewImageConfirmedStartsOverInIndex15OfThePalette) {
    MarkEverything(window);
    const Palette own = OwnPalette();
    palette = own;
    BoxAnswerer answerer({{Reply::Ok, ""}});
    Command(window, ID_NEW_IMAGE);
    ASSERT_EQ(answerer.Seen().size(), 1u);
    for (int v : pixelGrid) ASSERT_EQ(v, 15);
    EXPECT_EQ(palette, own); // the palette stays
    const COLORREF entry15 = CellScreenColor(own, 15);
    EXPECT_TRUE(CanvasAreaIs(gridCanvas, 0, 0, 320, 320, entry15));
    EXPECT_TRUE(WindowAreaIs(window, 110, 10, 320, 320, entry15));
    ExpectStartedOver(window);
}

TEST_F(Commands, CanvasColorRefusedChangesNothing) {
    leftColor = RED;
    for (Reply reply : {Reply::Cancel, Reply::Escape, Reply::CloseBox, Reply::Enter}) {
        MarkEverything(window);
        BoxAnswerer answerer({{reply, ""}});
        Command(window, ID_CANVAS_COLOR);
        const auto seen = answerer.Seen();
        ASSERT_EQ(seen.size(), 1u) << static_cast<int>(reply);
        EXPECT_EQ(seen[0].caption, "DUKF\xC4RG!");
        EXPECT_EQ(seen[0].text, CANVAS_COLOR_QUESTION);
        ExpectNothingChanged(window);
    }
}

TEST_F(Commands, CanvasColorRedFillsEveryCellWith9) {
    MarkEverything(window);
    leftColor = RED;
    BoxAnswerer answerer({{Reply::Ok, ""}});
    Command(window, ID_CANVAS_COLOR);
    for (int v : pixelGrid) ASSERT_EQ(v, 9);
    EXPECT_TRUE(CanvasAreaIs(gridCanvas, 0, 0, 320, 320, RED));
    EXPECT_TRUE(WindowAreaIs(window, 110, 10, 320, 320, RED));
    ExpectStartedOver(window);
}

TEST_F(Commands, CanvasColorWithTheTransparentMarkMakesEveryCellTransparent) {
    leftColor = TRANSPARENT_MARK;
    BoxAnswerer answerer({{Reply::Ok, ""}});
    Command(window, ID_CANVAS_COLOR);
    for (int v : pixelGrid) ASSERT_EQ(v, TRANSPARENT_INDEX);
    // Each cell: the mark with a black dot at (+3, +3) and a white one at (+5, +5).
    const Pixels grid = Capture(gridCanvas, 0, 0, 320, 320);
    for (int y = 0; y < 320; ++y) {
        for (int x = 0; x < 320; ++x) {
            COLORREF expected = TRANSPARENT_MARK;
            if (x % 10 == 3 && y % 10 == 3) expected = BLACK;
            if (x % 10 == 5 && y % 10 == 5) expected = WHITE;
            ASSERT_EQ(grid.At(x, y), expected) << x << "," << y;
        }
    }
}

TEST_F(Commands, CanvasColorStoresTheValueOfThePalettesOwnEntry) {
    palette = OwnPalette();
    leftColor = CellScreenColor(palette, 5);
    BoxAnswerer answerer({{Reply::Ok, ""}});
    Command(window, ID_CANVAS_COLOR);
    for (int v : pixelGrid) ASSERT_EQ(v, 5);
    EXPECT_TRUE(CanvasAreaIs(gridCanvas, 0, 0, 320, 320, CellScreenColor(palette, 5)));
}

TEST_F(Commands, GridTwiceReturnsToDotAndEnablesColourAgain) {
    pixelGrid[0] = 9;
    Command(window, ID_GRID);
    EXPECT_EQ(gridOn, 1);
    EXPECT_EQ(std::string(gridStyle), "GRID_DOT");
    EXPECT_FALSE(ButtonEnabled(colorButton));
    // 9 x 9 blocks with the black backdrop between them.
    EXPECT_TRUE(CanvasAreaIs(gridCanvas, 0, 0, 9, 9, RED));
    EXPECT_TRUE(CanvasAreaIs(gridCanvas, 10, 10, 9, 9, WHITE));
    EXPECT_TRUE(CanvasAreaIs(gridCanvas, 9, 0, 1, 320, BLACK));
    EXPECT_TRUE(CanvasAreaIs(gridCanvas, 0, 319, 320, 1, BLACK));
    EXPECT_EQ(WindowPixel(window, 110 + 19, 10 + 25), BLACK);

    Command(window, ID_GRID);
    EXPECT_EQ(gridOn, 0);
    EXPECT_EQ(std::string(gridStyle), "DOT");
    EXPECT_TRUE(ButtonEnabled(colorButton));
    // Drawn again from the backdrop: the lines are covered by the joined blocks.
    EXPECT_TRUE(CanvasAreaIs(gridCanvas, 0, 0, 10, 10, RED));
    EXPECT_TRUE(CanvasAreaIs(gridCanvas, 10, 0, 310, 320, WHITE));
    EXPECT_TRUE(WindowAreaIs(window, 120, 10, 310, 320, WHITE));
}

TEST_F(Commands, ColourConfirmedBecomesTheGridLinesColour) {
    HDC before = backdropCanvas;
    BoxAnswerer answerer({{Reply::Ok, ""}});
    Command(window, ID_COLOR);
    ASSERT_EQ(answerer.Seen().size(), 1u);
    // The dialog opens at white, so OK confirms white.
    EXPECT_EQ(chosenColor, WHITE);
    EXPECT_NE(backdropCanvas, before);
    EXPECT_EQ(GetObjectType(before), 0u); // the old backdrop is released
    EXPECT_EQ(CanvasPixel(backdropCanvas, screenWidth - 1, screenHeight - 1), WHITE);
    // Nothing shows until the grid is drawn again.
    EXPECT_TRUE(CanvasAreaIs(gridCanvas, 0, 0, 320, 320, WHITE));
    pixelGrid.fill(0);
    Command(window, ID_GRID);
    EXPECT_TRUE(CanvasAreaIs(gridCanvas, 0, 0, 9, 9, BLACK));
    EXPECT_TRUE(CanvasAreaIs(gridCanvas, 9, 0, 1, 320, WHITE));
}

TEST_F(Commands, ColourCancelledMakesTheBackdropAgainInTheLastConfirmedColour) {
    chosenColor = 0x00FF00; // as if green had been confirmed earlier in the run
    HDC before = backdropCanvas;
    BoxAnswerer answerer({{Reply::Cancel, ""}});
    Command(window, ID_COLOR);
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(chosenColor, 0x00FF00u);
    EXPECT_NE(backdropCanvas, before);
    Command(window, ID_GRID);
    EXPECT_TRUE(CanvasAreaIs(gridCanvas, 9, 0, 1, 320, 0x00FF00));
}

TEST_F(Commands, UpdateRightAfterStartShowsWhiteSquaresAndABlackMask) {
    Command(window, ID_UPDATE);
    EXPECT_TRUE(CanvasAreaIs(previewGreyCanvas, 9, 9, 32, 32, WHITE));
    EXPECT_TRUE(CanvasAreaIs(previewBlackCanvas, 9, 9, 32, 32, WHITE));
    EXPECT_TRUE(CanvasAreaIs(previewWhiteCanvas, 9, 9, 32, 32, WHITE));
    EXPECT_EQ(CanvasPixel(previewGreyCanvas, 8, 20), GREY);
    EXPECT_EQ(CanvasPixel(previewBlackCanvas, 41, 20), BLACK);
    EXPECT_TRUE(CanvasAreaIs(maskCanvas, 0, 0, 32, 32, BLACK));
    EXPECT_TRUE(WindowAreaIs(window, 184 + 9, 347 + 9, 32, 32, WHITE));
    EXPECT_TRUE(WindowAreaIs(window, 252 + 9, 347 + 9, 32, 32, WHITE));
    EXPECT_EQ(WindowPixel(window, 252 + 5, 347 + 5), BLACK);
    EXPECT_TRUE(WindowAreaIs(window, 395, 356, 32, 32, BLACK));
    // The grid and the thumbnails are not touched.
    EXPECT_TRUE(CanvasAreaIs(thumbCanvas1, 0, 0, 32, 32, DARK_GREY));
}

TEST_F(Commands, StandardPaletteComesBackAtOnceWithoutRedrawingTheGrid) {
    palette = OwnPalette();
    pixelGrid[0] = 2;
    Command(window, ID_STD_PALETTE);
    Palette standard;
    LoadStandardPalette(standard);
    EXPECT_EQ(palette, standard);
    EXPECT_EQ(pixelGrid[0], 2);
    EXPECT_TRUE(WindowAreaIs(window, 525, 67, 30, 30, RED));
    EXPECT_TRUE(CanvasAreaIs(gridCanvas, 0, 0, 320, 320, WHITE));
}

TEST_F(Commands, DrawModesSwitchTheModeAndTheButtons) {
    Command(window, ID_DRAW_LINE);
    EXPECT_EQ(drawMode, 1);
    EXPECT_TRUE(ButtonPushed(lineButton));
    EXPECT_FALSE(ButtonPushed(pointButton));
    Command(window, ID_DRAW_POINT);
    EXPECT_EQ(drawMode, 0);
    EXPECT_TRUE(ButtonPushed(pointButton));
    EXPECT_FALSE(ButtonPushed(lineButton));
    EXPECT_TRUE(ButtonEnabled(pointButton));
    EXPECT_TRUE(ButtonEnabled(lineButton));
}

TEST_F(Commands, OtherIdsAndNotificationsDoNothing) {
    BoxAnswerer answerer({});
    pixelGrid[0] = 3;
    for (WPARAM id : {WPARAM{104}, WPARAM{105}, WPARAM{0}, WPARAM{999},
                      static_cast<WPARAM>(MAKEWPARAM(ID_NEW_IMAGE, 1)),
                      static_cast<WPARAM>(MAKEWPARAM(ID_GRID, BN_DOUBLECLICKED))}) {
        EXPECT_EQ(SendMessageA(window, WM_COMMAND, id, 0), 0);
        Pump();
    }
    EXPECT_TRUE(answerer.Seen().empty());
    EXPECT_EQ(gridOn, 0);
    EXPECT_EQ(pixelGrid[0], 3);
}

TEST_F(Commands, SaveWritesTheDocumentAndTitlesTheWindowWithThePath) {
    const std::string path = TestFolder() + "saved.ico";
    std::remove(path.c_str());
    palette = OwnPalette();
    for (int i = 0; i < CELL_COUNT; ++i) pixelGrid[i] = i % 32;
    const PixelGrid written = pixelGrid;
    BoxAnswerer answerer({{Reply::FileName, path}});
    Command(window, ID_SAVE);
    const auto seen = answerer.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, "Spara ikon...");
    EXPECT_EQ(std::string(savePath), path);
    EXPECT_EQ(WindowTitle(window), path);
    EXPECT_EQ(FileSize(path), 766);
    Palette readPalette;
    PixelGrid readGrid;
    ASSERT_EQ(ReadIconImage(path.c_str(), readPalette, readGrid, 1), 0);
    EXPECT_EQ(readPalette, OwnPalette());
    EXPECT_EQ(readGrid, written);
    std::remove(path.c_str());
}

TEST_F(Commands, FailedSaveIsReportedAndStillTitlesTheWindow) {
    const std::string path = TestFolder() + "no such folder\\lost.ico";
    BoxAnswerer answerer({{Reply::FileName, path}, {Reply::Ok, ""}});
    Command(window, ID_SAVE);
    const auto seen = answerer.Seen();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].caption, "Sparameddelande");
    EXPECT_EQ(seen[1].text, "Gick inte att spara!");
    EXPECT_EQ(WindowTitle(window), path);
    EXPECT_EQ(FileSize(path), -1);
}

TEST_F(Commands, SaveCancelledIsReportedAndChangesNothing) {
    BoxAnswerer answerer({{Reply::Cancel, ""}, {Reply::Ok, ""}});
    Command(window, ID_SAVE);
    const auto seen = answerer.Seen();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].caption, "Sparameddelande");
    EXPECT_EQ(seen[1].text, "Avbryt valdes!");
    EXPECT_EQ(WindowTitle(window), "Prickverket");
}

TEST_F(Commands, OpenCancelledIsReportedAndChangesNothing) {
    BoxAnswerer answerer({{Reply::Cancel, ""}, {Reply::Ok, ""}});
    Command(window, ID_OPEN);
    const auto seen = answerer.Seen();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].caption, "\xD6ppna ikon...");
    EXPECT_EQ(seen[1].caption, "\xD6ppnameddelande");
    EXPECT_EQ(seen[1].text, "Avbryt valdes!");
    EXPECT_EQ(WindowTitle(window), "Prickverket");
    EXPECT_FALSE(ButtonEnabled(imageButton1));
    EXPECT_EQ(imageCount, 0);
}

} // namespace
