// How long the editor's handlers take in its real window under Wine, each with
// the window's WM_PAINT that its repaint causes. The time a box or dialog exists,
// from its creation to its destruction, is a person's and is left out. The
// buttons' own repaints, which a repaint of the whole client area brings, are
// timed on their own. Prints figures; asserts nothing.
#include "app/editor_state.h"
#include "bench/figures.h"
#include "icon/document.h"
#include "tests/app/editor_harness.h"
#include "tests/support/icon_files.h"
#include "toolkit/window/dialogs.h"

#include <cstdlib>

namespace {

constexpr int RUNS = 200;
constexpr POINT CELL = {135, 27}; // row 1, column 2 of the grid
constexpr POINT RED = {540, 82};  // the red swatch

// The top-level boxes and dialogs of one run, as [created, destroyed] times.
std::vector<std::pair<Clock::time_point, Clock::time_point>> boxes;
HHOOK boxHook = nullptr;

HWND outerBox = nullptr; // the box whose life is being timed
HHOOK endHook = nullptr;

LRESULT CALLBACK OnBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && outerBox == nullptr) {
        const CREATESTRUCTA* made = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        // Dialogs are made with the class atom 32770.
        if (made->lpszClass == MAKEINTATOM(32770) && !(made->style & WS_CHILD)) {
            outerBox = reinterpret_cast<HWND>(wParam);
            boxes.push_back({Clock::now(), {}});
        }
    }
    return CallNextHookEx(boxHook, code, wParam, lParam);
}

// A box's life ends after its last message, once its controls have gone too.
LRESULT CALLBACK OnBoxEnd(int code, WPARAM wParam, LPARAM lParam) {
    const CWPRETSTRUCT* sent = reinterpret_cast<CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_NCDESTROY && sent->hwnd == outerBox) {
        boxes.back().second = Clock::now();
        outerBox = nullptr;
    }
    return CallNextHookEx(endHook, code, wParam, lParam);
}

double Ms(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

struct Figures {
    std::vector<double> own;        // the whole run without its boxes' lives
    std::vector<double> afterClose; // from the first box's end, later boxes left out
};

// Times work runs times; prepare runs untimed before each.
Figures TimeOutsideBoxes(int runs, const std::function<void()>& prepare,
                         const std::function<void()>& work) {
    Figures figures;
    for (int run = 0; run < runs; ++run) {
        prepare();
        boxes.clear();
        const auto start = Clock::now();
        work();
        const auto end = Clock::now();
        double inBoxes = 0;
        for (const auto& [made, gone] : boxes) inBoxes += Ms(made, gone);
        figures.own.push_back(Ms(start, end) - inBoxes);
        if (!boxes.empty()) { // later boxes left out, the first one ended before
            const auto& [made, gone] = boxes.front();
            figures.afterClose.push_back(Ms(gone, end) - (inBoxes - Ms(made, gone)));
        }
    }
    return figures;
}

// The pointer steps one pixel between runs, as in a hand's motion.
int steps = 0;
void StepOnto(POINT at) {
    Pump();
    PointAt(at.x + steps++ % 2, at.y);
}
// The window's own WM_PAINT, as the message loop would deliver it; its buttons
// are repainted in the next untimed pump.
void PaintWindow() {
    RedrawWindow(Editor(), nullptr, nullptr, RDW_UPDATENOW | RDW_NOCHILDREN);
}
void Send(UINT message, WPARAM keys, POINT at) {
    SendMessageA(Editor(), message, keys, MAKELPARAM(at.x, at.y));
    MSG posted; // a drag posts itself a press
    while (PeekMessageA(&posted, Editor(), WM_LBUTTONDOWN, WM_RBUTTONDOWN, PM_REMOVE))
        DispatchMessageA(&posted);
    PaintWindow();
}

struct Row {
    std::string what;
    std::function<void()> prepare; // untimed
    std::function<void()> work;
    std::vector<Answer> answers = {}; // for its boxes and dialogs
    bool fromClose = false;           // reported from the first dialog's close
};

} // namespace

