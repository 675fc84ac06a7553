// The figures a long session must keep flat: the process's GDI and USER object
// counts and its memory.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

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

// For the trace: the kind of the live object at every handle index, GDI or USER.
using HandleKinds = std::vector<unsigned long>;
HandleKinds GdiKinds();  // GetObjectType by index, 0 where none
HandleKinds UserKinds(); // USER_WINDOW, USER_MENU, USER_ICON by index, 0 where none
enum { USER_WINDOW = 1, USER_MENU, USER_ICON };
long CountLive(const HandleKinds& kinds);
// Prints the objects that appeared or went between two snapshots, with what
// identifies them: a bitmap's size, a brush's colour (and the system colour it
// is), a font's face, a cursor's or icon's module and resource id, a window's
// class. Regions, which windows make and free all the time, are only counted.
void PrintGdiChanges(const HandleKinds& before, const HandleKinds& after);
void PrintUserChanges(const HandleKinds& before, const HandleKinds& after);
