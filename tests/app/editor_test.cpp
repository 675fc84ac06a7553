// The editor's window driven through real boxes, dialogs and pointer, read back from its pixels.
#include "app/editor_state.h"
#include "app/start_program.h"
#include "icon/load_image.h"
#include "icon/writer.h"
#include "tests/app/editor_harness.h"
#include "tests/support/icon_files.h"
#include "toolkit/draw/target.h"
#include "toolkit/window/dialogs.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF WHITE = 0xFFFFFF, WIPED = 0x646464, RED = 0x0000FF, GREEN = 0x00FF00,
                   MARK = TRANSPARENT_MARK, NONE = 0x123456;
const Palette STD = StandardPalette();
// The entry each swatch shows: the left column top to bottom, then the right one.
constexpr int SWATCHES[16] = {15, 8, 9, 12, 11, 10, 13, 14, 0, 7, 1, 4, 3, 2, 5, 6};
COLORREF Entry(const Palette& p, int k) {
    return RGB(p[3 * k + 2], p[3 * k + 1], p[3 * k]);
}
std::string Area(int x, int y, int w, int h, COLORREF c) {
    return PixelDiff(Editor(), x, y, w, h, [c](int, int) { return c; });
}
int Pushed(HWND b) {
    return SendMessageA(b, BM_GETSTATE, 0, 0) & BST_PUSHED ? 1 : 0;
}
// Title, image buttons ("pd": pushed and disabled, "re": released and enabled), count.
std::string State() {
    char title[300] = "";
    GetWindowTextA(Editor(), title, sizeof title);
    std::string state = title;
    for (HWND b : {imageButton1, imageButton2, imageButton3, imageButton4})
        state += std::string(Pushed(b) ? " p" : " r") + (IsWindowEnabled(b) ? "e" : "d");
    return state + " " + std::to_string(imageCount);
}
// The standard palette and a new all-white image, without grid lines.
void Reset() {
    if (gridOn) Command(ID_GRID);
    Command(ID_STD_PALETTE);
    Answering({{Reply::Ok}}, [] { Command(ID_NEW_IMAGE); });
}

// Empty when every cell of the document is value, but cell `at` atValue; else the first few.
std::string Cells(int value, int at = -1, int atValue = 0) {
    std::string diff;
    for (int i = 0; i < CELL_COUNT && diff.size() < 120; ++i) {
        const int want = i == at ? atValue : value;
        if (pixelGrid[i] != want)
            diff += "cell " + std::to_string(i) + ": got " + std::to_string(pixelGrid[i]) +
                    ", want " + std::to_string(want) + "\n";
    }
    return diff;
}
// This program's folder for its files, a Windows path ending in a backslash.
std::string TestFolder() {
    char temp[MAX_PATH] = "";
    const std::string folder(std::string(temp, GetTempPathA(MAX_PATH, temp)) + "prickverket\\");
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

// After every test: no handler left the drawing target off the client area.
class EditorTest : public ::testing::Test {
  protected:
    void TearDown() override { EXPECT_EQ(currentTarget, TARGET_CLIENT); }
};

} // namespace

// The window as it first shows; runs before any other test has touched it.
TEST_F(EditorTest, StartScreen) {
    // x, y, edge, colour: grid, previews, mask, transparent swatch, left and right colours.
    std::vector<std::array<int, 4>> areas = {{110, 10, 320, 0xFFFFFF}, {184, 347, 50, 0xC0C0C0},
                                             {252, 347, 50, 0},        {319, 347, 50, 0xFFFFFF},
                                             {395, 356, 32, 0xC0C0C0}, {540, 282, 30, 0x6464C8},
                                             {525, 344, 30, 0},        {556, 344, 30, 0xFFFFFF}};
    for (int n = 0; n < 4; ++n) areas.push_back({12, 206 + 50 * n, 32, 0x646464});
    for (auto [x, y, edge, want] : areas) EXPECT_EQ(Area(x, y, edge, edge, want), "");
    EXPECT_EQ(State() + std::to_string(Pushed(pointButton) * 10 + Pushed(lineButton)),
              "Prickverket rd rd rd rd 010");
    EXPECT_NE(GetClassLongPtrA(Editor(), GCLP_HICON), 0); // the program's icon
    EXPECT_NE(Area(71, 125, 12, 10, 0xC0C0C0).find("got 0000FF"), std::string::npos); // red 0
}

