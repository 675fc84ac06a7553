// Mouse editing and colour picking.
#pragma once

#include <windows.h>

// Pressing paints the cell under the pointer in that button's colour.
void PressLeftButton(HWND window);
void PressRightButton(HWND window);
// In line mode, a move with exactly one button held posts a press of it.
void MoveMouse(HWND window, WPARAM keyState);
// Releasing over a swatch makes its colour on screen that button's colour.
void ReleaseLeftButton(HWND window);
void ReleaseRightButton(HWND window);

// One pick rectangle of a swatch and the point its colour is read from.
struct PickRow {
    int code;
    int x;
    int y;
    int readX;
    int readY;
};
extern const PickRow PICK_TABLE[17];
