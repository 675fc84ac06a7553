#include "tests/support/harness.h"

#include <algorithm>
#include <cstdio>

namespace {

HHOOK hook = nullptr;
const std::vector<Answer>* script = nullptr;
size_t next = 0;
std::vector<Seen> seen;
std::vector<HWND> answered; // a box is activated again after a child box closes

std::string TextOf(HWND window) {
    char text[1024] = "";
    return window && GetWindowTextA(window, text, sizeof text) ? text : "";
}

void Give(HWND box, const Answer& answer) {
    constexpr int IDS[] = {IDOK, IDCANCEL, VK_ESCAPE, VK_RETURN, 0, IDYES, IDNO, IDOK, IDOK};
    const int id = IDS[static_cast<int>(answer.reply)];
    if (answer.reply == Reply::Path) // the Explorer dialog's name box (cmb13)
        SetDlgItemTextA(box, 1148, answer.path.c_str());
    for (int i = 0; answer.reply == Reply::Colour && i < 3; ++i) // its boxes of red, green, blue
        SetDlgItemInt(box, 706 + i, answer.colour >> 8 * i & 0xFF, FALSE);
    if (answer.reply == Reply::CloseBox) {
        PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else if (answer.reply == Reply::Escape || answer.reply == Reply::Enter) {
        // A key goes to a button of the box, so that the box's own loop translates it.
        HWND button = GetDlgItem(box, IDCANCEL) ? GetDlgItem(box, IDCANCEL) : GetDlgItem(box, IDOK);
        PostMessageA(button ? button : box, WM_KEYDOWN, id, 1);
        PostMessageA(button ? button : box, WM_KEYUP, id, 0xC0000001);
    } else {
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
    }
}

// Activation comes after the box has made its controls and before its modal
// loop reads the queue, so the posted answer is the first thing the loop sees.
LRESULT CALLBACK OnActivate(int code, WPARAM wParam, LPARAM lParam) {
    HWND box = reinterpret_cast<HWND>(wParam);
    char name[16] = "";
    if (code == HCBT_ACTIVATE && GetClassNameA(box, name, sizeof name) &&
        std::string(name) == "#32770" &&
        std::find(answered.begin(), answered.end(), box) == answered.end()) {
        answered.push_back(box);
        seen.push_back({TextOf(box), TextOf(GetDlgItem(box, 0xFFFF))});
        Give(box, next < script->size() ? (*script)[next++] : Answer{Reply::Cancel});
    } else if (code == HCBT_DESTROYWND) { // its handle may come back for a new box
        answered.erase(std::remove(answered.begin(), answered.end(), box), answered.end());
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

} // namespace

std::ostream& operator<<(std::ostream& out, const Seen& box) {
    return out << '"' << box.caption << "\" / \"" << box.text << '"';
}

void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

std::vector<Seen> Answering(const std::vector<Answer>& answers,
                            const std::function<void()>& action) {
    script = &answers;
    next = 0;
    seen.clear();
    answered.clear();
    hook = SetWindowsHookExA(WH_CBT, OnActivate, nullptr, GetCurrentThreadId());
    action();
    UnhookWindowsHookEx(hook);
    return seen;
}

std::string PixelDiff(HDC dc, int x, int y, int width, int height, const Want& want) {
    std::string report;
    int mismatches = 0;
    for (int i = 0; i < width * height; ++i) {
        const int px = x + i % width, py = y + i / width;
        const COLORREF got = GetPixel(dc, px, py), wanted = want(px, py);
        if (got == wanted || ++mismatches > 8) continue;
        char line[64];
        std::snprintf(line, sizeof line, "(%d,%d): got %06lX, want %06lX\n", px, py, got, wanted);
        report += line;
    }
    return mismatches > 8 ? report + std::to_string(mismatches - 8) + " more\n" : report;
}

std::string PixelDiff(HWND window, int x, int y, int width, int height, const Want& want) {
    HDC dc = GetDC(window);
    std::string report = PixelDiff(dc, x, y, width, height, want);
    ReleaseDC(window, dc);
    return report;
}
