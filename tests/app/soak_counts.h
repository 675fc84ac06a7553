// The figures a long session must keep flat: the process's GDI and USER object
// counts and its memory.
#pragma once

#include <windows.h>

#include <cstddef>

struct GuiCounts {
    long gdi;
    long user;
    bool gdiCounted;  // true when gdi comes from the handle table, not GetGuiResources
    bool userCounted; // likewise for user
};

// GetGuiResources when the system reports a figure, else the live handles
// counted directly (see LiveGdiObjects and LiveUserObjects).
GuiCounts ReadGuiCounts();

// Live GDI objects of this process, found by asking the type of every handle index.
long LiveGdiObjects();
// Live USER objects of this process: windows, menus, cursors and icons.
long LiveUserObjects();

struct MemoryFigures {
    std::size_t privateKb;
    std::size_t workingSetKb;
};
MemoryFigures ReadMemory();
