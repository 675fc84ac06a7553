// Setting up the editor's window once, at WM_CREATE.
#pragma once

#include <windows.h>

// Title, icon, canvases, document, font, buttons and grid style. Always 0.
LRESULT CreateEditorWindow(HWND window);
