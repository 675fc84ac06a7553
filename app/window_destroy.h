// Tearing the editor down at WM_DESTROY.
#pragma once

#include <windows.h>

// Releases the canvases and asks the message loop to end with 0. Always 0.
LRESULT DestroyEditorWindow(HWND window);
