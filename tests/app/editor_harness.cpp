#include "tests/app/editor_harness.h"

#include "app/editor_state.h"
#include "toolkit/draw/target.h"
#include "toolkit/window/dialogs.h"
#include "toolkit/window/window.h"

#include <cstring>

HWND OpenEditor() {
    leftColor = 0x000000;
    rightColor = 0xFFFFFF;
    drawMode = 0;
    gridOn = 0;
    gridStyle[0] = '\0';
    imageCount = 0;
    openPath[0] = '\0';
    savePath[0] = '\0';
    chosenColor = 0x000000;
    rk_DrawTarget_1(nullptr, "CLIENT");
    HWND window = rk_CreateMainWindow_1(GetModuleHandleA(nullptr), MAIN_WINDOW_NAME, 0, 0,
                                        MAIN_WINDOW_WIDTH, MAIN_WINDOW_HEIGHT, "CLO");
    if (window != nullptr) {
        SetForegroundWindow(window);
        UpdateWindow(window);
        Pump();
    }
    return window;
}

void CloseEditor(HWND window) {
    if (window != nullptr && IsWindow(window)) DestroyWindow(window);
    // Takes the quit message that WM_DESTROY posted, and anything else left.
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT) DispatchMessageA(&message);
    }
    UnregisterClassA(MAIN_WINDOW_NAME, GetModuleHandleA(nullptr));
}

void Pump() {
    for (int round = 0; round < 3; ++round) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        // Lets the window surface catch up before the next look at it.
        Sleep(5);
    }
}

void Command(HWND window, WPARAM id) {
    SendMessageA(window, WM_COMMAND, id, 0);
    Pump();
}

void PointAt(HWND window, int x, int y) {
    POINT point = {x, y};
    ClientToScreen(window, &point);
    SetCursorPos(point.x, point.y);
}

void MouseMessage(HWND window, UINT message, int x, int y, WPARAM keyState) {
    PointAt(window, x, y);
    SendMessageA(window, message, keyState, MAKELPARAM(x, y));
    Pump();
}

void LeftClick(HWND window, int x, int y) {
    MouseMessage(window, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
    MouseMessage(window, WM_LBUTTONUP, x, y, 0);
}

void RightClick(HWND window, int x, int y) {
    MouseMessage(window, WM_RBUTTONDOWN, x, y, MK_RBUTTON);
    MouseMessage(window, WM_RBUTTONUP, x, y, 0);
}

COLORREF WindowPixel(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}

COLORREF CanvasPixel(HDC canvas, int x, int y) {
    return GetPixel(canvas, x, y);
}

Pixels Capture(HDC source, int x, int y, int width, int height) {
    Pixels shot{x, y, width, height, std::vector<COLORREF>(static_cast<size_t>(width) * height)};
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    const auto* bgra = static_cast<const unsigned char*>(bits);
    for (size_t i = 0; i < shot.colors.size(); ++i) {
        shot.colors[i] = RGB(bgra[4 * i + 2], bgra[4 * i + 1], bgra[4 * i]);
    }
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
    return shot;
}

Pixels CaptureWindow(HWND window, int x, int y, int width, int height) {
    HDC dc = GetDC(window);
    Pixels shot = Capture(dc, x, y, width, height);
    ReleaseDC(window, dc);
    return shot;
}

bool Pixels::All(COLORREF color) const {
    for (COLORREF c : colors) {
        if (c != color) return false;
    }
    return true;
}

bool CanvasAreaIs(HDC canvas, int x, int y, int width, int height, COLORREF color) {
    return Capture(canvas, x, y, width, height).All(color);
}

bool WindowAreaIs(HWND window, int x, int y, int width, int height, COLORREF color) {
    return CaptureWindow(window, x, y, width, height).All(color);
}

std::string WindowTitle(HWND window) {
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool ButtonPushed(HWND button) {
    return (SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

bool ButtonEnabled(HWND button) {
    return IsWindowEnabled(button) != FALSE;
}

std::string TestFolder() {
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    std::string folder =
        std::string(temp) + "prickverket-app-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "\\";
}

std::string TestCaseFolder() {
    const std::string folder =
        TestFolder() + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "\\";
}

void EditorTest::SetUp() {
    window = OpenEditor();
    ASSERT_NE(window, nullptr);
}

void EditorTest::TearDown() {
    EXPECT_EQ(currentTarget, TARGET_CLIENT);
    CloseEditor(window);
}
