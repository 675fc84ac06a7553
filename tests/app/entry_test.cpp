// The start of the program: the command tail, WinMain's loop and its exit codes.
#include "app/editor_state.h"
#include "app/start_program.h"
#include "tests/app/editor_harness.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

namespace {

std::string TailOf(const char* commandLine) {
    std::string line = commandLine;
    return CommandTail(line.data());
}

TEST(CommandTail, QuotedProgramThenSpacesAndWords) {
    EXPECT_EQ(TailOf("\"C:\\Program Files\\prickverket.exe\"   two words"), "two words");
}

TEST(CommandTail, UnquotedProgramAlone) {
    EXPECT_EQ(TailOf("prickverket.exe"), "");
}

TEST(CommandTail, UnquotedProgramThenArguments) {
    EXPECT_EQ(TailOf("prickverket.exe  a b"), "a b");
}

TEST(CommandTail, QuoteNeverClosedGivesTheWholeLine) {
    EXPECT_EQ(TailOf("\"C:\\prickverket.exe a"), "\"C:\\prickverket.exe a");
}

TEST(CommandTail, OnlySpacesEndTheName) {
    EXPECT_EQ(TailOf("prickverket.exe\tx y"), "y");
    EXPECT_EQ(TailOf("\"p.exe\"\tx"), "\tx");
}

TEST(CommandTail, EmptyLine) {
    EXPECT_EQ(TailOf(""), "");
}

// Closes the editor's window with its close box once it has appeared.
void CloseWhenShown(std::atomic<bool>& closed) {
    for (int i = 0; i < 500 && !closed; ++i) {
        HWND window = FindWindowA(MAIN_WINDOW_NAME, "Prickverket");
        if (window != nullptr && IsWindowVisible(window)) {
            Sleep(200);
            PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            closed = true;
            return;
        }
        Sleep(20);
    }
}

TEST(WinMain, CloseBoxEndsTheLoopWithExitCodeZero) {
    std::atomic<bool> closed{false};
    std::thread closer(CloseWhenShown, std::ref(closed));
    char tail[] = "ignored words";
    const int code = WinMain(GetModuleHandleA(nullptr), nullptr, tail, SW_SHOWNORMAL);
    closer.join();
    EXPECT_TRUE(closed);
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(IsWindow(FindWindowA(MAIN_WINDOW_NAME, nullptr)));
    UnregisterClassA(MAIN_WINDOW_NAME, GetModuleHandleA(nullptr));
}

TEST(WinMain, ChangedImageClosesWithoutAQuestion) {
    std::atomic<bool> closed{false};
    std::thread closer([&closed] {
        for (int i = 0; i < 500; ++i) {
            HWND window = FindWindowA(MAIN_WINDOW_NAME, "Prickverket");
            if (window != nullptr && IsWindowVisible(window)) {
                Sleep(200);
                // "Rita streck", then the close box: no box may stop the closing.
                PostMessageA(window, WM_COMMAND, ID_DRAW_LINE, 0);
                PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
                closed = true;
                return;
            }
            Sleep(20);
        }
    });
    const int code = WinMain(GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOWNORMAL);
    closer.join();
    EXPECT_TRUE(closed);
    EXPECT_EQ(code, 0);
    UnregisterClassA(MAIN_WINDOW_NAME, GetModuleHandleA(nullptr));
}

TEST(WinMain, NoWindowReturnsOneAtOnce) {
    // A class of the same name already registered makes rk_CreateMainWindow_1 fail.
    WNDCLASSEXA taken = {};
    taken.cbSize = sizeof taken;
    taken.lpfnWndProc = DefWindowProcA;
    taken.hInstance = GetModuleHandleA(nullptr);
    taken.lpszClassName = MAIN_WINDOW_NAME;
    ASSERT_NE(RegisterClassExA(&taken), 0);
    const DWORD start = GetTickCount();
    EXPECT_EQ(WinMain(GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOWNORMAL), 1);
    EXPECT_LT(GetTickCount() - start, 5000u);
    UnregisterClassA(MAIN_WINDOW_NAME, GetModuleHandleA(nullptr));
}

} // namespace
