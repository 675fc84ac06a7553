#include "tests/support/harness.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace {

HHOOK hook = nullptr, messageHook = nullptr;
const std::vector<Answer>* script = nullptr;
size_t next = 0;
std::vector<Seen> seen;
std::vector<HWND> answered; // a box is activated again after a child box closes

std::string TextOf(HWND window) {
    char text[1024] = "";
    return window && GetWindowTextA(window, text, sizeof text) ? text : "";
}

// A bottom-up 32-bit DIB, as its bits are in memory.
void SaveBmp(const std::string& path, int width, int height, const void* bits) {
    const BITMAPFILEHEADER file{0x4D42, DWORD(54 + 4 * width * height), 0, 0, 54};
    const BITMAPINFOHEADER info{40, width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(&file), 14)
        .write(reinterpret_cast<const char*>(&info), 40)
        .write(static_cast<const char*>(bits), 4 * width * height);
}

// See Seen.
Seen Shown(HWND box) {
    std::string look = TextOf(box) + " / " + TextOf(GetDlgItem(box, 0xFFFF)) + " /";
    char label[256];
    HWND types = GetDlgItem(box, 0x470); // the file dialog's file types (cmb1)
    const LRESULT selected = types ? SendMessageA(types, CB_GETCURSEL, 0, 0) : CB_ERR;
    for (int i = 0; types && SendMessageA(types, CB_GETLBTEXT, i, LPARAM(label)) > 0; ++i) {
        // Wine keeps each type's pattern, as the dialog filters with it, in the item's data.
        const auto pattern =
            reinterpret_cast<const wchar_t*>(SendMessageA(types, CB_GETITEMDATA, i, 0));
        std::string type = label + std::string(" ") +
                           (pattern ? std::string(pattern, pattern + lstrlenW(pattern)) : "?");
        look += selected == i ? " [" + type + "];" : " " + type + ";";
    }
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongA(c, GWL_STYLE);
        if (!(style & WS_VISIBLE)) continue;
        const auto icon = HICON(SendMessageA(c, STM_GETICON, 0, 0));
        GetClassNameA(c, label, sizeof label);
        if (icon) // another than these: "(icon)"
            look += icon == LoadIconA(nullptr, IDI_EXCLAMATION) ? " !"
                    : icon == LoadIconA(nullptr, IDI_HAND)      ? " x"
                                                                : " (icon)";
        if (lstrcmpiA(label, "Button") == 0)
            look += (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON ? " [" + TextOf(c) + "]"
                                                              : " " + TextOf(c);
    }
    return look;
}

void Give(HWND box, const Answer& answer) {
    constexpr int IDS[] = {IDOK,  IDCANCEL, VK_ESCAPE, VK_RETURN, 0,
                           IDYES, IDNO,     IDOK,      IDOK,      IDCANCEL};
    int id = IDS[static_cast<int>(answer.reply)];
    if (answer.reply != Reply::Escape && answer.reply != Reply::Enter && !GetDlgItem(box, id))
        id = IDCANCEL; // an answer the box has no button for ends it all the same
    if (answer.reply == Reply::Path) SetDlgItemTextA(box, 1148, answer.path.c_str()); // cmb13
    for (int i = 0; answer.reply == Reply::Colour && i < 3; ++i) // its boxes of red, green, blue
        SetDlgItemInt(box, 706 + i, answer.colour >> 8 * i & 0xFF, FALSE);
    // A key goes to a button of the box, so that the box's own loop translates it.
    HWND key = GetDlgItem(box, IDCANCEL) ? GetDlgItem(box, IDCANCEL) : GetDlgItem(box, IDOK);
    key = key ? key : box;
    if (answer.reply == Reply::CloseBox)
        PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
    else if (answer.reply == Reply::Escape || answer.reply == Reply::Enter)
        PostMessageA(key, WM_KEYDOWN, id, 1), PostMessageA(key, WM_KEYUP, id, 0xC0000001);
    else
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(box, id)));
}

