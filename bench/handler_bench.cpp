// How long a user waits for each of the editor's handlers in its real window
// under Wine, timed as bench/waits.h says, each beside its floor: the same
// platform calls on a bare window. With PRICKVERKET_FLOORS set, floor_bench runs
// at the same time, the two take turns, and it leaves its figures in that file. A title change redraws the caption inside
// SetWindowTextA, and the window has no WS_CLIPCHILDREN, so a repaint of the
// whole client area repaints the 14 buttons too. Prints figures; asserts nothing.
#include "app/editor_state.h"
#include "bench/waits.h"
#include "icon/document.h"
#include "tests/app/editor_harness.h"
#include "toolkit/window/dialogs.h"

#include <cstdlib>

namespace {

constexpr POINT CELL = {135, 27}; // row 1, column 2 of the grid
constexpr POINT RED = {540, 82};  // the red swatch
constexpr double FRAME_MS = 1000.0 / 60;
constexpr double RATIO_GOAL = 1.25;

// The pointer steps one pixel between runs, as in a hand's motion.
int steps = 0;
void StepOnto(POINT at) {
    PointAt(at.x + steps++ % 2, at.y);
}

struct Row {
    std::string name;
    Stats stats;
    Stats floor; // n == 0: none
    double ratio;
};

} // namespace

int main() {
    const char* floorsPath = std::getenv("PRICKVERKET_FLOORS");
    // floor_bench makes the same files; whichever program starts first makes them.
    const BenchFiles files = MakeBenchFiles();
    if (floorsPath) TakeTurns(Editor(), "editor", "floor", false);

    const auto command = [](WPARAM id) {
        return [id] { SendMessageA(Editor(), WM_COMMAND, id, 0); };
    };
    const auto send = [](UINT message, WPARAM keys, POINT at) {
        return [=] { SendMessageA(Editor(), message, keys, MAKELPARAM(at.x, at.y)); };
    };
    const auto onto = [](POINT at) { return [at] { StepOnto(at); }; };
    const auto openLarge = [&] { std::snprintf(openPath, PATH_CHARS, "%s", files.large.c_str()); };
    std::vector<Wait> waits = Waits(files);
    const auto set = [&](WaitId id, std::function<void()> prepare, std::function<void()> work) {
        waits[id].prepare = std::move(prepare);
        waits[id].work = std::move(work);
    };
    set(REPAINT, {}, [] { InvalidateRect(Editor(), nullptr, FALSE); });
    set(LEFT_PICK, onto(RED), send(WM_LBUTTONUP, 0, RED));
    set(RIGHT_PICK, onto(RED), send(WM_RBUTTONUP, 0, RED));
    set(LEFT_PRESS, onto(CELL), send(WM_LBUTTONDOWN, MK_LBUTTON, CELL));
    set(RIGHT_PRESS, onto(CELL), send(WM_RBUTTONDOWN, MK_RBUTTON, CELL));
    set(LINE_DRAG, [] { Command(ID_DRAW_LINE), StepOnto(CELL); },
        send(WM_MOUSEMOVE, MK_LBUTTON, CELL));
    set(POINT_MODE, {}, command(ID_DRAW_POINT));
    set(LINE_MODE, {}, command(ID_DRAW_LINE));
    set(GRID, {}, command(ID_GRID));
    set(UPDATE, {}, command(ID_UPDATE));
    set(STD_PALETTE, {}, command(ID_STD_PALETTE));
    set(NEW_IMAGE, {}, command(ID_NEW_IMAGE));
    set(CANVAS_COLOR, {}, command(ID_CANVAS_COLOR));
    set(COLOR, {}, command(ID_COLOR));
    set(OPEN_SMALL, {}, command(ID_OPEN));
    set(OPEN_LARGE, {}, command(ID_OPEN));
    set(SAVE, [&] { DeleteFileA(files.saved.c_str()); }, command(ID_SAVE));
    set(IMAGE1, openLarge, command(ID_IMAGE1));
    set(IMAGE2, openLarge, command(ID_IMAGE2));

    std::vector<Stretch> stretches;
    for (const Wait& wait : waits)
        for (Stretch& stretch : TimeWait(Editor(), wait)) stretches.push_back(std::move(stretch));
    AwaitTurn(); // the floors are written
    const auto floors = floorsPath ? ReadRows(floorsPath) : std::map<std::string, Stats>{};
    std::vector<Row> rows;
    for (const Stretch& stretch : stretches) {
            Row row{stretch.name, Summarize(stretch.ms), {}, 0};
            std::string line = Line(row.name, row.stats);
            const auto floor = floors.find(row.name);
            if (floor == floors.end() || floor->second.median <= 0) {
                line += "  floor none (no bare-window row of this name was measured)";
            } else {
                row.floor = floor->second;
                row.ratio = row.stats.median / row.floor.median;
                char tail[64];
                std::snprintf(tail, sizeof tail, "  floor %.4f ms  ratio %.2f", row.floor.median,
                              row.ratio);
                line += tail;
            }
            std::printf("%s\n", line.c_str());
            std::fflush(stdout);
            rows.push_back(row);
    }
    const bool all = std::getenv("BENCH_ONLY") == nullptr;
    if (all && leftColor != 0x0000FF && rightColor != 0x0000FF)
        std::printf("warning: the picks did not take red\n");
    if (all && GetFileAttributesA(files.saved.c_str()) == INVALID_FILE_ATTRIBUTES)
        std::printf("warning: nothing was saved\n");
    RemoveBenchFiles(files);

    // The goals: a ratio of at most 1.25, and one frame at 60 Hz at p95.
    std::printf("== goals: ratio at most %.2f; p95 within %.1f ms\n", RATIO_GOAL, FRAME_MS);
    int ratioMet = 0, frameMet = 0;
    for (const Row& row : rows) {
        ratioMet += row.floor.n && row.ratio <= RATIO_GOAL;
        frameMet += row.stats.p95 <= FRAME_MS;
    }
    std::printf("ratio at most %.2f: %d of %zu rows\n", RATIO_GOAL, ratioMet, rows.size());
    for (const Row& row : rows)
        if (row.floor.n && row.ratio > RATIO_GOAL)
            std::printf("  over: %s (ratio %.2f)\n", row.name.c_str(), row.ratio);
    std::printf("p95 within %.1f ms: %d of %zu rows\n", FRAME_MS, frameMet, rows.size());
    for (const Row& row : rows) {
        if (row.stats.p95 <= FRAME_MS) continue;
        const bool wine = row.floor.n && row.floor.p95 > FRAME_MS;
        std::printf("  over: %s (p95 %.1f ms; floor p95 %.1f ms%s)\n", row.name.c_str(),
                    row.stats.p95, row.floor.p95,
                    wine ? ": over because of Wine" : ", within on the bare window");
    }
    return 0;
}
