// At start, before any target keyword, drawing goes to the client area.
// A program of its own, so that no other test has changed the target first.
#include "test_window.h"

#include "toolkit/draw/shapes.h"
#include "toolkit/draw/target.h"

#include <gtest/gtest.h>

TEST(DefaultTarget, StartsAsClientWithNoCanvas) {
    EXPECT_EQ(currentTarget, TARGET_CLIENT);
    EXPECT_EQ(currentCanvas, nullptr);
}

TEST(DefaultTarget, DrawingWithoutAKeywordReachesTheClientArea) {
    HWND window = MakeTestWindow(40, 40, 200, 100);
    ASSERT_NE(window, nullptr);
    FillClient(window, SENTINEL);
    EXPECT_EQ(rk_FilledRect_1(window, 10, 20, 5, 4, RGB(200, 10, 30)), 0);
    EXPECT_EQ(ClientPixel(window, 10, 20), RGB(200, 10, 30));
    EXPECT_EQ(ClientPixel(window, 14, 23), RGB(200, 10, 30));
    EXPECT_EQ(ClientPixel(window, 15, 23), SENTINEL);
    DestroyWindow(window);
}
