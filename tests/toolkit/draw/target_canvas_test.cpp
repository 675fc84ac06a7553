// Drawing targets, canvases, block copies and single pixels on real windows.
#include "shared_window_suite.h"
#include "test_window.h"

#include "toolkit/draw/shapes.h"
#include "toolkit/draw/target.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF RED = RGB(220, 20, 40);
constexpr COLORREF GREEN = RGB(10, 200, 60);
constexpr COLORREF SILVER = 0xC0C0C0;

class TargetCanvas : public SharedWindowSuite<TargetCanvas> {
  public:
    static HWND MakeWindow() { return MakeTestWindow(60, 60, 400, 300, WS_POPUP | WS_BORDER); }

  protected:
    void SetUp() override {
        SharedWindowSuite::SetUp();
        if (HasFatalFailure()) return;
        FillClient(window, SENTINEL);
    }
    void TearDown() override {
        SharedWindowSuite::TearDown();
        for (HDC canvas : canvases) rk_ReleaseCanvas_1(canvas);
        rk_SelectCanvas_1(nullptr);
    }
    HDC Canvas(int width, int height, COLORREF color) {
        HDC canvas = rk_CreateCanvas_1(window, width, height, color);
        if (canvas != nullptr) canvases.push_back(canvas);
        return canvas;
    }
    std::vector<HDC> canvases;
};

TEST_F(TargetCanvas, KeywordsSetTheTargetAndAnythingElseChangesNothing) {
    EXPECT_EQ(rk_DrawTarget_1(window, "MEMORY"), 0);
    EXPECT_EQ(currentTarget, TARGET_MEMORY);
    EXPECT_EQ(rk_DrawTarget_1(window, "WINDOW"), 0);
    EXPECT_EQ(currentTarget, TARGET_WINDOW);
    for (const char* other : {"memory", "client", "Client", "CLIENT ", "", "SCREEN"}) {
        EXPECT_EQ(rk_DrawTarget_1(window, other), 0) << other;
        EXPECT_EQ(currentTarget, TARGET_WINDOW) << other;
    }
    EXPECT_EQ(rk_DrawTarget_1(nullptr, "CLIENT"), 0);
    EXPECT_EQ(currentTarget, TARGET_CLIENT);
    rk_DrawTarget_1(window, "memory");
    EXPECT_EQ(currentTarget, TARGET_CLIENT);
}

TEST_F(TargetCanvas, NewCanvasIsFilledInTheWindowFormatAndBecomesCurrent) {
    HDC first = Canvas(10, 10, RED);
    ASSERT_NE(first, nullptr);
    HDC canvas = Canvas(50, 50, SILVER);
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(currentCanvas, canvas);
    int filled = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x) filled += GetPixel(canvas, x, y) == SILVER;
    EXPECT_EQ(filled, 2500);
    EXPECT_EQ(GetPixel(canvas, 50, 0), CLR_INVALID);

    // Made from the window's context, not the one-bit format of a bare memory context.
    BITMAP bitmap{};
    ASSERT_NE(GetObjectA(GetCurrentObject(canvas, OBJ_BITMAP), sizeof bitmap, &bitmap), 0);
    HDC windowDc = GetDC(window);
    EXPECT_EQ(bitmap.bmBitsPixel, GetDeviceCaps(windowDc, BITSPIXEL));
    ReleaseDC(window, windowDc);
    EXPECT_EQ(bitmap.bmWidth, 50);
    EXPECT_EQ(bitmap.bmHeight, 50);

    // No select needed: "MEMORY" draws into the canvas just made.
    rk_DrawTarget_1(window, "MEMORY");
    rk_FilledRect_1(window, 3, 4, 2, 2, GREEN);
    EXPECT_EQ(GetPixel(canvas, 3, 4), GREEN);
    EXPECT_EQ(GetPixel(canvas, 4, 5), GREEN);
    EXPECT_EQ(GetPixel(canvas, 5, 5), SILVER);
    EXPECT_EQ(GetPixel(first, 3, 4), RED);
    EXPECT_EQ(ClientPixel(window, 3, 4), SENTINEL);
}

