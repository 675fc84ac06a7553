// How long a user waits for each of the editor's handlers in its real window
// under Wine. The clock starts when the message is sent and stops when the
// window is still: neither the window nor any of its 14 buttons has a paint
// pending, and every message waiting has been handled. The window has no
// WS_CLIPCHILDREN, so a repaint of the whole client area repaints the buttons
// too; a title change redraws the caption inside SetWindowTextA. A box or dialog
// divides the wait: each stretch ends when the next box is shown and the next
// starts when that box has gone, since the time a box is up is a person's.
// Prints figures; asserts nothing.
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

// The top-level boxes and dialogs of one run: when each was shown, when it had gone.
struct Box {
    HWND window;
    Clock::time_point shown, gone;
};
std::vector<Box> boxes;
HHOOK shownHook = nullptr;
HHOOK goneHook = nullptr;

bool IsNewBox(HWND window) {
    char name[16] = "";
    if (!GetClassNameA(window, name, sizeof name) || std::string(name) != "#32770") return false;
    // A box is activated again when a box of its own closes.
    for (const Box& box : boxes)
        if (box.window == window) return false;
    return true;
}

// A box is shown when it is activated: its controls are made and it is on the
// screen, and its modal loop has not yet read its answer.
LRESULT CALLBACK OnShown(int code, WPARAM wParam, LPARAM lParam) {
    const auto now = Clock::now();
    if (code == HCBT_ACTIVATE && IsNewBox(reinterpret_cast<HWND>(wParam)))
        boxes.push_back({reinterpret_cast<HWND>(wParam), now, {}});
    return CallNextHookEx(shownHook, code, wParam, lParam);
}

// A box has gone after its last message, once its controls have gone too.
LRESULT CALLBACK OnGone(int code, WPARAM wParam, LPARAM lParam) {
    const CWPRETSTRUCT* sent = reinterpret_cast<CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_NCDESTROY) {
        for (Box& box : boxes)
            if (box.window == sent->hwnd && box.gone == Clock::time_point{})
                box.gone = Clock::now();
    }
    return CallNextHookEx(goneHook, code, wParam, lParam);
}

// Whether anything is left for the window: a message waiting for this thread,
// or a paint pending for any of its windows, the editor and its 14 buttons (Wine
// sets QS_PAINT while any of them has an update region). One request to Wine's
// server, where asking each window for its update region would be fifteen.
bool Busy() {
    return HIWORD(GetQueueStatus(QS_ALLINPUT)) != 0;
}