// "Ny image" and "Dukfärg" ask first: refused, nothing changes; confirmed, they start over.
TEST_F(EditorTest, BoxCommands) {
    Palette own; // sixteen colours, none of them standard
    for (int i = 0; i < 48; ++i) own[i] = (37 * i + 11) % 256;
    // command, answer, palette, left colour, the value every cell then holds
    std::vector<std::tuple<int, Reply, Palette, COLORREF, int>> rows = {
        {ID_NEW_IMAGE, Reply::Ok, own, RED, 15},
        {ID_CANVAS_COLOR, Reply::Ok, STD, MARK, 16},
        {ID_CANVAS_COLOR, Reply::Ok, own, Entry(own, 5), 5}};
    for (int id : {ID_NEW_IMAGE, ID_CANVAS_COLOR})
        for (Reply no : {Reply::Cancel, Reply::Escape, Reply::CloseBox, Reply::Enter})
            rows.push_back({id, no, STD, RED, 3});
    for (auto [id, reply, pal, left, value] : rows) {
        SCOPED_TRACE("command " + std::to_string(id) + ", answer " + std::to_string(int(reply)));
        Reset();
        FillPixelGrid(pixelGrid, 3);
        std::tie(palette, leftColor, imageCount) = std::tuple(pal, left, 7);
        SetWindowTextA(Editor(), "before");
        for (HDC view : {thumbCanvas4, maskCanvas}) SetPixelV(view, 20, 20, RED);
        EXPECT_EQ(Answering({{reply}}, [id = id] { Command(id); }).at(0).caption,
                  id == ID_NEW_IMAGE ? "VARNING!" : "DUKF\xC4RG!");
        const bool done = reply == Reply::Ok;
        const COLORREF fill = !done ? WHITE : value < 16 ? Entry(pal, value) : MARK;
        const auto dots = [&](int x, int y) { // a transparent cell shows dots on the mark
            const int at = x % 10 * 10 + y % 10;
            return fill != MARK ? fill : at == 33 ? 0 : at == 55 ? WHITE : MARK;
        };
        EXPECT_EQ(PixelDiff(Editor(), 110, 10, 320, 320, dots), "");
        EXPECT_EQ(Cells(value) + State(),
                  done ? "Prickverket pd rd rd rd 0" : "before pd rd rd rd 7");
        for (HDC view : {thumbCanvas4, maskCanvas}) // wiped, or as they were
            EXPECT_EQ(AreaDiff(view, 20, 20, 1, 1, done ? WIPED : RED), "");
        // Without lines the blocks are 11 pixels: the last ones reach past the 320 shown.
        EXPECT_EQ(fill == MARK ? "" : AreaDiff(gridCanvas, 0, 320, 321, 1, fill), "");
    }
}

// Grid lines and their colour, previews, whole-wParam matching, cancelled and failed dialogs.
TEST_F(EditorTest, OtherCommands) {
    palette[29] = 0; // the red of entry 9 gone: "Stnd pal" in Reset brings it back
    Reset();
    pixelGrid[0] = 9, pixelGrid[1] = 16, pixelGrid[2] = 20; // a kept colour shows as transparent
    for (Reply reply : {Reply::Colour, Reply::Cancel}) {    // a cancelled choice keeps the colour
        Answering({{reply, "", GREEN}}, [] { Command(ID_COLOR); });
        for (int on : {1, 0}) {
            Command(ID_GRID);
            const std::string cells = Area(110, 10, 10 - on, 10 - on, RED) +
                                      Area(131, 11, 8 - on, 1, MARK) + Area(123, 13, 1, 1, 0);
            EXPECT_EQ(cells + Area(119, 30, 1, 300, on ? GREEN : WHITE), "") << on;
            EXPECT_EQ(IsWindowEnabled(colorButton), !on); // "Färg" only while the grid is off
        }
    }
    Command(ID_UPDATE); // the previews and the mask
    for (int x : {196, 264, 331}) EXPECT_EQ(Area(x, 356, 29, 32, WHITE), "");
    EXPECT_EQ(Area(398, 356, 29, 32, 0) + Area(193, 356, 1, 1, RED), "");
    for (WPARAM wParam : {MAKEWPARAM(ID_GRID, 1), MAKEWPARAM(ID_NEW_IMAGE, BN_DOUBLECLICKED)})
        EXPECT_EQ(Answering({}, [=] { Command(wParam); }).size() + gridOn, 0u) << wParam;
    // A cancelled open is reported; so is a failed save, which still titles the window.
    const std::string lost = TestFolder() + "no folder\\lost.ico";
    for (auto [id, reply, title, notice] :
         {std::tuple{ID_OPEN, Reply::Cancel, std::string("before"), "Avbryt valdes!"},
          std::tuple{ID_SAVE, Reply::Path, lost, "Gick inte att spara!"}}) {
        SetWindowTextA(Editor(), "before");
        const auto seen = Answering({{reply, lost}, {Reply::Ok}}, [id = id] { Command(id); });
        EXPECT_EQ(seen.back().text, notice);
        EXPECT_EQ(State().find(title + " "), 0u) << State();
    }
}

