// Drawing the whole window at WM_PAINT.
#pragma once

#include <windows.h>

// Labels, frames, swatches and the canvases, whatever the update region; then
// the default handling. Returns what DefWindowProcA returns.
LRESULT PaintEditorWindow(HWND window, WPARAM wParam, LPARAM lParam);
