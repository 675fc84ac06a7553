#include "tests/app/soak_counts.h"

#include <psapi.h>

// Wine's GetGuiResources is a stub that answers 0, so a leak would never show
// through it. Wine's gdi32 keeps every GDI object in one table and accepts a
// handle whose high word is 0 as naming whatever live object holds that index,
// so asking GetObjectType of each index 1..65535 counts the live objects (the
// table is the process's own). The
// USER side works alike: a window, menu, cursor or icon handle with a high word
// of 0 names the live object at that index; windows are shared between
// processes, so only this process's count. The test GuiObjectCount checks both
// counts against objects made and destroyed on purpose.

long LiveGdiObjects() {
    long count = 0;
    for (ULONG_PTR k = 1; k <= 0xFFFF; ++k) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(k)) != 0) ++count;
    }
    return count;
}

long LiveUserObjects() {
    long count = 0;
    // USER handles are even indices from 0x20 up.
    for (ULONG_PTR k = 0x20; k <= 0xFFFF; k += 2) {
        const HWND window = reinterpret_cast<HWND>(k);
        DWORD process = 0;
        // IsWindow sees the other programs' windows too.
        if ((IsWindow(window) && GetWindowThreadProcessId(window, &process) != 0 &&
             process == GetCurrentProcessId()) ||
            IsMenu(reinterpret_cast<HMENU>(k))) {
            ++count;
            continue;
        }
        ICONINFO info;
        if (GetIconInfo(reinterpret_cast<HICON>(k), &info)) {
            if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
            if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
            ++count;
        }
    }
    return count;
}

GuiCounts ReadGuiCounts() {
    GuiCounts counts{};
    counts.user = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
    counts.userCounted = counts.user == 0;
    if (counts.userCounted) counts.user = LiveUserObjects();
    // After the USER count, whose icon look-ups make and free bitmaps.
    counts.gdi = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
    counts.gdiCounted = counts.gdi == 0;
    if (counts.gdiCounted) counts.gdi = LiveGdiObjects();
    return counts;
}

MemoryFigures ReadMemory() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof counters);
    // Wine leaves PrivateUsage 0 here; its PagefileUsage is the process's anonymous
    // resident memory plus swap, which is the private memory.
    const SIZE_T privateBytes =
        counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
    return {privateBytes / 1024, counters.WorkingSetSize / 1024};
}
