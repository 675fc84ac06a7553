// How long the editor's handlers take in its real window under Wine, each with
// the repaint it asks for. Boxes and dialogs are answered inside their own modal
// loops, so a command that asks something is timed as a whole. Prints figures;
// asserts nothing.
#include "app/editor_state.h"
#include "bench/figures.h"
#include "icon/document.h"
#include "tests/app/editor_harness.h"
#include "tests/support/icon_files.h"

namespace {

constexpr int RUNS = 200;
constexpr int DIALOG_RUNS = 50;   // a dialog costs tens of milliseconds under Wine
constexpr POINT CELL = {135, 27}; // row 1, column 2 of the grid
constexpr POINT RED = {540, 82};  // the red swatch

// The pointer steps one pixel between runs, as in a hand's motion: Wine then
// answers GetCursorPos from its own copy, as it does right after a move.
int steps = 0;
void StepOnto(POINT at) {
    Pump();
    PointAt(at.x + steps++ % 2, at.y);
}
void Send(UINT message, WPARAM keys, POINT at) {
    SendMessageA(Editor(), message, keys, MAKELPARAM(at.x, at.y));
    Pump();
}

struct Handler {
    const char* what;
    void (*prepare)(); // untimed
    void (*work)();
};
const Handler HANDLERS[] = {
    {"WM_PAINT (UpdateWindow after InvalidateRect)",
     [] { Pump(), InvalidateRect(Editor(), nullptr, FALSE); }, [] { UpdateWindow(Editor()); }},
    {"palette pick (WM_LBUTTONUP on red)", [] { StepOnto(RED); },
     [] { Send(WM_LBUTTONUP, 0, RED); }},
    {"paint press (WM_LBUTTONDOWN on a cell)", [] { StepOnto(CELL); },
     [] { Send(WM_LBUTTONDOWN, MK_LBUTTON, CELL); }},
    {"\"Grid\"", Pump, [] { Command(ID_GRID); }},
    {"\"Uppdatera\"", Pump, [] { Command(ID_UPDATE); }},
};

HHOOK closeHook = nullptr;
Clock::time_point closed; // when the last top-level dialog of the run went away

LRESULT CALLBACK OnDestroy(int code, WPARAM wParam, LPARAM lParam) {
    HWND box = reinterpret_cast<HWND>(wParam);
    char name[16] = "";
    if (code == HCBT_DESTROYWND && GetClassNameA(box, name, sizeof name) &&
        std::string(name) == "#32770" && !(GetWindowLongA(box, GWL_STYLE) & WS_CHILD))
        closed = Clock::now();
    return CallNextHookEx(closeHook, code, wParam, lParam);
}

struct DialogCommand {
    std::string what;
    WPARAM id;
    Answer answer;
    bool afterClose; // also the time from the dialog's close to the handler's end
};

void BenchDialog(const DialogCommand& row) {
    std::vector<double> whole, after;
    int odd = 0;
    for (int run = 0; run < DIALOG_RUNS; ++run) {
        Pump();
        if (row.id == ID_SAVE) DeleteFileA(row.answer.path.c_str()); // no question to replace
        const auto seen = Answering({row.answer}, [&] {
            closeHook = SetWindowsHookExA(WH_CBT, OnDestroy, nullptr, GetCurrentThreadId());
            const auto start = Clock::now();
            Command(row.id);
            whole.push_back(MsSince(start));
            after.push_back(MsSince(closed));
            UnhookWindowsHookEx(closeHook);
        });
        odd += seen.size() != 1;
    }
    Report(row.what + " (dialog, fewer runs)", whole);
    if (row.afterClose) Report(row.what + ", from the dialog's close", after);
    if (odd) std::printf("warning: %d runs of %s did not show one box\n", odd, row.what.c_str());
}

} // namespace

int main() {
    char temp[MAX_PATH] = "";
    const std::string folder(std::string(temp, GetTempPathA(MAX_PATH, temp)) +
                             "prickverket-bench\\");
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string small = folder + "small.ico", saved = folder + "saved.ico";
    PixelGrid stripes{};
    for (int i = 0; i < CELL_COUNT; ++i) stripes[i] = (i / 32 + i % 32) % 17;
    WriteBytes(small, MakeIconFile(1, {MakeImage(StandardPalette(), stripes)})); // 766 bytes
    Editor();

    for (const Handler& row : HANDLERS) Report(row.what, Time(RUNS, row.work, 1, row.prepare));
    if (leftColor != 0x0000FF || pixelGrid[1 * 32 + 2] != FindCellValue(0x0000FF, palette))
        std::printf("warning: the pick did not take red or the press did not paint with it\n");

    const DialogCommand dialogs[] = {
        {"\"Ny image\", box answered OK", ID_NEW_IMAGE, {Reply::Ok}, false},
        {"\"Dukf\xC3\xA4rg\", box answered OK", ID_CANVAS_COLOR, {Reply::Ok}, false},
        {"\"F\xC3\xA4rg\", colour dialog answered OK", ID_COLOR, {Reply::Ok}, false},
        {"\"\xC3\x96ppna...\" a 766-byte file", ID_OPEN, {Reply::Path, small}, true},
        {"\"Spara...\" 766 bytes", ID_SAVE, {Reply::Path, saved}, true},
    };
    for (const DialogCommand& row : dialogs) BenchDialog(row);
    if (imageCount != 1) std::printf("warning: the 766-byte file did not open\n");
    if (GetFileAttributesA(saved.c_str()) == INVALID_FILE_ATTRIBUTES)
        std::printf("warning: nothing was saved\n");

    DeleteFileA(small.c_str());
    DeleteFileA(saved.c_str());
    RemoveDirectoryA(folder.c_str());
    return 0;
}