// Open loads images 1 to min(count, 6), reports the others and marks the last one's button.
TEST_F(EditorTest, Open) {
    // The images, k > 0: every cell k but a transparent top-left one; 0: a 16 x 16 one; -8: an
    // 8-bit one. Then buttons and count, the image then held (0: the one before), what each
    // thumbnail shows (0: wiped), the images reported, an image button pressed afterwards.
    using Images = std::vector<int>;
    const std::tuple<const char*, int, Images, std::string, int, Images, Images, int> rows[] = {
        {"eight.ico", 8, {1, 2, 3, 4, 5, 6}, " re re re pd 8", 6, {1, 2, 3, 4}, {}, 0},
        {"mixed.ico", 4, {2, 0, 12, -8}, " re pd re re 4", 12, {2, 12, 0, 0}, {3, 4}, 0},
        {"small.ico", 1, {0}, " re re re re 1", 0, {0, 0, 0, 0}, {1}, 0},
        {"F\xE4rg.ico", 1, {10}, " pd re re re 1", 10, {10, 0, 0, 0}, {}, ID_IMAGE3},
        {"four.ico", 4, {1, 2, 3, 4}, " re re re pd 4", 4, {1, 2, 3, 4}, {}, ID_IMAGE1}};
    for (const auto& [name, count, images, state, k, thumbs, reported, button] : rows) {
        SCOPED_TRACE(name);
        Reset();
        FillPixelGrid(pixelGrid, 9);
        std::vector<Bytes> made;
        for (int image : images) {
            PixelGrid grid;
            grid.fill(image);
            grid[0] = TRANSPARENT_INDEX;
            made.push_back(image > 0 ? MakeImage(STD, grid)
                                     : MakeOtherImage(image ? 32 : 16, image ? 8 : 4));
        }
        const std::string path = TestFolder() + name;
        WriteBytes(path, MakeIconFile(count, made));
        std::vector<Seen> seen = {{"\xD6ppna ikon...", ""}};
        for (int n : reported)
            seen.push_back({"\xD6ppnameddelande", "Image " + std::to_string(n) +
                                                      " \xE4r inte av typen\n32x32 pixel och 16 "
                                                      "f\xE4rger!"});
        std::vector<Answer> answers(6, {Reply::Ok}); // the notices
        answers[0] = {Reply::Path, path};
        EXPECT_EQ(Answering(answers, [] { Command(ID_OPEN); }), seen);
        EXPECT_EQ(State() + Cells(k ? k : 9, 0, k ? 16 : 9), path + state);
        std::string shown = Area(300, 190, 10, 10, Entry(STD, k ? k : 9)); // the grid
        for (int n = 0; n < 4; ++n)
            shown += Area(22, 216 + 50 * n, 10, 10, thumbs[n] ? Entry(STD, thumbs[n]) : WIPED);
        EXPECT_EQ(shown, "");
        if (!button) continue;
        lstrcpyA(savePath, (TestFolder() + "mixed.ico").c_str()); // a save elsewhere counts not
        EXPECT_EQ(Answering({}, [button = button] { Command(button); }).size(), 0u);
        EXPECT_EQ(Cells(button == ID_IMAGE1 ? 1 : k, 0, 16), "");
    }
}

