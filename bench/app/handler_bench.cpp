// How long the editor's message handlers take, in the real editor window under
// the real USER and GDI. Each handler is called through SendMessageA, which
// returns when the handler has returned, so the time is the handler's time,
// message boxes and dialogs included (they are answered the moment they become
// active). Prints the median and the 95th percentile; asserts nothing.
#include "app/commands.h"
#include "app/editor_state.h"
#include "bench/app/answer_boxes.h"
#include "icon/document.h"
#include "icon/writer.h"
#include "tests/support/icon_files.h"
#include "toolkit/window/dialogs.h"
#include "toolkit/window/window.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int QUICK_RUNS = 200; // handlers without a dialog
constexpr int DIALOG_RUNS = 50; // handlers that open a dialog or a box
constexpr double TARGET_MS = 16.0;

// The report goes to a terminal, so its one non-ASCII letter is UTF-8.
constexpr char OPEN_LABEL[] = "\"\xC3\x96"
                              "ppna...\"";

// Points of the client area: a grid cell and the red swatch.
constexpr POINT GRID_CELL = {135, 27}; // row 1, column 2
constexpr POINT RED_SWATCH = {540, 82};

LARGE_INTEGER ticksPerSecond;
HWND editorWindow;

// A box that nobody answers would block its command for ever; the watchdog
// then ends the run with a message instead of waiting for the test timeout.
constexpr double STUCK_MS = 30000.0;
std::atomic<double> callStartedMs{-1.0};

double NowMs() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) /
           static_cast<double>(ticksPerSecond.QuadPart);
}

// Lets pending repaints and posted messages run between two measurements.
void DrainMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void PointerAt(POINT client) {
    ClientToScreen(editorWindow, &client);
    SetCursorPos(client.x, client.y);
    DrainMessages();
}

std::string ChoicePath(const char* name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

struct Figures {
    double median;
    double p95;
};

Figures Summarise(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const std::size_t n = times.size();
    const double median = n % 2 == 1 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2.0;
    // Nearest rank: the smallest time that at least 95 % of the runs do not exceed.
    const std::size_t rank = (95 * n + 99) / 100;
    return {median, times[rank - 1]};
}

void Report(const char* what, const std::vector<double>& times, const char* note = "") {
    const Figures f = Summarise(times);
    std::printf("%-44s median %8.3f ms   p95 %8.3f ms   over %3zu runs   %s%s\n", what, f.median,
                f.p95, times.size(), f.p95 <= TARGET_MS ? "within 16 ms" : "OVER 16 ms", note);
    std::fflush(stdout);
}

// Times runs calls of handler; prepare runs right before each call, untimed.
std::vector<double> Measure(int runs, const std::function<void()>& prepare,
                            const std::function<void()>& handler) {
    std::vector<double> times;
    times.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        // Drained first: draining would also run the repaint that prepare may ask for.
        DrainMessages();
        prepare();
        ForgetAnsweredBoxes();
        const double start = NowMs();
        callStartedMs = start;
        handler();
        callStartedMs = -1.0;
        times.push_back(NowMs() - start);
    }
    DrainMessages();
    return times;
}

