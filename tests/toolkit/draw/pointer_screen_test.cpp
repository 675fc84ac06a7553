// The pointer hit test, driven by moving the real pointer, and the screen size.
#include "shared_window_suite.h"
#include "test_window.h"

#include "toolkit/draw/pointer.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

class Pointer : public SharedWindowSuite<Pointer> {
  public:
    static HWND MakeWindow() { return MakeTestWindow(30, 40, 640, 120); }

  protected:
    void TearDown() override {
        SharedWindowSuite::TearDown();
        buttonUpHandler = nullptr;
    }
    // Moves the pointer to a point of the client area.
    void MoveTo(int x, int y) {
        POINT point{x, y};
        ClientToScreen(window, &point);
        ASSERT_TRUE(SetCursorPos(point.x, point.y));
        POINT now{};
        GetCursorPos(&now);
        ASSERT_EQ(now.x, point.x);
        ASSERT_EQ(now.y, point.y);
    }
    int Swatch() { return rk_PointerInRect_1(window, 525, 5, 30, 30, 1); }
};

TEST_F(Pointer, InsideCountsOnlyStrictlyBetweenTheEdges) {
    struct Case {
        int x, y, expected;
    };
    const Case cases[] = {
        {526, 6, 1},  {554, 34, 1}, {540, 20, 1}, {525, 20, 0}, {540, 5, 0},
        {555, 20, 0}, {540, 35, 0}, {524, 20, 0}, {525, 5, 0},  {555, 35, 0},
    };
    for (const Case& point : cases) {
        MoveTo(point.x, point.y);
        EXPECT_EQ(Swatch(), point.expected) << point.x << "," << point.y;
    }
}

TEST_F(Pointer, GivesBackTheCallersCode) {
    MoveTo(100, 50);
    EXPECT_EQ(rk_PointerInRect_1(window, 90, 40, 20, 20, 17), 17);
    EXPECT_EQ(rk_PointerInRect_1(window, 90, 40, 20, 20, -3), -3);
    EXPECT_EQ(rk_PointerInRect_1(window, 90, 40, 20, 20, 0), 0);
    EXPECT_EQ(rk_PointerInRect_1(window, 99, 49, 2, 2, 5), 5);
    EXPECT_EQ(rk_PointerInRect_1(window, 99, 49, 1, 1, 5), 0);
}

TEST_F(Pointer, UsesClientCoordinatesOfTheGivenWindow) {
    MoveTo(10, 10);
    EXPECT_EQ(rk_PointerInRect_1(window, 5, 5, 10, 10, 1), 1);
    SetWindowPos(window, nullptr, 130, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PumpMessages();
    // The pointer stayed where it was on the screen; the window moved away from it.
    EXPECT_EQ(rk_PointerInRect_1(window, 5, 5, 10, 10, 1), 0);
    SetWindowPos(window, nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PumpMessages();
}

int resultInHandler = -1;

TEST_F(Pointer, FollowsThePointerNotTheMessagePosition) {
    buttonUpHandler = [](HWND w, LPARAM) {
        resultInHandler = rk_PointerInRect_1(w, 525, 5, 30, 30, 1);
    };
    // The message says inside, the pointer is outside.
    MoveTo(600, 80);
    resultInHandler = -1;
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(540, 20));
    PumpMessages();
    EXPECT_EQ(resultInHandler, 0);
    // The message says outside, the pointer is inside.
    MoveTo(540, 20);
    resultInHandler = -1;
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(600, 80));
    PumpMessages();
    EXPECT_EQ(resultInHandler, 1);
}

TEST(ScreenSize, IsTheLargestOverAllDisplayModes) {
    int maxWidth = 0;
    int maxHeight = 0;
    int modes = 0;
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    for (DWORD i = 0; EnumDisplaySettingsA(nullptr, i, &mode); ++i) {
        ++modes;
        std::printf("display mode %lu: %lu x %lu, %lu bits\n", static_cast<unsigned long>(i),
                    mode.dmPelsWidth, mode.dmPelsHeight, mode.dmBitsPerPel);
        if (static_cast<int>(mode.dmPelsWidth) > maxWidth) maxWidth = mode.dmPelsWidth;
        if (static_cast<int>(mode.dmPelsHeight) > maxHeight) maxHeight = mode.dmPelsHeight;
    }
    ASSERT_GT(modes, 0) << "the display offers no modes";
    std::printf("display modes: %d, largest %d x %d, in use %d x %d\n", modes, maxWidth, maxHeight,
                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));

    int width = -1;
    int height = -1;
    EXPECT_EQ(rk_ScreenSize_1(&width, &height), 0);
    EXPECT_EQ(width, maxWidth);
    EXPECT_EQ(height, maxHeight);
    EXPECT_GE(width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_GE(height, GetSystemMetrics(SM_CYSCREEN));
}

} // namespace