// Activation comes before the box's modal loop reads the queue, and before a file dialog
// lists its file types: the box is read and answered when its loop takes the message
// posted here, the first thing that loop sees.
const UINT READ_AND_ANSWER = RegisterWindowMessageA("harness: read and answer");
LRESULT CALLBACK OnActivate(int code, WPARAM wParam, LPARAM lParam) {
    HWND box = reinterpret_cast<HWND>(wParam);
    char name[16] = "";
    if (code == HCBT_ACTIVATE && GetClassNameA(box, name, sizeof name) &&
        std::string(name) == "#32770") {
        const bool first = std::find(answered.begin(), answered.end(), box) == answered.end();
        if (first) answered.push_back(box), PostMessageA(box, READ_AND_ANSWER, 0, 0);
        if (!first && next < script->size() && (*script)[next].reply == Reply::Again)
            Give(box, (*script)[next++]);
    } else if (code == HCBT_DESTROYWND) { // its handle may come back for a new box
        answered.erase(std::remove(answered.begin(), answered.end(), box), answered.end());
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

LRESULT CALLBACK OnMessage(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* taken = reinterpret_cast<MSG*>(lParam);
    HWND box = taken->hwnd;
    if (code == HC_ACTION && wParam == PM_REMOVE && taken->message == READ_AND_ANSWER) {
        seen.push_back(Shown(box));
        Give(box, next < script->size() ? (*script)[next++] : Answer{Reply::Cancel});
    }
    return CallNextHookEx(messageHook, code, wParam, lParam);
}

} // namespace

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
    messageHook = SetWindowsHookExA(WH_GETMESSAGE, OnMessage, nullptr, GetCurrentThreadId());
    action();
    UnhookWindowsHookEx(hook);
    UnhookWindowsHookEx(messageHook);
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

std::string ReferenceDiff(HWND window, const std::string& name) {
    RECT client{};
    GetClientRect(window, &client);
    const int w = client.right, h = client.bottom;
    // Wine's versions rasterise glyphs a little differently: one set of references each.
    const std::string wine = reinterpret_cast<const char* (*)()>(
        GetProcAddress(GetModuleHandleA("ntdll"), "wine_get_version"))();
    const std::string set = REFERENCE_DIR "/wine-" + wine, path = set + "/" + name + ".bmp",
                      actual = ACTUAL_DIR "/reference-" + name;
    BITMAPINFO info{{40, w, h, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    HDC got = CreateCompatibleDC(nullptr), want = CreateCompatibleDC(nullptr),
        shown = GetDC(window);
    HGDIOBJ dib = CreateDIBSection(got, &info, DIB_RGB_COLORS, &bits, nullptr, 0), file = nullptr;
    SelectObject(got, dib);
    BitBlt(got, 0, 0, w, h, shown, 0, 0, SRCCOPY);
    ReleaseDC(window, shown);
    GdiFlush();
    if (std::getenv("PRICKVERKET_RENEW_REFERENCES"))
        CreateDirectoryA(set.c_str(), nullptr), SaveBmp(path, w, h, bits);
    SelectObject(want, file = LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                         LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    std::string report = PixelDiff(got, 0, 0, w, h, [&](int x, int y) {
        return GetPixel(want, x, y); // CLR_INVALID where no reference could be read
    });
    if (!report.empty()) {
        SaveBmp(actual + ".bmp", w, h, bits);
        BitBlt(got, 0, 0, w, h, want, 0, 0, SRCINVERT); // black where the pixels agree
        GdiFlush();
        SaveBmp(actual + "-diff.bmp", w, h, bits);
        report = name + " differs from " + path + ":\n" + report + "the actual image and the " +
                 "differences: " + actual + "{,-diff}.bmp\n";
        if (GetFileAttributesA(set.c_str()) == INVALID_FILE_ATTRIBUTES)
            report = "no references for Wine " + wine + " in " + set + ": make them with " +
                     "PRICKVERKET_RENEW_REFERENCES=1 (see the README), then check each image by " +
                     "eye before committing\n";
    }
    DeleteDC(got), DeleteDC(want), DeleteObject(dib), DeleteObject(file);
    return report;
}
