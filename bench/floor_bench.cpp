// The floors of the editor's waits: a bare program with one window of the
// editor's size, class and style and 14 push buttons at the editor's places
// with its labels, and none of the editor's code. For each wait it makes the
// platform calls that the editor's handler makes, on the same clocks
// (bench/waits.h), so what is left between the two is the editor's own cost.
// Prints figures under the waits' names; asserts nothing.
#include "bench/waits.h"

#include <commctrl.h>
#include <commdlg.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>

namespace {

constexpr int WIDTH = 600, HEIGHT = 410; // the client area
constexpr POINT CELL = {135, 27};        // row 1, column 2 of the grid
constexpr POINT RED = {540, 82};         // the red swatch
constexpr POINT RED_READ = {540, 84};    // where the editor reads its colour
const char ICON_FILTER[] = "Ikoner (*.ico)\0*.ico\0Mark\xF6rer (*.cur)\0*.cur\0";

struct ButtonPlace {
    int x, y, width, height;
    const char* label;
    DWORD alignment;
};
// The editor's buttons in the order it makes them.
constexpr ButtonPlace BUTTONS[] = {
    {5, 0, 80, 24, "\xD6ppna...", BS_LEFT},     {5, 25, 80, 24, "Spara...", BS_LEFT},
    {5, 55, 80, 24, "Ny image", BS_LEFT},       {5, 80, 50, 24, "Grid", BS_LEFT},
    {56, 80, 29, 24, "F\xE4rg", BS_LEFT},       {47, 206, 32, 32, "1", BS_CENTER},
    {47, 256, 32, 32, "2", BS_CENTER},          {47, 306, 32, 32, "3", BS_CENTER},
    {47, 356, 32, 32, "4", BS_CENTER},          {110, 356, 60, 32, "Uppdatera", BS_CENTER},
    {454, 0, 65, 24, "Stnd pal", BS_CENTER},    {454, 35, 65, 24, "Dukf\xE4rg", BS_CENTER},
    {454, 65, 65, 24, "Rita punkt", BS_CENTER}, {454, 95, 65, 24, "Rita streck", BS_CENTER},
};
enum { COLOR_BUTTON = 4, IMAGE_BUTTON1 = 5, POINT_BUTTON = 12, LINE_BUTTON = 13 };

HWND window = nullptr;
HWND buttons[14];
std::map<UINT, std::function<void()>> handlers; // by message, for the wait being timed

HWND Image(int k) {
    return buttons[IMAGE_BUTTON1 + k - 1];
}

void SetState(HWND button, bool down) {
    SendMessageA(button, BM_SETSTATE, down, 0);
}

void Repaint() {
    InvalidateRect(window, nullptr, FALSE);
}

// The pointer as the editor reads it: where it is now, in client points.
void ReadPointer() {
    POINT pointer{};
    GetCursorPos(&pointer);
    ScreenToClient(window, &pointer);
}

void ReadPixel(POINT at) {
    HDC dc = GetDC(window);
    GetPixel(dc, at.x, at.y);
    ReleaseDC(window, dc);
}

LRESULT CALLBACK BareProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        RECT outer{};
        GetWindowRect(hwnd, &outer);
        const int x = (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2;
        const int y = (GetSystemMetrics(SM_CYSCREEN) -
                       ((outer.bottom - outer.top) + GetSystemMetrics(SM_CYCAPTION))) /
                      2;
        SetWindowPos(hwnd, HWND_TOP, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        SetWindowTextA(hwnd, "Prickverket");
        SetClassLongPtrA(hwnd, GCLP_HICON,
                         reinterpret_cast<LONG_PTR>(LoadIconA(GetModuleHandleA(nullptr),
                                                              "PRICKVERKET")));
        int id = 100;
        for (size_t i = 0; i < std::size(BUTTONS); ++i) {
            const ButtonPlace& b = BUTTONS[i];
            buttons[i] = CreateWindowExA(0, "button", b.label,
                                         WS_CHILD | WS_VISIBLE | b.alignment | BS_PUSHLIKE, b.x,
                                         b.y, b.width, b.height, hwnd,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)),
                                         GetModuleHandleA(nullptr), nullptr);
            SendMessageA(buttons[i], WM_SETFONT,
                         reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
            ShowWindow(buttons[i], SW_SHOW);
            if (i >= IMAGE_BUTTON1 && i < IMAGE_BUTTON1 + 4) EnableWindow(buttons[i], FALSE);
            if (i == POINT_BUTTON) SetState(buttons[i], true);
        }
        return 0;
    }
    const auto handler = handlers.find(message);
    if (handler != handlers.end() && handler->second) {
        handler->second();
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND MakeBareWindow() {
    InitCommonControls();
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    const char* name = "Vanligt f\xF6nster";
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = BareProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    windowClass.lpszClassName = name;
    RegisterClassExA(&windowClass);
    HWND made = CreateWindowExA(0, name, name, WS_CAPTION | WS_SYSMENU, 0, 0, WIDTH,
                                HEIGHT + GetSystemMetrics(SM_CYCAPTION), nullptr, nullptr,
                                instance, nullptr);
    ShowWindow(made, SW_SHOWNORMAL);
    Pump();
    return made;
}

void PointAt(POINT at) {
    ClientToScreen(window, &at);
    SetCursorPos(at.x, at.y);
}

// The pointer steps one pixel between runs, as in a hand's motion.
int steps = 0;
std::function<void()> Onto(POINT at) {
    return [at] { PointAt({at.x + steps++ % 2, at.y}); };
}

// The image buttons as "Ny image" and "Dukfärg" reset them.
void ResetImageButtons() {
    SetState(Image(1), true);
    for (int k = 1; k <= 4; ++k) EnableWindow(Image(k), FALSE);
    for (int k = 2; k <= 4; ++k) SetState(Image(k), false);
}

// The image button of image k, as the editor marks the last image loaded.
void MarkLoaded(int k) {
    const int b = k < 4 ? k : 4;
    SetState(Image(b), true);
    if (b > 1) SetState(Image(b - 1), false);
    EnableWindow(Image(b), FALSE);
    if (b > 1) EnableWindow(Image(b - 1), TRUE);
}

// The editor's box before it starts over, then its calls on buttons, title and window.
std::function<void()> StartOver(const char* caption, const std::string& text) {
    return [=] {
        if (MessageBoxA(window, text.c_str(), caption, MB_ICONEXCLAMATION | MB_OKCANCEL | MB_DEFBUTTON2) ==
            IDCANCEL)
            return;
        ResetImageButtons();
        SetWindowTextA(window, "Prickverket");
        Repaint();
    };
}

// Kept for the whole run, as the editor keeps its own: the path chosen last is
// offered again, and the dialog opens in its folder.
char openPath[MAX_PATH], openTitle[MAX_PATH], savePath[MAX_PATH], saveTitle[MAX_PATH];
OPENFILENAMEA openRecord, saveRecord;
CHOOSECOLORA colorRecord;
COLORREF customColors[16];

bool FileDialog(BOOL(WINAPI* dialog)(LPOPENFILENAMEA), OPENFILENAMEA& record, const char* title,
                char* path, char* fileTitle, DWORD flags) {
    record.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    record.hwndOwner = window;
    record.lpstrFilter = ICON_FILTER;
    record.nFilterIndex = 1;
    record.lpstrFile = path;
    record.nMaxFile = MAX_PATH;
    record.lpstrFileTitle = fileTitle;
    record.nMaxFileTitle = MAX_PATH;
    record.lpstrInitialDir = nullptr;
    record.lpstrTitle = title;
    record.Flags = flags;
    return dialog(&record);
}

// The calls of "Öppna..." after its dialog, for a file of count images of which
// those up to `ours` are of the editor's kind; each other one shows a box.
void Open(int count, int ours) {
    if (!FileDialog(GetOpenFileNameA, openRecord, "\xD6ppna ikon...", openPath, openTitle,
                    OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY)) {
        MessageBoxA(window, "Avbryt valdes!", "\xD6ppnameddelande", MB_OK);
        return;
    }
    for (int k = 1; k <= 4; ++k) EnableWindow(Image(k), TRUE);
    for (int k = 1; k <= 4; ++k) SetState(Image(k), false);
    for (int k = 1; k <= 6 && k <= count; ++k) {
        Repaint(); // each image tried is drawn again
        if (k <= ours) {
            MarkLoaded(k);
            continue;
        }
        char text[64];
        std::snprintf(text, sizeof text,
                      "Image %d \xE4r inte av typen\n32x32 pixel och 16 f\xE4rger!", k);
        MessageBoxA(window, text, "\xD6ppnameddelande", MB_OK);
    }
    SetWindowTextA(window, openPath);
    Repaint();
}

void Save() {
    if (!FileDialog(GetSaveFileNameA, saveRecord, "Spara ikon...", savePath, saveTitle,
                    OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT)) {
        MessageBoxA(window, "Avbryt valdes!", "Sparameddelande", MB_OK);
        return;
    }
    SetWindowTextA(window, savePath);
    Repaint();
}

void ChooseColour() {
    colorRecord.lStructSize = sizeof colorRecord;
    colorRecord.hwndOwner = window;
    colorRecord.rgbResult = 0x00FFFFFF;
    colorRecord.lpCustColors = customColors;
    colorRecord.Flags = CC_RGBINIT | CC_SHOWHELP;
    ChooseColorA(&colorRecord);
}

} // namespace

int main() {
    // PRICKVERKET_FLOORS: the file for the figures, and handler_bench is running too.
    const char* floorsPath = std::getenv("PRICKVERKET_FLOORS");
    const BenchFiles files = MakeBenchFiles();
    window = MakeBareWindow();
    if (floorsPath) TakeTurns(window, "floor", "editor", true);
    bool gridOn = false;

    // Each wait: what is prepared, the message that its work sends, as the
    // editor's wait sends it, and what each message does.
    struct Floor {
        std::function<void()> prepare;
        std::function<void()> work;
        std::map<UINT, std::function<void()>> handlers;
    };
    const auto send = [](UINT message, POINT at) {
        return [=] { SendMessageA(window, message, 0, MAKELPARAM(at.x, at.y)); };
    };
    const auto command = [](std::function<void()> handler) {
        return Floor{{}, [] { SendMessageA(window, WM_COMMAND, 0, 0); }, {{WM_COMMAND, handler}}};
    };
    const auto press = [] { ReadPointer(), Repaint(); };
    const auto pick = [] { ReadPointer(), ReadPixel(RED_READ), Repaint(); };
    const auto modes = [](int down, int up) {
        return [=] { SetState(buttons[down], true), SetState(buttons[up], false); };
    };
    const char* startOver = "Har tidigare ikon eller mark\xF6r sparats?\n";
    std::map<WaitId, Floor> floors = {
        {REPAINT, {{}, Repaint, {}}},
        {LEFT_PICK, {Onto(RED), send(WM_LBUTTONUP, RED), {{WM_LBUTTONUP, pick}}}},
        {RIGHT_PICK, {Onto(RED), send(WM_RBUTTONUP, RED), {{WM_RBUTTONUP, pick}}}},
        {LEFT_PRESS, {Onto(CELL), send(WM_LBUTTONDOWN, CELL), {{WM_LBUTTONDOWN, press}}}},
        {RIGHT_PRESS, {Onto(CELL), send(WM_RBUTTONDOWN, CELL), {{WM_RBUTTONDOWN, press}}}},
        {LINE_DRAG,
         {[&] { modes(LINE_BUTTON, POINT_BUTTON)(), Onto(CELL)(); },
          send(WM_MOUSEMOVE, CELL),
          {{WM_MOUSEMOVE, [] { ReadPointer(), PostMessageA(window, WM_LBUTTONDOWN, 0, 0); }},
           {WM_LBUTTONDOWN, press}}}},
        {POINT_MODE, command(modes(POINT_BUTTON, LINE_BUTTON))},
        {LINE_MODE, command(modes(LINE_BUTTON, POINT_BUTTON))},
        {GRID, command([&] {
             gridOn = !gridOn;
             EnableWindow(buttons[COLOR_BUTTON], !gridOn);
             Repaint();
         })},
        {UPDATE, command(Repaint)},
        {STD_PALETTE, command(Repaint)},
        {NEW_IMAGE, command(StartOver("VARNING!", std::string(startOver) +
                                                      "Ny image raderar tidigare image.\n"
                                                      "Vill du forts\xE4tta med 'Ny image'?"))},
        {CANVAS_COLOR,
         command(StartOver("DUKF\xC4RG!",
                           std::string(startOver) +
                               "'Dukf\xE4rg' raderar tidigare image.\n"
                               "Vill du forts\xE4tta m\xE5la hela duken i en f\xE4rg?"))},
        {COLOR, command(ChooseColour)},
        {OPEN_SMALL, command([] { Open(1, 1); })},
        {OPEN_LARGE, command([] { Open(6, 2); })},
        {SAVE, command(Save)},
        {IMAGE1, command(Repaint)},
        {IMAGE2, command(Repaint)},
    };
    floors[SAVE].prepare = [&] { DeleteFileA(files.saved.c_str()); };
    std::vector<Wait> waits = Waits(files);
    std::string figures;
    for (auto& [id, floor] : floors) {
        waits[id].prepare = floor.prepare;
        waits[id].work = floor.work;
        handlers = floor.handlers;
        for (const Stretch& stretch : TimeWait(window, waits[id]))
            figures += Line(stretch.name, Summarize(stretch.ms)) + "\n";
        handlers.clear();
    }
    if (floorsPath) {
        AwaitTurn(); // the other's last round is over
        std::ofstream(floorsPath) << figures;
        HandOver();
    } else {
        std::printf("%s", figures.c_str());
        RemoveBenchFiles(files);
    }
    DestroyWindow(window);
    return 0;
}
