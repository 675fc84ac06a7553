// The editor's window driven through real boxes, dialogs and pointer, read back from its pixels.
#include "app/editor_state.h"
#include "icon/load_image.h"
#include "icon/writer.h"
#include "tests/app/editor_harness.h"
#include "tests/support/icon_files.h"
#include "toolkit/draw/target.h"
#include "toolkit/window/dialogs.h"
#include "toolkit/window/window.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF WHITE = 0xFFFFFF, WIPED = 0x646464, RED = 0x0000FF, GREEN = 0x00FF00,
                   MARK = TRANSPARENT_MARK, NONE = 0x123456;
const Palette STD = StandardPalette();
Palette Own(int k) { // sixteen colours, none of them standard
    Palette own;
    for (int i = 0; i < 48; ++i) own[i] = (37 * i + 53 * k + 11) % 256;
    return own;
}
// clang-format off
const std::string ASK = " / Har tidigare ikon eller mark\xF6r sparats?\n";
const Seen ASKS[] = {"VARNING!" + ASK + "Ny image raderar tidigare image.\nVill du forts\xE4tta med "
                     "'Ny image'? / ! OK [Cancel]", "DUKF\xC4RG!" + ASK + "'Dukf\xE4rg' raderar tidigare "
                     "image.\nVill du forts\xE4tta m\xE5la hela duken i en f\xE4rg? / ! OK [Cancel]"};
// clang-format on
// The entry each swatch shows: the left column top to bottom, then the right one.
constexpr int SWATCHES[16] = {15, 8, 9, 12, 11, 10, 13, 14, 0, 7, 1, 4, 3, 2, 5, 6};
COLORREF Entry(const Palette& p, int k) {
    return RGB(p[3 * k + 2], p[3 * k + 1], p[3 * k]);
}
std::string Area(int x, int y, int w, int h, COLORREF c) {
    return PixelDiff(Editor(), x, y, w, h, [c](int, int) { return c; });
}
bool Inside(int px, int py, int x, int y, int w) { // strictly, the w x w square at (x, y)
    return std::abs(2 * (px - x) - w) < w && std::abs(2 * (py - y) - w) < w;
}
std::string State() { // title and count
    char title[300] = "";
    GetWindowTextA(Editor(), title, sizeof title);
    return title + (" " + std::to_string(imageCount));
}
// The standard palette and colours, a new all-white image, point mode, no grid lines.
void Reset() {
    leftColor = 0, rightColor = WHITE;
    Command(ID_DRAW_POINT);
    if (gridOn) Command(ID_GRID);
    Command(ID_STD_PALETTE);
    Answering({{Reply::Ok}}, [] { Command(ID_NEW_IMAGE); });
}

