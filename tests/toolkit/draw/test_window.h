// Real windows for the drawing tests: made with plain Win32, shown on top, and
// read back pixel by pixel without going through the toolkit.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <utility>

// A colour none of the toolkit's greys use, for "untouched" pixels.
constexpr COLORREF SENTINEL = RGB(0x12, 0x34, 0x56);

// How many WM_PAINT messages the test windows have received.
extern int paintCount;
// How many WM_ERASEBKGND messages they have received (they never erase).
extern int eraseCount;
// Called for WM_LBUTTONUP on a test window, when set.
extern void (*buttonUpHandler)(HWND window, LPARAM position);

// A visible top-level window with a client area of the given size at the given
// screen position. Its procedure validates WM_PAINT without drawing and never
// erases, so what a test draws stays until it reads it back.
HWND MakeTestWindow(int x, int y, int clientWidth, int clientHeight, DWORD style = WS_POPUP);
// Handles every queued message, sent ones included.
void PumpMessages();
// Fills the client area with one colour, straight through GDI.
void FillClient(HWND window, COLORREF color);
// Fills a canvas's whole bitmap with one colour, straight through GDI.
void FillCanvas(HDC canvas, COLORREF color);
COLORREF ClientPixel(HWND window, int x, int y);

using PixelMap = std::map<std::pair<int, int>, COLORREF>;

// Compares every pixel of the rectangle with the map; pixels not in the map
// must still be `untouched`. Returns a readable list of the first mismatches,
// empty when all match.
std::string CompareRegion(HDC dc, int left, int top, int right, int bottom,
                          const PixelMap& expected, COLORREF untouched);
// Sets the pixels of a horizontal or vertical run in the map.
void MarkRow(PixelMap& map, int y, int x1, int x2, COLORREF color);
void MarkColumn(PixelMap& map, int x, int y1, int y2, COLORREF color);