int main() {
    char temp[MAX_PATH] = "";
    const std::string folder(std::string(temp, GetTempPathA(MAX_PATH, temp)) +
                             "prickverket-bench\\");
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string small = folder + "small.ico", large = folder + "large.ico",
                      saved = folder + "saved.ico";
    PixelGrid stripes{};
    for (int i = 0; i < CELL_COUNT; ++i) stripes[i] = (i / 32 + i % 32) % 17;
    const Bytes ours = MakeImage(StandardPalette(), stripes);
    WriteBytes(small, MakeIconFile(1, {ours})); // 766 bytes
    // Today's kind: 256 x 256 in 32 bits first; images 2 and 4 are of our kind.
    WriteBytes(large, MakeIconFile(6, {MakeOtherImage(256, 32), ours, MakeOtherImage(48, 8), ours,
                                       MakeOtherImage(16, 4), MakeOtherImage(32, 32)}));
    const int largeKb = static_cast<int>(ReadBytes(large).size() / 1024);
    Editor();
    boxHook = SetWindowsHookExA(WH_CBT, OnBox, nullptr, GetCurrentThreadId());
    endHook = SetWindowsHookExA(WH_CALLWNDPROCRET, OnBoxEnd, nullptr, GetCurrentThreadId());

    const auto command = [](WPARAM id) {
        return [id] { SendMessageA(Editor(), WM_COMMAND, id, 0), PaintWindow(); };
    };
    const auto send = [](UINT message, WPARAM keys, POINT at) {
        return [=] { Send(message, keys, at); };
    };
    const auto onto = [](POINT at) { return [at] { StepOnto(at); }; };
    const auto openLarge = [&] { std::snprintf(openPath, PATH_CHARS, "%s", large.c_str()); };
    const std::vector<Row> rows = {
        {"WM_PAINT of the window after InvalidateRect",
         [] { Pump(), InvalidateRect(Editor(), nullptr, FALSE); }, PaintWindow},
        {"the 14 buttons' own WM_PAINTs after it (Wine's button code)",
         [] { Pump(), InvalidateRect(Editor(), nullptr, FALSE), PaintWindow(); },
         [] { UpdateWindow(Editor()); }},
        {"left pick (WM_LBUTTONUP on red)", onto(RED), send(WM_LBUTTONUP, 0, RED)},
        {"right pick (WM_RBUTTONUP on red)", onto(RED), send(WM_RBUTTONUP, 0, RED)},
        {"left press (WM_LBUTTONDOWN on a cell)", onto(CELL),
         send(WM_LBUTTONDOWN, MK_LBUTTON, CELL)},
        {"right press (WM_RBUTTONDOWN on a cell)", onto(CELL),
         send(WM_RBUTTONDOWN, MK_RBUTTON, CELL)},
        {"drag in line mode (WM_MOUSEMOVE, left held)",
         [] { Command(ID_DRAW_LINE), StepOnto(CELL); }, send(WM_MOUSEMOVE, MK_LBUTTON, CELL)},
        {"\"Punkt\"", Pump, command(ID_DRAW_POINT)},
        {"\"Linje\"", Pump, command(ID_DRAW_LINE)},
        {"\"Grid\"", Pump, command(ID_GRID)},
        {"\"Uppdatera\"", Pump, command(ID_UPDATE)},
        {"\"Standardpalett\"", Pump, command(ID_STD_PALETTE)},
        {"\"Ny image\", box answered OK", Pump, command(ID_NEW_IMAGE), {{Reply::Ok}}},
        {"\"Dukf\xC3\xA4rg\", box answered OK", Pump, command(ID_CANVAS_COLOR), {{Reply::Ok}}},
        {"\"F\xC3\xA4rg\", colour dialog answered OK", Pump, command(ID_COLOR), {{Reply::Ok}}},
        {"\"\xC3\x96ppna...\" a 766-byte file",
         Pump,
         command(ID_OPEN),
         {{Reply::Path, small}},
         true},
        {"\"\xC3\x96ppna...\" a " + std::to_string(largeKb) + " KB icon of 6 sizes, 4 boxes",
         Pump,
         command(ID_OPEN),
         {{Reply::Path, large}, {Reply::Ok}, {Reply::Ok}, {Reply::Ok}, {Reply::Ok}},
         true},
        {"\"Spara...\" 766 bytes",
         [&] { Pump(), DeleteFileA(saved.c_str()); },
         command(ID_SAVE),
         {{Reply::Path, saved}},
         true},
        {"\"Bild 1\" of the large icon (not of our kind)", [&] { Pump(), openLarge(); },
         command(ID_IMAGE1)},
        {"\"Bild 2\" of the large icon", [&] { Pump(), openLarge(); }, command(ID_IMAGE2)},
    };
    const char* only = std::getenv("BENCH_ONLY"); // rows whose name holds this text
    for (const Row& row : rows) {
        if (only && row.what.find(only) == std::string::npos) continue;
        Figures figures;
        std::vector<Answer> script; // the same answers, run after run
        for (int run = 0; run < RUNS; ++run)
            script.insert(script.end(), row.answers.begin(), row.answers.end());
        const auto seen =
            Answering(script, [&] { figures = TimeOutsideBoxes(RUNS, row.prepare, row.work); });
        const int odd = static_cast<int>(seen.size() - script.size());
        if (row.fromClose) {
            Report(row.what + ", from the dialog's close", figures.afterClose);
        } else {
            Report(row.what + (row.answers.empty() ? "" : ", box left out"), figures.own);
        }
        if (odd)
            std::printf("warning: %s showed %d boxes more than answered\n", row.what.c_str(), odd);
    }
    UnhookWindowsHookEx(boxHook);
    UnhookWindowsHookEx(endHook);
    if (leftColor != 0x0000FF && rightColor != 0x0000FF)
        std::printf("warning: the picks did not take red\n");
    if (GetFileAttributesA(saved.c_str()) == INVALID_FILE_ATTRIBUTES)
        std::printf("warning: nothing was saved\n");

    for (const std::string& file : {small, large, saved}) DeleteFileA(file.c_str());
    RemoveDirectoryA(folder.c_str());
    return 0;
}
