// The rk_ toolkit in one real window: shapes, targets and text drawn, windows, buttons,
// boxes and dialogs made and answered.
#include "tests/support/harness.h"
#include "toolkit/draw/shapes.h"
#include "toolkit/draw/target.h"
#include "toolkit/draw/text.h"
#include "toolkit/window/buttons.h"
#include "toolkit/window/dialogs.h"
#include "toolkit/window/message_box.h"
#include "toolkit/window/window.h"

#include <gtest/gtest.h>

constexpr COLORREF S = 0x404040, W = 0xFFFFFF, L = 0xAAAAAA, D = 0x828282, K = 0, RED = 0xFF;
using Runs = std::vector<std::tuple<int, int, int, int, COLORREF>>; // corners inclusive, later win
constexpr COLORREF BG = 0x336699; // what erasing the window paints
const WNDCLASSA CLASS{0, DefWindowProcA, 0, 0, 0, 0, 0, CreateSolidBrush(BG), 0, "rk test"};
const HWND WINDOW = CreateWindowA(MAKEINTATOM(RegisterClassA(&CLASS)), "", WS_POPUP | WS_VISIBLE, 0,
                                  0, 800, 100, 0, 0, 0, 0);
const HDC DC = GetDC(WINDOW); // kept

template <class Draw> static void ExpectDrawn(Draw draw, const Runs& runs) {
    rk_FilledRect_1(WINDOW, 0, 0, 80, 56, S); // as Targets shows, on the window
    draw();
    const auto want = [&](int x, int y) {
        COLORREF color = S;
        for (auto [a, b, c, d, e] : runs) color = a <= x && x <= c && b <= y && y <= d ? e : color;
        return color;
    };
    EXPECT_EQ(PixelDiff(DC, 0, 0, 80, 56, want), "");
}

// Line3D and Frame3D at (10,10): each grey's place. A soft hyphen (\255) unmakes a keyword.
TEST(Draw, Shapes) {
    const std::tuple<const char*, const char*, int, std::string> lines[] = {
        {"RIGHT", "UPPER", 1, "W.K"},  {"RIGHT", "UPPER", 3, "WL.DK"},
        {"DOWN", "LOWER", 3, "KD.LW"}, {"DOWN", "LOW\255ER", 2, "WLDK"},
        {"right", "UPPER", 2, ""},     {"RIG\255HT", "UPPER", 2, ""}};
    for (const auto& [direction, style, thickness, across] : lines) {
        SCOPED_TRACE(std::string(direction) + " " + style + " " + std::to_string(thickness));
        Runs runs; // the greys across the 5 long line, "." untouched
        for (int i = 0, down = direction[0] == 'D'; i < static_cast<int>(across.size()); ++i)
            runs.push_back({10 + i * down, 10 + i * !down, down ? 10 + i : 14, down ? 14 : 10 + i,
                            std::vector{W, L, D, K, S}[std::string("WLDK.").find(across[i])]});
        ExpectDrawn([&] { rk_Line3D_1(WINDOW, 10, 10, 5, direction, style, thickness); }, runs);
    }
    const Runs upper = {{10, 41, 50, 41, K}, {50, 10, 50, 40, K}, {12, 12, 48, 12, K},
                        {12, 12, 12, 38, K}, {10, 10, 49, 10, W}, {10, 10, 10, 40, W},
                        {12, 39, 48, 39, W}, {48, 12, 48, 38, W}};
    for (const auto& [style, flip] : {std::pair{"UPPER", 0ul}, {"LOWER", W}, {"LOW\255ER", 0ul}}) {
        SCOPED_TRACE(style);
        Runs runs = upper;
        for (auto& run : runs) std::get<4>(run) ^= flip; // LOWER: black and white swapped
        ExpectDrawn([&] { rk_Frame3D_1(WINDOW, 10, 10, 40, 30, style, 1); }, runs);
    }
}

// Canvases: in the window's format, current till released; only they leave a repaint pending.
// A window drawing clears a pending repaint, erasing first where that was asked for.
TEST(Draw, Targets) {
    HDC canvas = rk_CreateCanvas_1(WINDOW, 40, 40, K);
    HGDIOBJ bitmap = GetCurrentObject(canvas, OBJ_BITMAP);
    const RECT corner{0, 0, 10, 10};
    for (const char* target : {"MEMORY", "WINDOW", "CLIENT"})
        for (const BOOL erase : {1, 0}) {
            SCOPED_TRACE(std::string(target) + (erase ? " erase" : ""));
            const bool memory = target[0] == 'M';
            rk_FilledRect_1(WINDOW, 0, 0, 30, 30, S); // drawn, a repaint pending or not
            rk_DrawTarget_1(WINDOW, target);
            InvalidateRect(WINDOW, &corner, erase);
            rk_FilledRect_1(WINDOW, 5, 5, 20, 20, RED); // into the corner and out of it
            rk_DrawTarget_1(WINDOW, "CLIENT");
            EXPECT_EQ(GetUpdateRect(WINDOW, nullptr, FALSE) != FALSE, memory);
            EXPECT_EQ(AreaDiff(memory ? canvas : DC, 5, 5, 20, 20, RED), ""); // not clipped
            EXPECT_EQ(AreaDiff(DC, 0, 0, 5, 5, erase && !memory ? BG : S), "");
        }
    rk_ReleaseCanvas_1(canvas);
    EXPECT_EQ(GetObjectType(canvas) + GetObjectType(bitmap), 0u); // both freed
    EXPECT_EQ(currentCanvas, nullptr);
}

