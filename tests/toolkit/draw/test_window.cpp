// Test windows with their own procedure, and pixel read-back helpers.
#include "test_window.h"

#include <cstdio>

int paintCount = 0;
int eraseCount = 0;
void (*buttonUpHandler)(HWND window, LPARAM position) = nullptr;

namespace {

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        ++paintCount;
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        ++eraseCount;
        return 1;
    case WM_LBUTTONUP:
        if (buttonUpHandler != nullptr) buttonUpHandler(window, lParam);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

const char* RegisterTestClass() {
    static const char* name = nullptr;
    if (name == nullptr) {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = TestWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.lpszClassName = "DrawTestWindow";
        if (RegisterClassExA(&windowClass) != 0) name = windowClass.lpszClassName;
    }
    return name;
}

} // namespace

HWND MakeTestWindow(int x, int y, int clientWidth, int clientHeight, DWORD style) {
    const char* className = RegisterTestClass();
    if (className == nullptr) return nullptr;
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_TOPMOST);
    HWND window = CreateWindowExA(WS_EX_TOPMOST, className, "draw test", style, x, y,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr) return nullptr;
    ShowWindow(window, SW_SHOW);
    SetWindowPos(window, HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(window);
    UpdateWindow(window);
    PumpMessages();
    return window;
}

void PumpMessages() {
    // Twice, with a short pause: Wine delivers some window-manager traffic late.
    for (int round = 0; round < 2; ++round) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (round == 0) Sleep(20);
    }
}

void FillClient(HWND window, COLORREF color) {
    RECT client;
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    ReleaseDC(window, dc);
}

void FillCanvas(HDC canvas, COLORREF color) {
    BITMAP info{};
    GetObjectA(GetCurrentObject(canvas, OBJ_BITMAP), sizeof info, &info);
    const RECT all{0, 0, info.bmWidth, info.bmHeight};
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(canvas, &all, brush);
    DeleteObject(brush);
}

COLORREF ClientPixel(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}

std::string CompareRegion(HDC dc, int left, int top, int right, int bottom,
                          const PixelMap& expected, COLORREF untouched) {
    std::string report;
    int mismatches = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const auto found = expected.find({x, y});
            const COLORREF want = found == expected.end() ? untouched : found->second;
            const COLORREF got = GetPixel(dc, x, y);
            if (got == want) continue;
            if (++mismatches <= 12) {
                char line[96];
                std::snprintf(line, sizeof line, "(%d,%d): got %06lX, want %06lX\n", x, y,
                              static_cast<unsigned long>(got), static_cast<unsigned long>(want));
                report += line;
            }
        }
    }
    if (mismatches > 12) report += std::to_string(mismatches - 12) + " more\n";
    return report;
}

void MarkRow(PixelMap& map, int y, int x1, int x2, COLORREF color) {
    for (int x = x1; x <= x2; ++x) map[{x, y}] = color;
}

void MarkColumn(PixelMap& map, int x, int y1, int y2, COLORREF color) {
    for (int y = y1; y <= y2; ++y) map[{x, y}] = color;
}