TEST_F(TargetCanvas, CanvasMadeUnderMemoryMatchesTheCurrentCanvas) {
    HDC base = Canvas(20, 20, RED);
    ASSERT_NE(base, nullptr);
    rk_DrawTarget_1(window, "MEMORY");
    HDC second = Canvas(8, 6, GREEN);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(currentCanvas, second);
    BITMAP a{}, b{};
    GetObjectA(GetCurrentObject(base, OBJ_BITMAP), sizeof a, &a);
    GetObjectA(GetCurrentObject(second, OBJ_BITMAP), sizeof b, &b);
    EXPECT_EQ(b.bmBitsPixel, a.bmBitsPixel);
    EXPECT_EQ(GetPixel(second, 7, 5), GREEN);
}

TEST_F(TargetCanvas, SelectingReturnsThePreviousCanvas) {
    HDC a = Canvas(4, 4, RED);
    HDC b = Canvas(4, 4, GREEN);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(rk_SelectCanvas_1(a), b);
    EXPECT_EQ(rk_SelectCanvas_1(b), a);
    EXPECT_EQ(currentCanvas, b);
    EXPECT_EQ(rk_SelectCanvas_1(nullptr), b);
    EXPECT_EQ(rk_SelectCanvas_1(a), nullptr);

    rk_DrawTarget_1(window, "MEMORY");
    rk_SetPixel_1(window, 1, 1, SILVER);
    EXPECT_EQ(GetPixel(a, 1, 1), SILVER);
    EXPECT_EQ(GetPixel(b, 1, 1), GREEN);
}

TEST_F(TargetCanvas, BitmapThatCannotBeMadeGivesNullAndKeepsTheCurrentCanvas) {
    HDC kept = Canvas(4, 4, RED);
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(Canvas(1 << 30, 1 << 30, GREEN), nullptr);
    EXPECT_EQ(currentCanvas, kept);
}

TEST_F(TargetCanvas, BlitCopiesCanvasToCanvas) {
    HDC thumbnail = Canvas(48, 48, SILVER);
    HDC wipe = Canvas(32, 32, 0x646464);
    ASSERT_NE(thumbnail, nullptr);
    ASSERT_NE(wipe, nullptr);
    SetPixelV(wipe, 0, 0, RED);
    SetPixelV(wipe, 31, 31, GREEN);

    rk_DrawTarget_1(window, "MEMORY");
    rk_SelectCanvas_1(thumbnail);
    EXPECT_EQ(rk_Blit_1(window, wipe, 9, 9, 32, 32), 0);
    EXPECT_EQ(GetPixel(thumbnail, 9, 9), RED);
    EXPECT_EQ(GetPixel(thumbnail, 40, 40), GREEN);
    EXPECT_EQ(GetPixel(thumbnail, 20, 30), COLORREF{0x646464});
    EXPECT_EQ(GetPixel(thumbnail, 8, 9), SILVER);
    EXPECT_EQ(GetPixel(thumbnail, 41, 40), SILVER);
    EXPECT_EQ(GetPixel(thumbnail, 40, 41), SILVER);
    EXPECT_EQ(ClientPixel(window, 9, 9), SENTINEL);
}

TEST_F(TargetCanvas, BlitCopiesCanvasToTheWindow) {
    HDC canvas = Canvas(20, 10, GREEN);
    ASSERT_NE(canvas, nullptr);
    SetPixelV(canvas, 19, 9, RED);
    PumpMessages();
    EXPECT_EQ(rk_Blit_1(window, canvas, 110, 10, 20, 10), 0);
    EXPECT_EQ(ClientPixel(window, 110, 10), GREEN);
    EXPECT_EQ(ClientPixel(window, 129, 19), RED);
    EXPECT_EQ(ClientPixel(window, 109, 10), SENTINEL);
    EXPECT_EQ(ClientPixel(window, 130, 19), SENTINEL);
    EXPECT_EQ(ClientPixel(window, 129, 20), SENTINEL);
}

