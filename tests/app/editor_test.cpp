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

#include <map>
#include <sstream>

namespace {

constexpr COLORREF WHITE = 0xFFFFFF, RED = 0x0000FF, GREEN = 0x00FF00, MARK = TRANSPARENT_MARK,
                   NONE = 0x123456;
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
    if (chosenColor) Answering({{Reply::Colour, "", 0}}, [] { Command(ID_COLOR); });
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

// The window's place and icon, the first screen; commands matched on the whole wParam.
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
    for (WPARAM wParam : {MAKEWPARAM(ID_GRID, 1), MAKEWPARAM(ID_NEW_IMAGE, BN_DOUBLECLICKED)})
        EXPECT_EQ(Answering({}, [=] { Command(wParam); }).size() + gridOn, 0u) << wParam;
}

// Every box and dialog of the commands, as shown, and what each answer leaves; in rounds
// that must leave no GDI object or window behind.
TEST_F(EditorTest, BoxesAsShownInRounds) {
    // Wine makes these on first use and keeps them: a first use by chance would look like a leak.
    for (int i = 0; i < 140; ++i) GetSysColorBrush(i), LoadCursorA(nullptr, IDC_ARROW + i);
    const std::string old = TestFolder() + "old.ico", gone = TestFolder() + "gone.ico",
                      lost = TestFolder() + "no folder\\lost.ico", kept = "before 5";
    // clang-format off
    const Seen types = " / [Ikoner (*.ico) *.ico]; Mark\xF6rer (*.cur) *.cur;",
        open = "\xD6ppna ikon... / " + types + " [&Open] Cancel", save = "Spara ikon... / " + types + " [&Save] Cancel",
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

// The made icons' images, k > 0: 16 stripes in a palette of its own, a transparent top-left cell
// that keeps colour k; 0: a 16 x 16 one; -8: an 8-bit one.
PixelGrid Stripes(int k) {
    PixelGrid grid;
    for (int i = 0; i < CELL_COUNT; ++i) grid[i] = i ? (i / 32 + k) % 16 : 16 + k;
    return grid;
}
// What the window cannot show: title and count | mode, grid and colours | the document, as the
// nearest of the fills and the made images and the cells that differ from it.
std::string Summary() {
    std::string title = State(), pal = palette == STD ? "std" : "other", cells;
    if (title.find(TestFolder()) == 0) title.erase(0, TestFolder().size());
    for (int k = 1; k <= 12; ++k) pal = palette == Own(k) ? "own" + std::to_string(k) : pal;
    for (int base = 0, least = CELL_COUNT + 1; base <= 28; ++base) { // fills, then Stripes(1..12)
        PixelGrid grid = Stripes(base - 16);
        if (base <= 16) FillPixelGrid(grid, base);
        std::string diff =
            (base <= 16 ? "fill" : "stripes") + std::to_string(base <= 16 ? base : base - 16);
        int n = 0;
        for (int i = 0; i < CELL_COUNT; ++i)
            if (grid[i] != pixelGrid[i] && ++n <= 4)
                diff +=
                    (n == 1 ? "+" : ",") + std::to_string(i) + ":" + std::to_string(pixelGrid[i]);
        if (n < least) least = n, cells = diff + (n > 4 ? "..." : "");
    }
    char rest[64];
    std::snprintf(rest, sizeof rest, " | %s %s%d %06lX %06lX | ", drawMode ? "line" : "point",
                  gridStyle, gridOn, leftColor, rightColor);
    return title + rest + pal + " " + cells + " |";
}
// One step of a user, as a word: a command, answered (a notice reported is logged), a mouse
// message at swatches (by code) or cells, or "=name": the window against that reference.
void Step(const std::string& word, std::string& log, std::map<std::string, Bytes>& saved) {
    const std::string op = word.substr(0, word.find(':')),
                      arg = word.substr(std::min(op.size() + 1, word.size())),
                      path = TestFolder() + arg + ".ico";
    // clang-format off
    const std::map<std::string, std::pair<WPARAM, std::vector<Answer>>> commands = {
        {"new", {ID_NEW_IMAGE, {{Reply::Ok}}}}, {"new-", {ID_NEW_IMAGE, {}}}, {"save-", {ID_SAVE, {}}},
        {"canvas", {ID_CANVAS_COLOR, {{Reply::Ok}}}}, {"open-", {ID_OPEN, {}}}, {"grid", {ID_GRID, {}}},
        {"open", {ID_OPEN, {{Reply::Path, path}, {Reply::Ok}, {Reply::Ok}, {Reply::Ok}}}},
        {"save", {ID_SAVE, {{Reply::Path, path}, {Reply::Yes}}}}, {"update", {ID_UPDATE, {}}},
        {"img", {WPARAM(ID_IMAGE1 + std::atoi(arg.c_str()) - 1), {}}}, {"colour-", {ID_COLOR, {}}},
        {"stdpal", {ID_STD_PALETTE, {}}}, {"line", {ID_DRAW_LINE, {}}}, {"point", {ID_DRAW_POINT, {}}},
        {"colour", {ID_COLOR, {{Reply::Colour, "", std::strtoul(arg.c_str(), nullptr, 16)}}}}};
    // clang-format on
    if (const auto command = commands.find(op); command != commands.end()) {
        for (const Seen& seen :
             Answering(command->second.second, [&] { Command(command->second.first); }))
            if (seen.find("meddelande / ") != std::string::npos) { // Öppna- or Sparameddelande
                const std::string text = seen.substr(seen.find(" / ") + 3); // "Image k ..": k
                log += " " + (text.rfind("Image ", 0) ? text.substr(0, text.find(' '))
                                                      : text.substr(6, 1));
            }
        if (op == "save") { // the writer's form: planes and bit count 0, the image's size 640
            Bytes& bytes = saved[path] = MakeIconFile(1, {MakeImage(palette, pixelGrid)});
            bytes[10] = bytes[11] = bytes[12] = 0, bytes[42] = 0x80, bytes[43] = 2;
        }
    } else if (op[0] == '=') {
        EXPECT_EQ(ReferenceDiff(Editor(), op.substr(1)), "");
    } else { // at cells "a,b" or "first-last+step", or at swatches by their pick code
        // clang-format off
        const std::map<std::string, std::pair<UINT, WPARAM>> mice = {
            {"pickL", {WM_LBUTTONUP, 0}}, {"pickR", {WM_RBUTTONUP, 0}}, {"L", {WM_LBUTTONDOWN, 0}},
            {"R", {WM_RBUTTONDOWN, 0}}, {"dragL", {WM_MOUSEMOVE, MK_LBUTTON}}, {"drag", {WM_MOUSEMOVE, 0}},
            {"dragR", {WM_MOUSEMOVE, MK_RBUTTON}}, {"dragLS", {WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT}},
            {"dragLR", {WM_MOUSEMOVE, MK_LBUTTON | MK_RBUTTON}}, {"dblL", {WM_LBUTTONDBLCLK, MK_LBUTTON}},
            {"dblR", {WM_RBUTTONDBLCLK, MK_RBUTTON}}};
        // clang-format on
        const auto [message, keys] = mice.at(op);
        const char* next = arg.c_str();
        for (char* end; *next; next = *end ? end + 1 : end) {
            const int from = std::strtol(next, &end, 10),
                      to = *end == '-' ? std::strtol(end + 1, &end, 10) : from,
                      step = *end == '+' ? std::strtol(end + 1, &end, 10) : 1;
            for (int c = from; c <= to; c += step)
                if (op.rfind("pick", 0) == 0)
                    Mouse(message, c > 16 ? 555 : 540 + 31 * ((c - 1) / 8),
                          c > 16 ? 297 : 20 + 31 * ((c - 1) % 8));
                else
                    Mouse(message, 115 + c % 32 * 10, 15 + c / 32 * 10, keys);
        }
    }
}

// Sequences of steps, each from a reset editor: what a command leaves for the ones after it.
// The window is compared at each "=name"; the rest, and every file saved, after the last step.
TEST_F(EditorTest, Sequences) {
    // name: count byte and images (see Stripes)
    // clang-format off
    const std::map<std::string, std::pair<int, std::vector<int>>> icons = {
        {"eight", {8, {1, 2, 3, 4, 5, 6}}}, {"mixed", {4, {2, 0, 12, -8}}}, {"small", {1, {0}}},
        {"F\xE4rg", {1, {10}}}, {"four", {4, {1, 2, 3, 4}}}, {"three", {3, {7, 8, 9}}}, {"twelve", {12, {11}}}};
    // clang-format on
    for (const auto& [name, icon] : icons) {
        std::vector<Bytes> images;
        for (int k : icon.second)
            images.push_back(k > 0 ? MakeImage(Own(k), Stripes(k))
                                   : MakeOtherImage(k ? 32 : 16, k ? 8 : 4));
        WriteBytes(TestFolder() + name + ".ico", MakeIconFile(icon.first, images));
    }
    // clang-format off
    const std::pair<std::string, std::string> rows[] = {
        {"pickL:3 pickR:17 grid grid =new", "Prickverket 0 | point DOT0 0000FF 6464C8 | std fill15 |"},
        {"pickL:3 pickR:17 L:0-1023+33 R:31-992+31 update =painted new =new", "Prickverket 0 | point DOT0 0000FF 6464C8 | std fill15 |"},
        {"pickL:3 pickR:17 colour:00FF00 new grid =green-grid grid colour- new grid =green-grid", "Prickverket 0 | point GRID_DOT1 0000FF 6464C8 | std fill15 |"},
        {"open:eight img:2 =open-eight-then-2", "eight.ico 8 | point DOT0 000000 FFFFFF | own2 stripes2 |"},
        {"open:mixed =open-mixed", "mixed.ico 4 | point DOT0 000000 FFFFFF | own12 stripes12 | 3 4"},
        {"pickL:3 canvas pickL:9 open:small =open-small", "small.ico 1 | point DOT0 000000 FFFFFF | std fill9 | 1"},
        {"open:twelve open:F\xE4rg img:3 =open-one-then-3", "F\xE4rg.ico 1 | point DOT0 000000 FFFFFF | own10 stripes10 | 2 3 4 5 6"},
        {"open:four img:1 open- =open-four-then-1", "four.ico 4 | point DOT0 000000 FFFFFF | own1 stripes1 | Avbryt"},
        {"open:eight open:three =eight-then-three", "three.ico 3 | point DOT0 000000 FFFFFF | own9 stripes9 |"},
        {"open:three img:1 open:small =three-then-small", "small.ico 1 | point DOT0 000000 FFFFFF | own7 stripes7 | 1"},
        {"open:four update new =four-then-new", "Prickverket 0 | point DOT0 000000 FFFFFF | own4 fill15 |"},
        {"open:four pickL:4 L:34 update img:2 =four-painted-then-2", "four.ico 4 | point DOT0 13385D FFFFFF | own2 stripes2 |"},
        {"line grid new dragL:34-36 =line-grid", "Prickverket 0 | line GRID_DOT1 000000 FFFFFF | std fill15+34:0,35:0,36:0 |"},
        {"pickL:3 pickR:17 line point dragL:34 =new", "Prickverket 0 | point DOT0 0000FF 6464C8 | std fill15 |"},
        {"grid open:four =grid-four", "four.ico 4 | point GRID_DOT1 000000 FFFFFF | own4 stripes4 |"},
        {"save:a open:four save:b img:2 =saved-then-2", "b.ico 4 | point DOT0 000000 FFFFFF | own2 stripes2 |"},
        {"open:eight pickR:17 stdpal update =eight-stdpal", "eight.ico 8 | point DOT0 000000 6464C8 | std stripes6 |"},
        {"open:eight pickL:5 canvas =eight-canvas", "Prickverket 0 | point DOT0 0E3358 FFFFFF | own6 fill11 |"},
        {"pickL:3 open:four L:34", "four.ico 4 | point DOT0 0000FF FFFFFF | own4 stripes4+34:16 |"},
        {"pickL:3 pickR:4 line dragL:34 dragR:35 drag:36 dragLS:37 dragLR:38 point dragL:39 dblL:40 dblR:41", "Prickverket 0 | point DOT0 0000FF FF0000 | std fill15+34:9,35:12 |"},
        {"save:a new- save-", "a.ico 0 | point DOT0 000000 FFFFFF | std fill15 | Avbryt"},
        {"pickL:17 grid canvas", "Prickverket 0 | point GRID_DOT1 6464C8 FFFFFF | std fill16 |"},
    };
    // clang-format on
    for (const auto& [steps, want] : rows) {
        SCOPED_TRACE(steps);
        Reset();
        std::string log, word;
        std::map<std::string, Bytes> saved;
        for (std::istringstream words(steps); words >> word;) Step(word, log, saved);
        EXPECT_EQ(Summary() + log, want);
        for (const auto& [path, bytes] : saved) EXPECT_TRUE(ReadBytes(path) == bytes) << path;
    }
}

// Releasing a button over a swatch picks the colour it shows: swept over the swatches' edges,
// which are outside them.
TEST_F(EditorTest, PickSwatches) {
    Reset();
    std::vector<std::pair<POINT, COLORREF>> swatches = {{{540, 282}, MARK}};
    for (int i = 0; i < 16; ++i) // the standard entry that each swatch shows
        swatches.push_back(
            {{525 + 31 * (i / 8), 5 + 31 * (i % 8)},
             RGB(STD[3 * SWATCHES[i] + 2], STD[3 * SWATCHES[i] + 1], STD[3 * SWATCHES[i]])});
    for (auto [at, colour] : swatches) {
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
    }
}

// A press paints the cell whose square holds the pointer strictly: swept over cells' edges.
TEST_F(EditorTest, Painting) {
    for (int w : {10, 9}) {
        Reset();
        if (w == 9) Command(ID_GRID);
        leftColor = RED;
        for (int i = 100; i <= 440; i = i == 160 ? 390 : i + 1) {
            for (auto [x, y] : {std::pair{i, 27}, {135, i - 95}, {i, i - 95}}) {
                FillPixelGrid(pixelGrid, 15);
                Mouse(WM_LBUTTONDOWN, x, y);
                int want = -1;
                for (int c = 0; c < CELL_COUNT; ++c)
                    want = Inside(x, y, 110 + c % 32 * 10, 10 + c / 32 * 10, w) ? c : want;
                ASSERT_EQ(Cells(15, want, want < 0 ? 15 : 9), "")
                    << "at " << x << "," << y << (w == 10 ? " in DOT" : " in GRID_DOT");
            }
        }
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
