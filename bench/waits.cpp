#include "bench/waits.h"

#include "tests/support/icon_files.h"

#include <cstdlib>

namespace {

constexpr int RUNS = 200;
// With a partner, the runs of a wait go in rounds, the two programs in turn.
constexpr int ROUNDS = 10;
constexpr DWORD PARTNER_MS = 300000; // a partner that takes longer has gone

// The two programs, when both run: each waits for its own event, and sets the other's.
HANDLE ownTurn = nullptr, otherTurn = nullptr;

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

// Whether anything is left: a message waiting for this thread, or a paint
// pending for any of its windows, the main window and its 14 buttons (Wine sets
// QS_PAINT while any of them has an update region). One request to Wine's
// server, where asking each window for its update region would be fifteen.
bool Busy() {
    return HIWORD(GetQueueStatus(QS_ALLINPUT)) != 0;
}

// Times work runs times, each until the window is still, and divides each run
// at its boxes: stretch 0 until the first box is shown, stretch i from box i's
// end until the next box is shown, the last from the last box's end.
void TimeStretches(HWND window, int runs, const std::function<void()>& prepare,
                   const std::function<void()>& work, std::vector<std::vector<double>>& stretches,
                   int& odd) {
    const size_t boxCount = stretches.size() - 1;
    for (int run = 0; run < runs; ++run) {
        if (prepare) prepare();
        UntilStill(window);
        boxes.clear();
        const auto start = Clock::now();
        work();
        UntilStill(window);
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
}

// The window shown and still, or hidden, so that the partner's window, at the
// same place, is alone on the screen while its runs are timed.
void Show(HWND window, bool shown) {
    ShowWindow(window, shown ? SW_SHOWNORMAL : SW_HIDE);
    if (shown) SetForegroundWindow(window);
    UntilStill(window);
}

} // namespace

BenchFiles MakeBenchFiles() {
    char temp[MAX_PATH] = "";
    BenchFiles files;
    files.folder = std::string(temp, GetTempPathA(MAX_PATH, temp)) + "prickverket-bench\\";
    CreateDirectoryA(files.folder.c_str(), nullptr);
    files.small = files.folder + "small.ico";
    files.large = files.folder + "large.ico";
    files.saved = files.folder + "saved.ico";
    PixelGrid stripes{};
    for (int i = 0; i < CELL_COUNT; ++i) stripes[i] = (i / 32 + i % 32) % 17;
    const Bytes ours = MakeImage(StandardPalette(), stripes);
    WriteBytes(files.small, MakeIconFile(1, {ours})); // 766 bytes
    // Today's kind: 256 x 256 in 32 bits first; entries 2 and 4 are of our kind.
    // The reader counts only images of our kind, so "Bild 1" and "Bild 2" load
    // those two, and opening it shows a box for each of images 3 to 6.
    WriteBytes(files.large,
               MakeIconFile(6, {MakeOtherImage(256, 32), ours, MakeOtherImage(48, 8), ours,
                                MakeOtherImage(16, 4), MakeOtherImage(32, 32)}));
    DeleteFileA(files.saved.c_str());
    return files;
}

void RemoveBenchFiles(const BenchFiles& files) {
    for (const std::string& file : {files.small, files.large, files.saved})
        DeleteFileA(file.c_str());
    RemoveDirectoryA(files.folder.c_str());
}

std::vector<Wait> Waits(const BenchFiles& files) {
    const int largeKb = static_cast<int>(ReadBytes(files.large).size() / 1024);
    const std::vector<std::string> boxStretches = {"click to its box", "after its box (OK)"};
    const std::vector<std::string> fileStretches = {"click to the file dialog",
                                                    "after the file dialog"};
    std::vector<Wait> waits(WAIT_COUNT);
    waits[REPAINT] = {"a repaint of the whole client area (InvalidateRect, not erased)"};
    waits[LEFT_PICK] = {"left pick (WM_LBUTTONUP on red)"};
    waits[RIGHT_PICK] = {"right pick (WM_RBUTTONUP on red)"};
    waits[LEFT_PRESS] = {"left press (WM_LBUTTONDOWN on a cell)"};
    waits[RIGHT_PRESS] = {"right press (WM_RBUTTONDOWN on a cell)"};
    waits[LINE_DRAG] = {"drag in line mode (WM_MOUSEMOVE, left held)"};
    waits[POINT_MODE] = {"\"Punkt\""};
    waits[LINE_MODE] = {"\"Linje\""};
    waits[GRID] = {"\"Grid\""};
    waits[UPDATE] = {"\"Uppdatera\""};
    waits[STD_PALETTE] = {"\"Standardpalett\""};
    waits[NEW_IMAGE] = {"\"Ny image\"", {{Reply::Ok}}, boxStretches};
    waits[CANVAS_COLOR] = {"\"Dukf\xC3\xA4rg\"", {{Reply::Ok}}, boxStretches};
    waits[COLOR] = {"\"F\xC3\xA4rg\"",
                    {{Reply::Ok}},
                    {"click to the colour dialog", "after the colour dialog (OK)"}};
    waits[OPEN_SMALL] = {"\"\xC3\x96ppna...\" a 766-byte file",
                         {{Reply::Path, files.small}},
                         fileStretches};
    waits[OPEN_LARGE] = {
        "\"\xC3\x96ppna...\" " + std::to_string(largeKb) + " KB icon of 6 sizes",
        {{Reply::Path, files.large}, {Reply::Ok}, {Reply::Ok}, {Reply::Ok}, {Reply::Ok}},
        {"click to the file dialog", "file dialog to box 1", "box 1 to box 2", "box 2 to box 3",
         "box 3 to box 4", "last box"}};
    waits[SAVE] = {"\"Spara...\" 766 bytes", {{Reply::Path, files.saved}}, fileStretches};
    waits[IMAGE1] = {"\"Bild 1\" of the large icon"};
    waits[IMAGE2] = {"\"Bild 2\" of the large icon"};
    return waits;
}

void TakeTurns(HWND window, const char* self, const char* other, bool first) {
    const std::string prefix = "prickverket-bench-turn-";
    ownTurn = CreateEventA(nullptr, FALSE, FALSE, (prefix + self).c_str());
    otherTurn = CreateEventA(nullptr, FALSE, FALSE, (prefix + other).c_str());
    Show(window, false);
    if (!first) HandOver(); // the other starts once both are ready
}

void AwaitTurn() {
    if (ownTurn && WaitForSingleObject(ownTurn, PARTNER_MS) != WAIT_OBJECT_0) {
        std::printf("warning: the partner program did not hand over; going on alone\n");
        ownTurn = otherTurn = nullptr;
    }
}

void HandOver() {
    if (otherTurn) SetEvent(otherTurn);
}

void UntilStill(HWND window) {
    for (;;) {
        Pump();
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        if (!Busy()) return;
    }
}

std::vector<Stretch> TimeWait(HWND window, const Wait& wait) {
    const char* only = std::getenv("BENCH_ONLY"); // waits whose name holds this text
    if (!wait.work || (only && wait.what.find(only) == std::string::npos)) return {};
    if (!goneHook) goneHook = SetWindowsHookExA(WH_CALLWNDPROCRET, OnGone, nullptr,
                                                GetCurrentThreadId());
    std::vector<Answer> script; // the same answers, run after run
    for (int run = 0; run < RUNS; ++run)
        script.insert(script.end(), wait.answers.begin(), wait.answers.end());
    std::vector<std::vector<double>> times(wait.answers.size() + 1);
    int odd = 0;
    size_t seen = 0;
    const int rounds = ownTurn ? ROUNDS : 1;
    for (int round = 0; round < rounds; ++round) {
        const int runs = RUNS / rounds;
        const size_t scriptSize = runs * wait.answers.size();
        const std::vector<Answer> part(script.begin(), script.begin() + scriptSize);
        if (ownTurn) AwaitTurn(), Show(window, true);
        seen += Answering(part, [&] {
            // Hooked inside the answerer, so that a box's time is taken before it is answered.
            shownHook = SetWindowsHookExA(WH_CBT, OnShown, nullptr, GetCurrentThreadId());
            TimeStretches(window, runs, wait.prepare, wait.work, times, odd);
            UnhookWindowsHookEx(shownHook);
        }).size();
        if (ownTurn) Show(window, false), HandOver();
    }
    if (odd || seen != script.size())
        std::printf("warning: %s: %d runs showed other boxes than answered\n", wait.what.c_str(),
                    odd);
    std::vector<Stretch> stretches;
    for (size_t i = 0; i < times.size(); ++i) {
        const bool last = i + 1 == times.size();
        const std::string name =
            wait.stretches.empty() ? wait.what : wait.what + ": " + wait.stretches[i];
        stretches.push_back({name + (last ? ", until still" : ", until the next box"), times[i]});
    }
    return stretches;
}
