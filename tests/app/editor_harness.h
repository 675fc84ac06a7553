// Runs the real editor window inside a test program: created as WinMain creates
// it, driven with real messages and a real pointer, read back from real pixels.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Colours the editor's window shows, as the tests read them back.
constexpr COLORREF WHITE = 0xFFFFFF;
constexpr COLORREF BLACK = 0x000000;
constexpr COLORREF GREY = 0xC0C0C0;      // the grey ground and the grey preview
constexpr COLORREF DARK_GREY = 0x646464; // a wiped thumbnail
constexpr COLORREF RED = 0x0000FF;

// Puts the editor's program-wide values back to their start values and creates
// the main window exactly as WinMain does; pumps until the first paint is done.
HWND OpenEditor();
// Destroys the window and unregisters its class, so the next test can open one.
void CloseEditor(HWND window);

// Handles every message waiting for this thread, paints included.
void Pump();
// Sends WM_COMMAND with the id, then pumps.
void Command(HWND window, WPARAM id);

// Moves the real pointer to the client point (x, y) of the window.
void PointAt(HWND window, int x, int y);
// Points at (x, y), sends the message as the system would, then pumps.
void MouseMessage(HWND window, UINT message, int x, int y, WPARAM keyState = 0);
// A press and a release of the button at (x, y).
void LeftClick(HWND window, int x, int y);
void RightClick(HWND window, int x, int y);

// A pixel of the window's client area as it is shown.
COLORREF WindowPixel(HWND window, int x, int y);
COLORREF CanvasPixel(HDC canvas, int x, int y);
// A copy of a rectangle of pixels, read in one block transfer.
struct Pixels {
    int x, y, width, height;
    std::vector<COLORREF> colors; // row by row
    // The pixel at (px, py) of the source's coordinates.
    COLORREF At(int px, int py) const { return colors[(py - y) * width + (px - x)]; }
    bool All(COLORREF color) const;
};
Pixels Capture(HDC source, int x, int y, int width, int height);
Pixels CaptureWindow(HWND window, int x, int y, int width, int height);

// Every pixel of the rectangle on the canvas or window is color.
bool CanvasAreaIs(HDC canvas, int x, int y, int width, int height, COLORREF color);
bool WindowAreaIs(HWND window, int x, int y, int width, int height, COLORREF color);

std::string WindowTitle(HWND window);
bool ButtonPushed(HWND button);
bool ButtonEnabled(HWND button);

// A folder of this test program's own, for the icon files it writes.
std::string TestFolder();
// A folder inside it of the running test case's own, so that a file dialog
// has only that case's files to list.
std::string TestCaseFolder();

// Each test gets a fresh editor window, and checks on the way out that no
// handler left the drawing target off the client area.
class EditorTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    HWND window = nullptr;
};