// Releasing a button over a swatch picks the colour it shows: swept over the swatches' edges,
// which are outside them.
TEST_F(EditorTest, PickSwatches) {
    Reset();
    std::vector<std::pair<POINT, COLORREF>> swatches = {{{540, 282}, MARK}};
    for (int i = 0; i < 16; ++i)
        swatches.push_back({{525 + 31 * (i / 8), 5 + 31 * (i % 8)}, Entry(STD, SWATCHES[i])});
    for (auto [at, shown] : swatches) {
        Mouse(WM_RBUTTONUP, at.x + 15, at.y + 15);
        for (int d : {-2, -1, 0, 1, 2, 15, 28, 29, 30, 31, 32}) {
            for (POINT p : {POINT{at.x + d, at.y + 15}, POINT{at.x + 15, at.y + d}}) {
                leftColor = NONE;
                Mouse(WM_LBUTTONUP, p.x, p.y);
                COLORREF want = NONE;
                for (auto [a, c] : swatches)
                    if (std::abs(2 * (p.x - a.x) - 30) < 30 && std::abs(2 * (p.y - a.y) - 30) < 30)
                        want = c;
                ASSERT_EQ(leftColor, want) << "at " << p.x << "," << p.y << std::hex << ": got "
                                           << leftColor << ", want " << want;
            }
        }
        EXPECT_EQ(Area(525, 344, 30, 30, leftColor) + Area(556, 344, 30, 30, shown), "") << shown;
    }
}

// A press paints the cell whose square holds the pointer strictly: swept over cells' edges.
TEST_F(EditorTest, Painting) {
    for (int w : {10, 9}) {
        Reset();
        if (w == 9) Command(ID_GRID);
        leftColor = RED;
        std::string report;
        for (int i = 100; i <= 440; i = i == 160 ? 390 : i + 1) {
            for (auto [x, y] : {std::pair{i, 27}, {135, i - 95}, {i, i - 95}}) {
                FillPixelGrid(pixelGrid, 15);
                Mouse(WM_LBUTTONDOWN, x, y);
                int want = -1;
                for (int c = 0; c < CELL_COUNT; ++c)
                    if (std::abs(2 * (x - 110 - c % 32 * 10) - w) < w &&
                        std::abs(2 * (y - 10 - c / 32 * 10) - w) < w)
                        want = c;
                const std::string diff = Cells(15, want, want < 0 ? 15 : 9);
                if (!diff.empty() && report.size() < 300)
                    report += "at " + std::to_string(x) + "," + std::to_string(y) + ": " + diff;
            }
        }
        EXPECT_EQ(report, "") << (w == 10 ? "DOT" : "GRID_DOT");
    }
}

// Moving paints only in line mode with exactly one button held; double clicks paint nothing.
TEST_F(EditorTest, MovesAndDoubleClicks) {
    constexpr int LINE = ID_DRAW_LINE, POINT = ID_DRAW_POINT, MOVE = WM_MOUSEMOVE;
    // clang-format off
    const std::tuple<int, UINT, WPARAM, int> rows[] = {
        {LINE, MOVE, MK_LBUTTON, 9}, {LINE, MOVE, MK_RBUTTON, 10}, {LINE, MOVE, 0, 15},
        {LINE, MOVE, MK_LBUTTON | MK_SHIFT, 15}, {LINE, MOVE, MK_LBUTTON | MK_RBUTTON, 15},
        {POINT, MOVE, MK_LBUTTON, 15}, {POINT, WM_LBUTTONDBLCLK, MK_LBUTTON, 15},
        {POINT, WM_RBUTTONDBLCLK, MK_RBUTTON, 15}};
    // clang-format on
    for (auto [mode, message, keys, want] : rows) {
        FillPixelGrid(pixelGrid, 15);
        Command(mode);
        leftColor = RED, rightColor = GREEN;
        Mouse(message, 135, 27, keys);
        EXPECT_EQ(Cells(15, 34, want), "") << "message " << message << ", keys " << keys;
    }
}

// The command line after the program's name, which spaces (not tabs) end.
TEST(Entry, CommandTail) {
    const std::pair<std::string, std::string> rows[] = {
        {"p.exe  a b", "a b"},
        {"p.exe\tx y", "y"},
        {"\"C:\\Program Files\\p.exe\"  two", "two"},
        {"\"C:\\p.exe a", "\"C:\\p.exe a"}};
    for (auto [line, tail] : rows) EXPECT_EQ(CommandTail(line.data()), tail) << line;
}

