// A suite of drawing tests that share one window, made by Suite::MakeWindow():
// Wine takes about two seconds to take a window down again, so a window per test
// would cost that every time.
#pragma once

#include "test_window.h"
#include "toolkit/draw/target.h"

#include <gtest/gtest.h>

template <typename Suite> class SharedWindowSuite : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { window = Suite::MakeWindow(); }
    static void TearDownTestSuite() {
        DestroyWindow(window);
        window = nullptr;
    }
    // Derived suites call this first and stop when it has failed.
    void SetUp() override {
        ASSERT_NE(window, nullptr) << "the test window could not be made";
        rk_DrawTarget_1(window, "CLIENT");
    }
    void TearDown() override { rk_DrawTarget_1(window, "CLIENT"); }
    static inline HWND window = nullptr;
};
