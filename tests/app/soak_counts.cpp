#include "tests/app/soak_counts.h"

#include <psapi.h>

#include <cstdio>

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

HandleKinds GdiKinds() {
    HandleKinds kinds(0x10000, 0);
    for (ULONG_PTR k = 1; k <= 0xFFFF; ++k) kinds[k] = GetObjectType(reinterpret_cast<HGDIOBJ>(k));
    return kinds;
}

HandleKinds UserKinds() {
    HandleKinds kinds(0x10000, 0);
    for (ULONG_PTR k = 0x20; k <= 0xFFFF; k += 2) {
        const HWND window = reinterpret_cast<HWND>(k);
        DWORD process = 0;
        ICONINFO info;
        if (IsWindow(window) && GetWindowThreadProcessId(window, &process) != 0 &&
            process == GetCurrentProcessId()) {
            kinds[k] = USER_WINDOW;
        } else if (IsMenu(reinterpret_cast<HMENU>(k))) {
            kinds[k] = USER_MENU;
        } else if (GetIconInfo(reinterpret_cast<HICON>(k), &info)) {
            if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
            if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
            kinds[k] = USER_ICON;
        }
    }
    return kinds;
}

long CountLive(const HandleKinds& kinds) {
    long count = 0;
    for (unsigned long kind : kinds) count += kind != 0;
    return count;
}

namespace {

// What a live GDI object is; of one that went, only its type is left.
void PrintGdiObject(ULONG_PTR index, unsigned long type, bool live) {
    const HGDIOBJ object = reinterpret_cast<HGDIOBJ>(index);
    std::printf("    %s GDI 0x%04llX type %lu", live ? "new " : "gone",
                static_cast<unsigned long long>(index), type);
    if (live && type == OBJ_BITMAP) {
        BITMAP bitmap{};
        GetObjectA(object, sizeof bitmap, &bitmap);
        std::printf(" bitmap %ldx%ld, %d bits", bitmap.bmWidth, bitmap.bmHeight,
                    bitmap.bmBitsPixel);
    } else if (live && type == OBJ_BRUSH) {
        LOGBRUSH brush{};
        GetObjectA(object, sizeof brush, &brush);
        std::printf(" brush style %u colour 0x%06lX", brush.lbStyle, brush.lbColor);
        for (int index = COLOR_SCROLLBAR; index <= COLOR_MENUBAR; ++index) {
            if (GetSysColor(index) == brush.lbColor) std::printf(", system colour %d", index);
        }
    } else if (live && type == OBJ_FONT) {
        LOGFONTA font{};
        GetObjectA(object, sizeof font, &font);
        std::printf(" font \"%s\" height %ld", font.lfFaceName, font.lfHeight);
    } else if (live && (type == OBJ_DC || type == OBJ_MEMDC)) {
        BITMAP bitmap{};
        GetObjectA(GetCurrentObject(reinterpret_cast<HDC>(object), OBJ_BITMAP), sizeof bitmap,
                   &bitmap);
        std::printf(" context on a %ldx%ld bitmap", bitmap.bmWidth, bitmap.bmHeight);
    }
    std::printf("\n");
}

void PrintUserObject(ULONG_PTR index, unsigned long kind, bool live) {
    static const char* const NAMES[] = {"", "window", "menu", "icon or cursor"};
    std::printf("    %s USER 0x%04llX %s", live ? "new " : "gone",
                static_cast<unsigned long long>(index), NAMES[kind]);
    if (live && kind == USER_WINDOW) {
        const HWND window = reinterpret_cast<HWND>(index);
        char className[64] = "";
        char title[64] = "";
        GetClassNameA(window, className, sizeof className);
        GetWindowTextA(window, title, sizeof title);
        std::printf(" class \"%s\" title \"%s\" visible %d", className, title,
                    IsWindowVisible(window));
    } else if (live && kind == USER_ICON) {
        ICONINFOEXA info{};
        info.cbSize = sizeof info;
        if (GetIconInfoExA(reinterpret_cast<HICON>(index), &info)) {
            BITMAP mask{};
            GetObjectA(info.hbmMask, sizeof mask, &mask);
            std::printf(" mask %ldx%ld from \"%s\" resource %u", mask.bmWidth, mask.bmHeight,
                        info.szModName, info.wResID);
            if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
            if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
        }
    }
    std::printf("\n");
}

} // namespace

void PrintGdiChanges(const HandleKinds& before, const HandleKinds& after) {
    long regionsMade = 0;
    long regionsFreed = 0;
    for (ULONG_PTR k = 1; k <= 0xFFFF; ++k) {
        if (before[k] == after[k]) continue;
        if (before[k] == OBJ_REGION) ++regionsFreed;
        if (after[k] == OBJ_REGION) ++regionsMade;
        if (before[k] != 0 && before[k] != OBJ_REGION) PrintGdiObject(k, before[k], false);
        if (after[k] != 0 && after[k] != OBJ_REGION) PrintGdiObject(k, after[k], true);
    }
    if (regionsMade != 0 || regionsFreed != 0) {
        std::printf("    regions: %ld new, %ld gone\n", regionsMade, regionsFreed);
    }
    std::fflush(stdout);
}

void PrintUserChanges(const HandleKinds& before, const HandleKinds& after) {
    for (ULONG_PTR k = 0x20; k <= 0xFFFF; k += 2) {
        if (before[k] == after[k]) continue;
        if (before[k] != 0) PrintUserObject(k, before[k], false);
        if (after[k] != 0) PrintUserObject(k, after[k], true);
    }
    std::fflush(stdout);
}