// The previews and the mask show what LoadImageA and DrawIconEx show of the file we write.
TEST_F(EditorTest, PreviewsMatchWindowsDrawingOfTheFile) {
    Palette edges{}; // bytes whose low or top bit a careless conversion loses; entry 0 not black
    PixelGrid diagonal{}; // every value 0..31 in every row and column
    for (int i = 0; i < 48; ++i) edges[i] = "\0\1\x7F\x80\xFE\xFF"[i * 5 % 16 % 6] & 0xFF;
    for (int i = 0; i < CELL_COUNT; ++i) diagonal[i] = (i + i / 32) % 32;
    HDC theirs = CreateCompatibleDC(nullptr); // Windows draws here, as the preview at (9, 9)
    HGDIOBJ bitmap = SelectObject(theirs, CreateBitmap(41, 41, 1, 32, nullptr));
    SelectObject(theirs, GetStockObject(LTGRAY_BRUSH));
    for (const auto& [name, pal] : {std::pair{"edges", edges}, {"standard", STD}}) {
        lstrcpynA(openPath, (TestFolder() + name + ".ico").c_str(), PATH_CHARS);
        ASSERT_EQ(WriteIconFile(openPath, pal, diagonal), 0);
        ASSERT_EQ(LoadImageIntoEditor(Editor(), 1), 0);
        HICON icon = HICON(LoadImageA(nullptr, openPath, IMAGE_ICON, 32, 32, LR_LOADFROMFILE));
        // clang-format off
        const std::tuple<const char*, HDC, int> views[] = {
            {"grey", previewGreyCanvas, LTGRAY_BRUSH}, {"black", previewBlackCanvas, BLACK_BRUSH},
            {"white", previewWhiteCanvas, WHITE_BRUSH}, {"mask", maskCanvas, -1}};
        // clang-format on
        for (const auto& [view, canvas, brush] : views) {
            const int at = brush < 0 ? 0 : 9; // the image's corner in the canvas
            DrawIconEx(theirs, at, at, icon, 32, 32, 0, HBRUSH(GetStockObject(std::max(brush, 0))),
                       brush < 0 ? DI_MASK : DI_NORMAL);
            if (brush < 0) PatBlt(theirs, 0, 0, 32, 32, 0xA000C9); // the mask's white as grey
            const Want drawn = [&](int x, int y) { return GetPixel(theirs, x, y); };
            EXPECT_EQ(PixelDiff(canvas, at, at, 32, 32, drawn), "") << name << " on " << view;
        }
        DestroyIcon(icon);
    }
    DeleteObject(SelectObject(theirs, bitmap));
    DeleteDC(theirs);
}

// Rounds of every command under every answer leave no GDI object or window behind.
TEST_F(EditorTest, RoundsOfEveryCommandLeaveNoObjectBehind) {
    // Wine makes these on first use and keeps them: a first use by chance would look like a leak.
    for (int i = 0; i < 140; ++i) {
        GetSysColorBrush(i);
        LoadCursorA(nullptr, IDC_ARROW + i);
    }
    const std::string good = TestFolder() + "good.ico", bad = TestFolder() + "bad.ico";
    WriteBytes(bad, Bytes(6, 2)); // two images promised, none there
    const int commands[] = {ID_CANVAS_COLOR, ID_NEW_IMAGE,   ID_COLOR,    ID_OPEN,
                            ID_SAVE,         ID_IMAGE1,      ID_IMAGE4,   ID_GRID,
                            ID_UPDATE,       ID_STD_PALETTE, ID_DRAW_LINE};
    const char* rounds = std::getenv("PRICKVERKET_LEAK_ROUNDS");
    std::pair<long, long> counts[2] = {}; // GetGuiResources is 0 in Wine: walk its tables
    for (int n = 0, last = rounds ? std::max(1, std::atoi(rounds)) : 3; n <= last; ++n) {
        Answering({{Reply::Path, good}, {Reply::Yes}}, [] { Command(ID_SAVE); }); // Yes: replace
        for (auto path : {bad, good}) Answering({{Reply::Path, path}}, [] { Command(ID_OPEN); });
        for (Reply reply : {Reply::Cancel, Reply::Escape, Reply::CloseBox, Reply::Ok})
            for (int id : commands) Answering({{reply}, {Reply::Enter}}, [id] { Command(id); });
        for (UINT message = WM_MOUSEMOVE; message <= WM_RBUTTONUP; ++message) // in line mode
            for (auto [x, y, keys] : {std::tuple{150, 50, MK_LBUTTON}, {571, 22, 0}})
                Mouse(message, x, y, keys);
        for (ULONG_PTR k = 0; (n == 0 || n == last) && k <= 0xFFFF; ++k) {
            counts[n > 0].first += GetObjectType(HGDIOBJ(k)) != 0;
            counts[n > 0].second +=
                k % 2 == 0 && GetWindowThreadProcessId(HWND(k), nullptr) == GetCurrentThreadId();
        }
    }
    EXPECT_EQ(counts[1], counts[0]) << "(GDI objects, windows) after the last round and the first";
}