LRESULT Command(int id) {
    return SendMessageA(editorWindow, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

void Warn(const char* text) {
    std::printf("  warning: %s\n", text);
    std::fflush(stdout);
}

// Wine asks the X server for the pointer on every GetCursorPos once the pointer
// has been still for 100 ms, and answers from its own copy before that. The
// press and the release ask once per cell or swatch, so both cases are timed.
enum class Pointer { AT_REST, JUST_MOVED };

// Before each run with JUST_MOVED, the pointer steps one pixel within the same
// cell or swatch, as during a hand's motion.
void PrepareJustMoved(POINT point, int run) {
    PointerAt({point.x + run % 2, point.y});
}

void BenchPointerHandler(const char* what, UINT message, WPARAM keys, POINT point,
                         Pointer pointer) {
    PointerAt(point);
    Sleep(200);
    int run = 0;
    const auto times = Measure(
        QUICK_RUNS,
        [&] {
            if (pointer == Pointer::JUST_MOVED) PrepareJustMoved(point, run++);
        },
        [&] { SendMessageA(editorWindow, message, keys, MAKELPARAM(point.x, point.y)); });
    char label[96];
    std::snprintf(label, sizeof label, "%s, pointer %s", what,
                  pointer == Pointer::AT_REST ? "at rest" : "just moved");
    Report(label, times);
}

void BenchPaintPress(Pointer pointer) {
    BenchPointerHandler("paint press (WM_LBUTTONDOWN)", WM_LBUTTONDOWN, MK_LBUTTON, GRID_CELL,
                        pointer);
    if (pixelGrid[1 * GRID_CELLS + 2] != FindCellValue(leftColor, palette))
        Warn("the press did not paint cell (1, 2): the pointer was not where it was put");
}

void BenchPalettePick(Pointer pointer) {
    BenchPointerHandler("palette pick (WM_LBUTTONUP on red)", WM_LBUTTONUP, 0, RED_SWATCH, pointer);
    if (leftColor != 0x0000FF) Warn("the release did not pick red");
}

void BenchCommand(const char* what, int id) {
    const auto times = Measure(
        QUICK_RUNS, [] {}, [id] { Command(id); });
    Report(what, times);
}

void BenchNewImage() {
    StartAnsweringBoxes("");
    const auto times = Measure(
        DIALOG_RUNS, [] {}, [] { Command(ID_NEW_IMAGE); });
    const int answered = AnsweredCount();
    StopAnsweringBoxes();
    Report("\"Ny image\" answered OK", times);
    if (answered != DIALOG_RUNS) Warn("not every run showed its question");
}

double TicksToMs(LONGLONG ticks) {
    return 1000.0 * static_cast<double>(ticks) / static_cast<double>(ticksPerSecond.QuadPart);
}

// A command with a file dialog, answered with path: the whole handler, and the
// part after the dialog has closed (the command's own work and its messages).
void BenchFileCommand(const char* what, int id, const std::string& path,
                      const std::function<void()>& prepare) {
    StartAnsweringBoxes(path.c_str());
    std::vector<double> afterDialog;
    const auto times = Measure(DIALOG_RUNS, prepare, [&] {
        Command(id);
        const double end = NowMs();
        if (FileDialogClosedTicks() != 0)
            afterDialog.push_back(end - TicksToMs(FileDialogClosedTicks()));
    });
    const int answered = AnsweredCount();
    StopAnsweringBoxes();
    Report(what, times, "  (whole handler, dialog included)");
    if (afterDialog.size() == times.size())
        Report("  of which after the dialog closed", afterDialog);
    else
        Warn("the file dialog was not seen closing in every run");
    std::printf("  %d dialogs and message boxes answered in %d runs\n", answered, DIALOG_RUNS);
}

void BenchOpen(const char* what, const std::string& path, int expectedCount) {
    BenchFileCommand(what, ID_OPEN, path, [] {});
    if (imageCount != expectedCount || lstrcmpA(openPath, path.c_str()) != 0)
        Warn("the file was not opened through the dialog");
}

void BenchSave(const std::string& path) {
    // Deleted first, so that no question about replacing the file comes up.
    BenchFileCommand("\"Spara...\" (766 bytes)", ID_SAVE, path,
                     [&path] { DeleteFileA(path.c_str()); });
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) Warn("nothing was saved");
}

void BenchPaint() {
    const auto times = Measure(
        QUICK_RUNS, [] { InvalidateRect(editorWindow, nullptr, FALSE); },
        [] { UpdateWindow(editorWindow); });
    Report("WM_PAINT (UpdateWindow after InvalidateRect)", times);
}

DWORD WINAPI Watchdog(void*) {
    for (;;) {
        Sleep(1000);
        const double started = callStartedMs;
        if (started >= 0.0 && NowMs() - started > STUCK_MS) {
            std::printf("a handler has not returned for %.0f s: a box was not answered\n",
                        STUCK_MS / 1000.0);
            std::fflush(stdout);
            ExitProcess(1);
        }
    }
}

// One 32 x 32, 16-colour image, 766 bytes, written by the editor's own writer:
// diagonal stripes, some of them transparent.
bool WriteSmallIcon(const std::string& path) {
    PixelGrid grid;
    for (int i = 0; i < CELL_COUNT; ++i) grid[i] = (i / 32 + i % 32) % 17;
    return WriteIconFile(path.c_str(), StandardPalette(), grid) == 0;
}

// A multi-size icon as real programs ship them, over 100 KB: 16, 32 and 48 pixels
// in 4 and 8 bits, and 16 to 128 pixels in 32 bits, the 32 x 32, 4-bit image
// second as icon editors usually order them. Only that one is of the kind the
// editor reads.
Bytes MultiSizeIcon() {
    constexpr struct {
        int size;
        int bits;
    } KINDS[] = {
        {16, 4},  {32, 4},  {48, 4},  {16, 8},  {32, 8},   {48, 8},
        {16, 32}, {32, 32}, {48, 32}, {64, 32}, {128, 32},
    };
    std::vector<Bytes> images;
    int seed = 1;
    for (const auto& kind : KINDS)
        images.push_back(MakeImage(kind.size, kind.size, kind.bits, seed++));
    return MakeIconFile(images);
}

} // namespace