// Handles what is waiting, paints of the buttons and the frame included, until
// the window is still.
void UntilStill() {
    for (;;) {
        Pump();
        RedrawWindow(Editor(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        if (!Busy()) return;
    }
}

// Times work runs times, each until the window is still, and divides each run
// at its boxes: stretch 0 until the first box is shown, stretch i from box i's
// end until the next box is shown, the last from the last box's end.
std::vector<std::vector<double>> TimeStretches(int runs, size_t boxCount,
                                               const std::function<void()>& prepare,
                                               const std::function<void()>& work, int& odd) {
    std::vector<std::vector<double>> stretches(boxCount + 1);
    for (int run = 0; run < runs; ++run) {
        prepare();
        UntilStill();
        boxes.clear();
        const auto start = Clock::now();
        work();
        UntilStill();
        const auto end = Clock::now();
        if (boxes.size() != boxCount) {
            ++odd; // a run that does not divide as expected is left out
            continue;
        }
        auto from = start;
        for (size_t i = 0; i < boxCount; ++i) {
            stretches[i].push_back(Ms(from, boxes[i].shown));
            from = boxes[i].gone;
        }
        stretches[boxCount].push_back(Ms(from, end));
    }
    return stretches;
}

// The pointer steps one pixel between runs, as in a hand's motion.
int steps = 0;
void StepOnto(POINT at) {
    PointAt(at.x + steps++ % 2, at.y);
}

struct Row {
    std::string what;
    std::function<void()> prepare;           // untimed; the window is made still after it
    std::function<void()> work;              // sends one message
    std::vector<Answer> answers = {};        // for its boxes and dialogs
    std::vector<std::string> stretches = {}; // one name more than answers
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
    // Today's kind: 256 x 256 in 32 bits first; entries 2 and 4 are of our kind.
    // The reader counts only images of our kind, so "Bild 1" and "Bild 2" load
    // those two, and opening it shows a box for each of images 3 to 6.
    WriteBytes(large, MakeIconFile(6, {MakeOtherImage(256, 32), ours, MakeOtherImage(48, 8), ours,
                                       MakeOtherImage(16, 4), MakeOtherImage(32, 32)}));
    const int largeKb = static_cast<int>(ReadBytes(large).size() / 1024);
    Editor();
    goneHook = SetWindowsHookExA(WH_CALLWNDPROCRET, OnGone, nullptr, GetCurrentThreadId());

    const auto command = [](WPARAM id) {
        return [id] { SendMessageA(Editor(), WM_COMMAND, id, 0); };
    };
    const auto send = [](UINT message, WPARAM keys, POINT at) {
        return [=] { SendMessageA(Editor(), message, keys, MAKELPARAM(at.x, at.y)); };
    };
    const auto onto = [](POINT at) { return [at] { StepOnto(at); }; };
    const auto openLarge = [&] { std::snprintf(openPath, PATH_CHARS, "%s", large.c_str()); };
    const std::string largeOpen =
        "\"\xC3\x96ppna...\" " + std::to_string(largeKb) + " KB icon of 6 sizes";
    const std::vector<Row> rows = {
        {"a repaint of the whole client area (InvalidateRect, not erased)", [] {},
         [] { InvalidateRect(Editor(), nullptr, FALSE); }},
        {"left pick (WM_LBUTTONUP on red)", onto(RED), send(WM_LBUTTONUP, 0, RED)},
        {"right pick (WM_RBUTTONUP on red)", onto(RED), send(WM_RBUTTONUP, 0, RED)},
        {"left press (WM_LBUTTONDOWN on a cell)", onto(CELL),
         send(WM_LBUTTONDOWN, MK_LBUTTON, CELL)},
        {"right press (WM_RBUTTONDOWN on a cell)", onto(CELL),
         send(WM_RBUTTONDOWN, MK_RBUTTON, CELL)},
        {"drag in line mode (WM_MOUSEMOVE, left held)",
         [] { Command(ID_DRAW_LINE), StepOnto(CELL); }, send(WM_MOUSEMOVE, MK_LBUTTON, CELL)},
        {"\"Punkt\"", [] {}, command(ID_DRAW_POINT)},
        {"\"Linje\"", [] {}, command(ID_DRAW_LINE)},
        {"\"Grid\"", [] {}, command(ID_GRID)},
        {"\"Uppdatera\"", [] {}, command(ID_UPDATE)},
        {"\"Standardpalett\"", [] {}, command(ID_STD_PALETTE)},
        {"\"Ny image\"",
         [] {},
         command(ID_NEW_IMAGE),
         {{Reply::Ok}},
         {"click to its box", "after its box (OK)"}},
        {"\"Dukf\xC3\xA4rg\"",
         [] {},
         command(ID_CANVAS_COLOR),
         {{Reply::Ok}},
         {"click to its box", "after its box (OK)"}},
        {"\"F\xC3\xA4rg\"",
         [] {},
         command(ID_COLOR),
         {{Reply::Ok}},
         {"click to the colour dialog", "after the colour dialog (OK)"}},
        {"\"\xC3\x96ppna...\" a 766-byte file",
         [] {},
         command(ID_OPEN),
         {{Reply::Path, small}},
         {"click to the file dialog", "after the file dialog"}},
        {largeOpen,
         [] {},
         command(ID_OPEN),
         {{Reply::Path, large}, {Reply::Ok}, {Reply::Ok}, {Reply::Ok}, {Reply::Ok}},
         {"click to the file dialog", "file dialog to box 1", "box 1 to box 2", "box 2 to box 3",
          "box 3 to box 4", "last box"}},
        {"\"Spara...\" 766 bytes",
         [&] { DeleteFileA(saved.c_str()); },
         command(ID_SAVE),
         {{Reply::Path, saved}},
         {"click to the file dialog", "after the file dialog"}},
        {"\"Bild 1\" of the large icon", openLarge, command(ID_IMAGE1)},
        {"\"Bild 2\" of the large icon", openLarge, command(ID_IMAGE2)},
    };
    const char* only = std::getenv("BENCH_ONLY"); // rows whose name holds this text
    for (const Row& row : rows) {
        if (only && row.what.find(only) == std::string::npos) continue;
        std::vector<Answer> script; // the same answers, run after run
        for (int run = 0; run < RUNS; ++run)
            script.insert(script.end(), row.answers.begin(), row.answers.end());
        std::vector<std::vector<double>> stretches;
        int odd = 0;
        const auto seen = Answering(script, [&] {
            // Hooked inside the answerer, so that a box's time is taken before it is answered.
            shownHook = SetWindowsHookExA(WH_CBT, OnShown, nullptr, GetCurrentThreadId());
            stretches = TimeStretches(RUNS, row.answers.size(), row.prepare, row.work, odd);
            UnhookWindowsHookEx(shownHook);
        });
        for (size_t i = 0; i < stretches.size(); ++i) {
            const bool last = i + 1 == stretches.size();
            const std::string name =
                row.stretches.empty() ? row.what : row.what + ": " + row.stretches[i];
            Report(name + (last ? ", until still" : ", until the next box"), stretches[i]);
        }
        if (odd || seen.size() != script.size())
            std::printf("warning: %s: %d runs showed other boxes than answered\n", row.what.c_str(),
                        odd);
    }
    UnhookWindowsHookEx(goneHook);
    if (leftColor != 0x0000FF && rightColor != 0x0000FF)
        std::printf("warning: the picks did not take red\n");
    if (GetFileAttributesA(saved.c_str()) == INVALID_FILE_ATTRIBUTES)
        std::printf("warning: nothing was saved\n");

    for (const std::string& file : {small, large, saved}) DeleteFileA(file.c_str());
    RemoveDirectoryA(folder.c_str());
    return 0;
}