TEST_F(TargetCanvas, RefusedBlitGivesOne) {
    EXPECT_EQ(rk_Blit_1(window, nullptr, 0, 0, 10, 10), 1);
    rk_DrawTarget_1(window, "MEMORY");
    rk_SelectCanvas_1(nullptr);
    HDC source = Canvas(4, 4, RED);
    rk_SelectCanvas_1(nullptr);
    EXPECT_EQ(rk_Blit_1(window, source, 0, 0, 4, 4), 1);
}

TEST_F(TargetCanvas, SetPixelSetsExactlyOnePixelOfTheTarget) {
    PumpMessages();
    EXPECT_EQ(rk_SetPixel_1(window, 7, 9, RED), 0);
    EXPECT_EQ(rk_GetPixel_1(window, 7, 9), RED);
    EXPECT_EQ(ClientPixel(window, 7, 9), RED);
    for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}})
        EXPECT_EQ(rk_GetPixel_1(window, 7 + dx, 9 + dy), SENTINEL);
    // Outside the client area nothing can be read.
    EXPECT_EQ(rk_GetPixel_1(window, -3, -3), CLR_INVALID);
    EXPECT_EQ(rk_GetPixel_1(window, 400, 10), CLR_INVALID);

    HDC canvas = Canvas(8, 8, SILVER);
    ASSERT_NE(canvas, nullptr);
    rk_DrawTarget_1(window, "MEMORY");
    EXPECT_EQ(rk_SetPixel_1(window, 2, 3, GREEN), 0);
    EXPECT_EQ(rk_GetPixel_1(window, 2, 3), GREEN);
    EXPECT_EQ(rk_GetPixel_1(window, 3, 3), SILVER);
    EXPECT_EQ(rk_GetPixel_1(window, 8, 3), CLR_INVALID);
    EXPECT_EQ(ClientPixel(window, 2, 3), SENTINEL);
}

TEST_F(TargetCanvas, WindowTargetDrawsInWindowCoordinates) {
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    RECT frame;
    GetWindowRect(window, &frame);
    const int dx = origin.x - frame.left;
    const int dy = origin.y - frame.top;
    ASSERT_GT(dy, 0) << "the test window needs a border";

    rk_DrawTarget_1(window, "WINDOW");
    // (0,0) is on the border, outside the client area.
    rk_SetPixel_1(window, 0, 0, RED);
    EXPECT_EQ(rk_GetPixel_1(window, 0, 0), RED);
    HDC whole = GetWindowDC(window);
    EXPECT_EQ(GetPixel(whole, 0, 0), RED);
    ReleaseDC(window, whole);

    // The client point (5, 6) seen from the whole window.
    rk_FilledRect_1(window, dx + 5, dy + 6, 1, 1, GREEN);
    EXPECT_EQ(ClientPixel(window, 5, 6), GREEN);
    EXPECT_EQ(ClientPixel(window, 6, 6), SENTINEL);
}

TEST_F(TargetCanvas, ReleasedCanvasFreesItsContextAndBitmap) {
    HDC canvas = rk_CreateCanvas_1(window, 64, 64, RED);
    ASSERT_NE(canvas, nullptr);
    HGDIOBJ bitmap = GetCurrentObject(canvas, OBJ_BITMAP);
    ASSERT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
    ASSERT_EQ(GetObjectType(canvas), static_cast<DWORD>(OBJ_MEMDC));
    EXPECT_EQ(rk_ReleaseCanvas_1(canvas), 0);
    EXPECT_EQ(GetObjectType(bitmap), 0u);
    EXPECT_EQ(GetObjectType(canvas), 0u);
    EXPECT_EQ(currentCanvas, nullptr);
}

TEST_F(TargetCanvas, ReleasingAnotherCanvasKeepsTheCurrentOne) {
    HDC other = rk_CreateCanvas_1(window, 8, 8, RED);
    HDC current = Canvas(8, 8, GREEN);
    ASSERT_NE(other, nullptr);
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(rk_ReleaseCanvas_1(other), 0);
    EXPECT_EQ(currentCanvas, current);
    EXPECT_EQ(rk_ReleaseCanvas_1(nullptr), 0);
}

} // namespace