int main() {
    QueryPerformanceFrequency(&ticksPerSecond);
    CloseHandle(CreateThread(nullptr, 0, Watchdog, nullptr, 0, nullptr));
    // The editor's window exactly as WinMain makes it.
    editorWindow = rk_CreateMainWindow_1(GetModuleHandleA(nullptr), MAIN_WINDOW_NAME, 0, 0,
                                         MAIN_WINDOW_WIDTH, MAIN_WINDOW_HEIGHT, "CLO");
    if (editorWindow == nullptr) {
        std::printf("the editor window could not be created\n");
        return 1;
    }
    SetForegroundWindow(editorWindow);
    UpdateWindow(editorWindow);
    DrainMessages();

    const std::string smallIcon = ChoicePath("prickverket-bench-small.ico");
    const std::string multiIcon = ChoicePath("prickverket-bench-multi.ico");
    const std::string savedIcon = ChoicePath("prickverket-bench-saved.ico");
    const Bytes multi = MultiSizeIcon();
    const long multiBytes = static_cast<long>(multi.size());
    bool written = WriteSmallIcon(smallIcon);
    try {
        WriteBytes(multiIcon, multi);
    } catch (const std::runtime_error&) {
        written = false;
    }
    if (!written) {
        std::printf("could not write the icons to open in %s\n", smallIcon.c_str());
        return 1;
    }

    std::printf("Editor handler times under Wine (target: p95 at most %.0f ms)\n", TARGET_MS);
    BenchPaintPress(Pointer::AT_REST);
    BenchPaintPress(Pointer::JUST_MOVED);
    BenchPalettePick(Pointer::AT_REST);
    BenchPalettePick(Pointer::JUST_MOVED);
    BenchCommand("\"Grid\"", ID_GRID);
    BenchCommand("\"Uppdatera\"", ID_UPDATE);
    BenchNewImage();
    char what[64];
    std::snprintf(what, sizeof what, "%s 766-byte file", OPEN_LABEL);
    BenchOpen(what, smallIcon, 1);
    std::snprintf(what, sizeof what, "%s multi-size icon, %ld KB", OPEN_LABEL, multiBytes / 1024);
    BenchOpen(what, multiIcon, 11);
    BenchSave(savedIcon);
    BenchPaint();

    DeleteFileA(smallIcon.c_str());
    DeleteFileA(multiIcon.c_str());
    DeleteFileA(savedIcon.c_str());
    DestroyWindow(editorWindow);
    DrainMessages();
    return 0;
}
