// Window drawing validates a pending repaint; canvas drawing leaves it pending.
#include "shared_window_suite.h"
#include "test_window.h"

#include "toolkit/draw/shapes.h"
#include "toolkit/draw/target.h"
#include "toolkit/draw/text.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

struct Drawing {
    const char* name;
    std::function<void(HWND, HDC)> draw;
};

std::vector<Drawing> EveryDrawingCall() {
    return {
        {"Blit", [](HWND w, HDC source) { rk_Blit_1(w, source, 0, 0, 4, 4); }},
        {"SetPixel", [](HWND w, HDC) { rk_SetPixel_1(w, 1, 1, RGB(1, 2, 3)); }},
        {"Line3D", [](HWND w, HDC) { rk_Line3D_1(w, 2, 2, 5, "RIGHT", "UPPER", 1); }},
        {"Frame3D", [](HWND w, HDC) { rk_Frame3D_1(w, 2, 2, 40, 30, "UPPER", 1); }},
        {"FilledRect", [](HWND w, HDC) { rk_FilledRect_1(w, 2, 2, 5, 5, RGB(9, 9, 9)); }},
        {"TextOut", [](HWND w, HDC) { rk_TextOut_1(w, 2, 2, "Ny", 0xFF, nullptr, 0); }},
        {"NumberOut", [](HWND w, HDC) { rk_NumberOut_1(w, 2, 2, 4, 0, 0xFF, nullptr, 0); }},
    };
}

class PaintBracket : public SharedWindowSuite<PaintBracket> {
  public:
    static HWND MakeWindow() { return MakeTestWindow(80, 80, 200, 150); }

  protected:
    void SetUp() override {
        SharedWindowSuite::SetUp();
        if (HasFatalFailure()) return;
        canvas = rk_CreateCanvas_1(window, 64, 64, RGB(200, 200, 200));
        source = rk_CreateCanvas_1(window, 4, 4, RGB(0, 0, 200));
        ASSERT_NE(canvas, nullptr);
        ASSERT_NE(source, nullptr);
        PumpMessages();
    }
    void TearDown() override {
        SharedWindowSuite::TearDown();
        rk_ReleaseCanvas_1(canvas);
        rk_ReleaseCanvas_1(source);
    }
    bool Pending() { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }
    // Requests a repaint, lets `draw` run, and says whether WM_PAINT still came.
    bool RepaintArrivesAfter(const std::function<void()>& draw, bool* pendingAfterDraw) {
        PumpMessages();
        InvalidateRect(window, nullptr, FALSE);
        if (!Pending()) ADD_FAILURE() << "the repaint request did not register";
        draw();
        *pendingAfterDraw = Pending();
        const int before = paintCount;
        PumpMessages();
        return paintCount > before;
    }
    HDC canvas = nullptr;
    HDC source = nullptr;
};

TEST_F(PaintBracket, ClientDrawingValidatesThePendingRepaint) {
    for (const Drawing& drawing : EveryDrawingCall()) {
        rk_DrawTarget_1(window, "CLIENT");
        bool pending = true;
        const bool painted = RepaintArrivesAfter([&] { drawing.draw(window, source); }, &pending);
        EXPECT_FALSE(pending) << drawing.name;
        EXPECT_FALSE(painted) << drawing.name;
    }
}

TEST_F(PaintBracket, WindowTargetDrawingValidatesToo) {
    rk_DrawTarget_1(window, "WINDOW");
    bool pending = true;
    RepaintArrivesAfter([&] { rk_FilledRect_1(window, 0, 0, 2, 2, RGB(5, 5, 5)); }, &pending);
    EXPECT_FALSE(pending);
}

TEST_F(PaintBracket, MemoryDrawingLeavesTheRepaintToArrive) {
    for (const Drawing& drawing : EveryDrawingCall()) {
        rk_DrawTarget_1(window, "MEMORY");
        rk_SelectCanvas_1(canvas);
        bool pending = false;
        const bool painted = RepaintArrivesAfter([&] { drawing.draw(window, source); }, &pending);
        EXPECT_TRUE(pending) << drawing.name;
        EXPECT_TRUE(painted) << drawing.name;
    }
}

TEST_F(PaintBracket, MakingCanvasesAndReadingPixelsOpenNoBracket) {
    bool pending = false;
    HDC made = nullptr;
    EXPECT_TRUE(RepaintArrivesAfter(
        [&] {
            made = rk_CreateCanvas_1(window, 8, 8, RGB(1, 1, 1));
            rk_GetPixel_1(window, 3, 3);
        },
        &pending));
    EXPECT_TRUE(pending);
    rk_ReleaseCanvas_1(made);
}

TEST_F(PaintBracket, ClientDrawingErasesWhereTheRegionAsksForIt) {
    PumpMessages();
    const int before = eraseCount;
    InvalidateRect(window, nullptr, TRUE);
    rk_FilledRect_1(window, 2, 2, 3, 3, RGB(7, 7, 7));
    EXPECT_EQ(eraseCount, before + 1);
    InvalidateRect(window, nullptr, TRUE);
    rk_DrawTarget_1(window, "MEMORY");
    rk_SelectCanvas_1(canvas);
    rk_FilledRect_1(window, 2, 2, 3, 3, RGB(7, 7, 7));
    EXPECT_EQ(eraseCount, before + 1);
    PumpMessages();
    EXPECT_EQ(eraseCount, before + 2);
}

TEST_F(PaintBracket, ClientDrawingIsNotClippedToTheUpdateRegion) {
    FillClient(window, SENTINEL);
    PumpMessages();
    const RECT small{0, 0, 4, 4};
    InvalidateRect(window, &small, FALSE);
    rk_FilledRect_1(window, 100, 100, 3, 3, RGB(0, 128, 0));
    EXPECT_EQ(ClientPixel(window, 101, 101), RGB(0, 128, 0));
}

} // namespace
