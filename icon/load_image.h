// Making one image of the opened file the editor's document.
#pragma once

#include <windows.h>

// Reads image n (1-based) of openPath into palette and pixelGrid, draws thumbnail
// n (n 1..4) when it was read, then the zoomed grid, the previews and the mask
// from the document, and asks for a repaint. 0 read; 1 not read, the document
// is unchanged.
int LoadImageIntoEditor(HWND window, int n);
