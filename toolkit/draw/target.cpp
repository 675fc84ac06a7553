// The drawing target chosen by keyword, and which canvas is current.
#include "toolkit/draw/target.h"

#include <cstring>

int currentTarget = TARGET_CLIENT;
HDC currentCanvas = nullptr;

int rk_DrawTarget_1(HWND, const char* keyword) {
    struct Row {
        const char* keyword;
        int target;
    };
    static constexpr Row TARGETS[] = {
        {"CLIENT", TARGET_CLIENT}, {"WINDOW", TARGET_WINDOW}, {"MEMORY", TARGET_MEMORY}};
    if (keyword == nullptr) return 0;
    for (const Row& row : TARGETS) {
        if (std::strcmp(keyword, row.keyword) == 0) {
            currentTarget = row.target;
            break;
        }
    }
    return 0;
}

HDC rk_SelectCanvas_1(HDC canvas) {
    HDC previous = currentCanvas;
    currentCanvas = canvas;
    return previous;
}