// Numbers are text, boxed or not: each must look as TextOutA draws the string it should read.
TEST(Draw, Numbers) {
    HDC ref = rk_CreateCanvas_1(WINDOW, 800, 20, K);
    const std::tuple<double, int, std::string, COLORREF> numbers[] = {
        {3, 0, "3", K},     {7, 3, "7.000", L},
        {2.5, 1, "2.5", L}, {12, 12, "12.00000000", L},
        {2.75, -1, "3", L}, {1e300, 8, std::to_string(1e300).substr(0, 99), K}};
    for (const auto& [value, decimals, text, box] : numbers) {
        SCOPED_TRACE(text + (box ? " boxed" : ""));
        for (HDC dc : {ref, DC}) BitBlt(dc, 0, 0, 800, 20, nullptr, 0, 0, WHITENESS);
        rk_NumberOut_1(WINDOW, 2, 2, value, decimals, K, nullptr, box); // black text
        SetBkColor(ref, box);
        SetBkMode(ref, box ? OPAQUE : TRANSPARENT);
        TextOutA(ref, 2, 2, text.c_str(), static_cast<int>(text.size()));
        EXPECT_EQ(PixelDiff(DC, 0, 0, 800, 20, [&](int x, int y) { return GetPixel(ref, x, y); }),
                  "");
    }
    rk_ReleaseCanvas_1(ref);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

// Main windows: the class is named by the window's name, cut to fit, or by the instance.
TEST(Window, MainWindows) {
    const HINSTANCE self = GetModuleHandleA(nullptr);
    const std::pair<std::string, std::string> windows[] = {
        {"", "Class" + std::to_string(reinterpret_cast<long long>(self))},
        {std::string(300, 'x'), std::string(249, 'x')}};
    for (const auto& [name, className] : windows) {
        SCOPED_TRACE(className);
        HWND window = rk_CreateMainWindow_1(self, name.c_str(), 0, 0, 600, 410, "CLO");
        EXPECT_EQ(FindWindowA(className.c_str(), name.c_str()), window);
    }
}

// A button disabled twice, enabled twice: each says if it was disabled; pushed is just a look.
TEST(Window, Buttons) {
    HWND button = rk_PushButton_1(WINDOW, 5, 5, 80, 25, "Ny", "l", "NORMAL", 401);
    for (int step = 0; step < 4; ++step) {
        (step % 2 ? rk_ButtonUp_1 : rk_ButtonDown_1)(button);
        EXPECT_EQ((step < 2 ? rk_DisableControl_1 : rk_EnableControl_1)(button), step % 2) << step;
        EXPECT_EQ(IsWindowEnabled(button) != FALSE, step >= 2) << step;
        EXPECT_EQ(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED, step % 2 ? 0 : BST_PUSHED);
    }
}

// Box codes (Enter presses the word in capitals); in order, dialogs keep buffers between calls.
TEST(Window, BoxesAndDialogs) {
    const std::tuple<const char*, Reply, int> boxes[] = {{"ok_CANCEL", Reply::Enter, 6},
                                                         {"YES_no", Reply::No, 1},
                                                         {"cancel_RETRY_ignore", Reply::Enter, 3},
                                                         {"cancel_retry_IGNORE", Reply::Enter, 2}};
    for (const auto& [buttons, reply, code] : boxes) {
        int got = 0;
        Answering({{reply}}, [&] { got = rk_MessageBox_1(WINDOW, "T", "?", "", buttons); });
        EXPECT_EQ(got, code) << buttons;
    }
    char temp[MAX_PATH];
    const std::string folder(temp, GetTempPathA(MAX_PATH, temp)), file = folder + "a.ico";
    const std::string tooLong = folder + std::string(255 - folder.size(), 'f') + ".ico"; // 259
    for (const std::string& path : {file, tooLong}) { // one that does not fit leaves the buffer
        fclose(fopen(path.c_str(), "w"));
        const auto open = [] { rk_OpenFileDialog_1(WINDOW, "", "NONE", "NONE_FILTER", nullptr); };
        Answering({{Reply::Path, path}}, open);
        EXPECT_EQ(openPath, file) << path;
    }
    const COLORREF C = 0x123456; // a new call starts at white, not at the last choice
    for (const auto& [reply, want] : {std::pair{Reply::Colour, C}, {Reply::Ok, W}}) {
        COLORREF got = 0;
        Answering({{reply, "", C}}, [&] { got = rk_ChooseColor_1(WINDOW); });
        EXPECT_EQ(std::pair(got, chosenColor), std::pair(want, want)) << std::hex << got;
    }
}
