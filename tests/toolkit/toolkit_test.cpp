// The rk_ toolkit in one real window, where the editor does not show it: drawing targets,
// canvases and the paint bracket; what the dialogs keep between calls.
#include "tests/support/harness.h"
#include "toolkit/draw/shapes.h"
#include "toolkit/draw/target.h"
#include "toolkit/window/dialogs.h"
#include "toolkit/window/window.h"

#include <gtest/gtest.h>

constexpr COLORREF S = 0x404040, K = 0, W = 0xFFFFFF, RED = 0xFF, C = 0x123456;
constexpr COLORREF BG = 0x336699; // what erasing the window paints
const WNDCLASSA CLASS{0, DefWindowProcA, 0, 0, 0, 0, 0, CreateSolidBrush(BG), 0, "rk test"};
const HWND WINDOW = CreateWindowA(MAKEINTATOM(RegisterClassA(&CLASS)), "", WS_POPUP | WS_VISIBLE, 0,
                                  0, 800, 100, 0, 0, 0, 0);
const HDC DC = GetDC(WINDOW); // kept

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
    rk_BeginPaintPass_1(WINDOW); // its first call alone asks: a repaint asked after it stays
    for (const bool first : {true, false}) {
        InvalidateRect(WINDOW, &corner, FALSE);
        rk_FilledRect_1(WINDOW, 5, 5, 20, 20, RED);
        EXPECT_EQ(GetUpdateRect(WINDOW, nullptr, FALSE) == FALSE, first) << first;
    }
    rk_EndPaintPass_1(WINDOW);
    rk_ReleaseCanvas_1(canvas);
    EXPECT_EQ(GetObjectType(canvas) + GetObjectType(bitmap), 0u); // both freed
    EXPECT_EQ(currentCanvas, nullptr);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

// A name too long for a class is cut. In order, dialogs keep their buffers between calls: the
// path, unless a choice does not fit; the colour dialog starts at white, not at the last choice.
TEST(Window, NamesAndDialogs) {
    const std::string name(300, 'x'); // the class name holds 249 characters
    HWND made = rk_CreateMainWindow_1(GetModuleHandleA(nullptr), name.c_str(), 0, 0, 9, 9, "CLO");
    ASSERT_NE(made, nullptr); // else FindWindowA's null would match it
    EXPECT_EQ(FindWindowA(name.substr(0, 249).c_str(), name.c_str()), made);
    char temp[MAX_PATH];
    const std::string folder(temp, GetTempPathA(MAX_PATH, temp)), file = folder + "a.ico";
    const std::string tooLong = folder + std::string(255 - folder.size(), 'f') + ".ico"; // 259
    for (const std::string& path : {file, tooLong}) { // one that does not fit leaves the buffer
        fclose(fopen(path.c_str(), "w"));
        const auto open = [] { rk_OpenFileDialog_1(WINDOW, "", "NONE", "NONE_FILTER", nullptr); };
        Answering({{Reply::Path, path}}, open);
        EXPECT_EQ(openPath, file) << path;
    }
    for (const auto& [reply, want] : {std::pair{Reply::Colour, C}, {Reply::Ok, W}}) {
        COLORREF got = 0;
        Answering({{reply, "", C}}, [&] { got = rk_ChooseColor_1(WINDOW); });
        EXPECT_EQ(std::pair(got, chosenColor), std::pair(want, want)) << std::hex << got;
    }
}