// Empty when every cell of the document is value, but cell `at` atValue; else the first wrong one.
std::string Cells(int value, int at = -1, int atValue = 0) {
    for (int i = 0; i < CELL_COUNT; ++i)
        if (pixelGrid[i] != (i == at ? atValue : value))
            return "cell " + std::to_string(i) + ": got " + std::to_string(pixelGrid[i]) + "\n";
    return "";
}
std::string TestFolder() { // this program's, a Windows path ending in a backslash
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

// The window in states that together show every pixel of its layout, from the start; commands
// matched on the whole wParam; the count.
TEST_F(EditorTest, Screens) {
    RECT at{}; // centred, half a caption above the middle of the 1280 x 1024 screen
    GetWindowRect(Editor(), &at);
    EXPECT_EQ(std::vector<LONG>({at.left, at.top, at.right, at.bottom}),
              std::vector<LONG>({340, 307 - GetSystemMetrics(SM_CYCAPTION), 940, 717}));
    EXPECT_NE(GetClassLongPtrA(Editor(), GCLP_HICON), 0); // the program's icon
    EXPECT_EQ(ReferenceDiff(Editor(), "start"), "");
    Command(ID_GRID); // lines in the backdrop's colour at start
    EXPECT_EQ(ReferenceDiff(Editor(), "grid"), "");
    Command(ID_GRID);
    Mouse(WM_LBUTTONUP, 540, 82);  // red
    Mouse(WM_RBUTTONUP, 555, 297); // transparent
    for (int i = 0; i < 32; ++i) { // a cross of both colours, then the previews
        Mouse(WM_LBUTTONDOWN, 115 + 10 * i, 15 + 10 * i);
        Mouse(WM_RBUTTONDOWN, 115 + 10 * i, 325 - 10 * i);
    }
    Command(ID_UPDATE);
    EXPECT_EQ(ReferenceDiff(Editor(), "painted"), "");
    Answering({{Reply::Ok}}, [] { Command(ID_NEW_IMAGE); });
    EXPECT_EQ(ReferenceDiff(Editor(), "new"), "");
    for (Reply reply : {Reply::Colour, Reply::Cancel}) { // lines in the colour chosen last
        Answering({{reply, "", GREEN}}, [] { Command(ID_COLOR); });
        Command(ID_GRID);
        EXPECT_EQ(ReferenceDiff(Editor(), "green-grid"), "");
        Command(ID_GRID);
    }
    for (WPARAM wParam : {MAKEWPARAM(ID_GRID, 1), MAKEWPARAM(ID_NEW_IMAGE, BN_DOUBLECLICKED)})
        EXPECT_EQ(Answering({}, [=] { Command(wParam); }).size() + gridOn, 0u) << wParam;
    // A count shorter than the one before reads as on a window all erased, also where a window
    // lay over the panel meanwhile.
    HWND box = CreateWindowA("STATIC", "", WS_POPUP, at.left, at.top + 100, 140, 80, Editor(), 0, 0,
                             0);          // over the count and part of the grid's frame
    std::vector<COLORREF> alone(29 * 14); // the count's area, as far as the grid's frame
    HDC dc = GetDC(Editor());
    for (auto [from, to] : {std::pair{10, 1}, {12, 0}, {-1, 3}, {255, 7}})
        for (int covered : {SW_HIDE, SW_SHOWNA}) {
            for (int count : {to, from}) { // on a window all erased, then before
                imageCount = count;
                RedrawWindow(Editor(), nullptr, nullptr,
                             RDW_INVALIDATE | RDW_UPDATENOW | (count == to ? RDW_ERASE : 0));
                for (int i = 0; count == to && i < 29 * 14; ++i)
                    alone[i] = GetPixel(dc, 71 + i % 29, 125 + i / 29);
            }
            ShowWindow(box, covered);
            imageCount = to;
            if (to == 0) Answering({{Reply::Ok}}, [] { Command(ID_NEW_IMAGE); });
            rk_Repaint_1(Editor(), "UNERASED");
            Pump();
            ShowWindow(box, SW_HIDE);
            Pump();
            const Want want = [&](int x, int y) { return alone[(y - 125) * 29 + x - 71]; };
            EXPECT_EQ(PixelDiff(dc, 71, 125, 29, 14, want), "")
                << from << " to " << to << (covered ? ", covered" : "");
        }
    ReleaseDC(Editor(), dc);
    DestroyWindow(box);
}

// "Ny image" and "Dukfärg", confirmed, start over: every cell the value of 15 or of the left
// colour in the document's palette, the views wiped.
TEST_F(EditorTest, BoxCommands) {
    const Palette own = Own(0);
    // command, palette, left colour, the value every cell then holds
    const std::tuple<int, Palette, COLORREF, int> rows[] = {
        {ID_NEW_IMAGE, own, RED, 15},
        {ID_CANVAS_COLOR, STD, MARK, 16},
        {ID_CANVAS_COLOR, own, Entry(own, 5), 5}};
    for (auto [id, pal, left, value] : rows) {
        SCOPED_TRACE("command " + std::to_string(id) + ", value " + std::to_string(value));
        Reset();
        FillPixelGrid(pixelGrid, 3);
        std::tie(palette, leftColor, imageCount) = std::tuple(pal, left, 7);
        for (HDC view : {thumbCanvas4, maskCanvas}) SetPixelV(view, 20, 20, RED);
        Answering({{Reply::Ok}}, [id = id] { Command(id); });
        EXPECT_EQ(Cells(value) + State(), "Prickverket 0");
        for (HDC view : {thumbCanvas4, maskCanvas})
            EXPECT_EQ(AreaDiff(view, 20, 20, 1, 1, WIPED), "");
        // Without lines the blocks are 11 pixels: the last ones reach past the 320 shown.
        const COLORREF fill = value < 16 ? Entry(pal, value) : MARK;
        EXPECT_EQ(value < 16 ? AreaDiff(gridCanvas, 0, 320, 321, 1, fill) : "", "");
        EXPECT_EQ(Area(300, 190, 3, 3, fill), "");
    }
}

// Every box and dialog of the commands, as shown, and what each answer leaves; in rounds
// that must leave no GDI object or window behind.
TEST_F(EditorTest, BoxesAsShownInRounds) {
    // Wine makes these on first use and keeps them: a first use by chance would look like a leak.
    for (int i = 0; i < 140; ++i) GetSysColorBrush(i), LoadCursorA(nullptr, IDC_ARROW + i);
    const std::string old = TestFolder() + "old.ico", gone = TestFolder() + "gone.ico",
                      lost = TestFolder() + "no folder\\lost.ico", kept = "before 5";
    // clang-format off
    const Seen open = "\xD6ppna ikon... /  / [Ikoner (*.ico)]; Mark\xF6rer (*.cur);",
        save = "Spara ikon... /  / [Ikoner (*.ico)]; Mark\xF6rer (*.cur);",
        replace = "Spara ikon... / File already exists.\nDo you want to replace it? / ! [&Yes] &No",
        refuse = " / File does not exist / x [OK]", // Wine's own words
        colour = "Color /  / [OK] Cancel Help &Define Custom Colors >>",
        notOpened = "\xD6ppnameddelande / Avbryt valdes! / [OK]",
        notSaved = "Sparameddelande / Avbryt valdes! / [OK]";
    // command, answers (Again: the dialog after its question), what shows, title and count, replaced
    std::vector<std::tuple<int, std::vector<Answer>, std::vector<Seen>, std::string, bool>> rows = {
        {ID_NEW_IMAGE, {{Reply::Ok}}, {ASKS[0]}, "Prickverket 0", false},
        {ID_OPEN, {{Reply::Cancel}}, {open, notOpened}, kept, false},
        {ID_OPEN, {{Reply::Path, gone}, {Reply::Ok}, {Reply::Again}}, {open, refuse, notOpened}, kept, false},
        {ID_SAVE, {{Reply::CloseBox}}, {save, notSaved}, kept, false},
        {ID_SAVE, {{Reply::Path, old}, {Reply::No}, {Reply::Again}}, {save, replace, notSaved}, kept, false},
        {ID_SAVE, {{Reply::Path, old}, {Reply::Yes}}, {save, replace}, old + " 5", true},
        {ID_SAVE, {{Reply::Path, lost}}, {save, "Sparameddelande / Gick inte att spara! / [OK]"},
         lost + " 5", false},
        {ID_COLOR, {{Reply::Colour, "", GREEN}}, {colour}, kept, false},
        {ID_COLOR, {{Reply::Escape}}, {colour}, kept, false}};
    // clang-format on
    for (int id : {ID_NEW_IMAGE, ID_CANVAS_COLOR}) // refused: nothing changes
        for (Reply no : {Reply::Cancel, Reply::Escape, Reply::CloseBox, Reply::Enter})
            rows.push_back({id, {{no}}, {ASKS[id == ID_CANVAS_COLOR]}, kept, false});
    const char* rounds = std::getenv("PRICKVERKET_LEAK_ROUNDS");
    std::pair<long, long> counts[2] = {}; // GetGuiResources is 0 in Wine: walk its tables
    for (int n = 0, last = rounds ? std::max(1, std::atoi(rounds)) : 2; n <= last; ++n) {
        for (const auto& [id, answers, shown, state, replaced] : rows) {
            SCOPED_TRACE("command " + std::to_string(id) + ", round " + std::to_string(n));
            const Bytes before(100, 0x66);
            WriteBytes(old, before);
            Reset();
            imageCount = 5;
            SetWindowTextA(Editor(), "before");
            ASSERT_EQ(Answering(answers, [id = id] { Command(id); }), shown);
            EXPECT_EQ(Cells(15) + State(), state);
            EXPECT_EQ(ReadBytes(old).size(), replaced ? 766u : 100u);
            EXPECT_TRUE(replaced || ReadBytes(old) == before) << "old.ico changed";
        }
        for (int id : {ID_IMAGE1, ID_IMAGE4, ID_GRID, ID_UPDATE, ID_DRAW_LINE}) Command(id);
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

// Open loads images 1 to min(count, 6), reports the others and marks the last one's button;
// the window then shows it all, the title names the file. An image button loads again.
TEST_F(EditorTest, Open) {
    // The images, k > 0: 16 stripes in a palette of its own, a transparent top-left cell that
    // keeps colour k; 0: a 16 x 16 one; -8: an 8-bit one. Then the images reported, an image
    // button pressed afterwards, and the window's reference then.
    using Images = std::vector<int>;
    const std::tuple<std::string, int, Images, Images, int, const char*> rows[] = {
        {"eight", 8, {1, 2, 3, 4, 5, 6}, {}, ID_IMAGE2, "open-eight-then-2"},
        {"mixed", 4, {2, 0, 12, -8}, {3, 4}, 0, "open-mixed"},
        {"small", 1, {0}, {1}, 0, "open-small"},
        {"F\xE4rg", 1, {10}, {}, ID_IMAGE3, "open-one-then-3"},
        {"four", 4, {1, 2, 3, 4}, {}, ID_IMAGE1, "open-four-then-1"}};
    for (const auto& [name, count, images, reported, button, screen] : rows) {
        SCOPED_TRACE(name);
        Reset();
        FillPixelGrid(pixelGrid, 9); // the image before
        std::vector<Bytes> made;
        for (int k : images) {
            PixelGrid grid;
            for (int i = 0; i < CELL_COUNT; ++i) grid[i] = i ? (i / 32 + k) % 16 : 16 + k;
            made.push_back(k > 0 ? MakeImage(Own(k), grid)
                                 : MakeOtherImage(k ? 32 : 16, k ? 8 : 4));
        }
        const std::string path = TestFolder() + name + ".ico";
        WriteBytes(path, MakeIconFile(count, made));
        std::vector<Seen> seen = {"\xD6ppna ikon... /  / [Ikoner (*.ico)]; Mark\xF6rer (*.cur);"};
        for (int n : reported)
            seen.push_back("\xD6ppnameddelande / Image " + std::to_string(n) +
                           " \xE4r inte av typen\n32x32 pixel och 16 f\xE4rger! / [OK]");
        std::vector<Answer> answers(6, {Reply::Ok}); // the notices
        answers[0] = {Reply::Path, path};
        EXPECT_EQ(Answering(answers, [] { Command(ID_OPEN); }), seen);
        lstrcpyA(savePath, (TestFolder() + "mixed.ico").c_str()); // a save elsewhere counts not
        EXPECT_EQ(Answering({}, [button = button] { Command(button); }).size(), 0u);
        EXPECT_EQ(State().find(path + " "), 0u) << State();
        EXPECT_EQ(ReferenceDiff(Editor(), screen), "");
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
                for (auto [a, c] : swatches) want = Inside(p.x, p.y, a.x, a.y, 30) ? c : want;
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
                    want = Inside(x, y, 110 + c % 32 * 10, 10 + c / 32 * 10, w) ? c : want;
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
