// The waits that the benchmarks time, and the clocks that the editor's handlers
// and their floors on a bare window share, so that both are timed the same way.
// A wait's clock starts when its message is sent and stops when the window is
// still: neither the window nor any of its buttons has a paint pending, and
// every message waiting has been handled. A box or dialog divides the wait:
// each stretch ends when the next box is shown, and the next starts when that
// box has gone, since the time a box is up is a person's.
#pragma once

#include "bench/figures.h"
#include "tests/support/harness.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// The temporary folder that both programs' dialogs open in, with the same files.
struct BenchFiles {
    std::string folder, small, large, saved;
};
BenchFiles MakeBenchFiles();
void RemoveBenchFiles(const BenchFiles& files);

// Each program fills in prepare and work for the waits it times, in this order.
enum WaitId {
    REPAINT,
    LEFT_PICK,
    RIGHT_PICK,
    LEFT_PRESS,
    RIGHT_PRESS,
    LINE_DRAG,
    POINT_MODE,
    LINE_MODE,
    GRID,
    UPDATE,
    STD_PALETTE,
    NEW_IMAGE,
    CANVAS_COLOR,
    COLOR,
    OPEN_SMALL,
    OPEN_LARGE,
    SAVE,
    IMAGE1,
    IMAGE2,
    WAIT_COUNT
};

struct Wait {
    std::string what;
    std::vector<Answer> answers = {};        // for its boxes and dialogs
    std::vector<std::string> stretches = {}; // one name more than answers
    std::function<void()> prepare = {};      // untimed; the window is made still after it
    std::function<void()> work = {};         // sends one message
};

// The waits by WaitId, named, with their answers; no prepare or work yet.
std::vector<Wait> Waits(const BenchFiles& files);

// A printed row of a wait: "<what>[: <stretch>], until still" or ", until the next box".
struct Stretch {
    std::string name;
    std::vector<double> ms;
};

// Two programs that time the same waits take turns: they run at once, and each
// round of a wait's runs goes to one and then the other, its window alone on the
// screen. Called once by each with its window, self and other swapped; the one
// that goes first is handed its first turn by the other, once both are ready.
void TakeTurns(HWND window, const char* self, const char* other, bool first);
void AwaitTurn(); // waits until the other hands over; with no partner, returns at once
void HandOver();

// Handles what is waiting for window, paints of its buttons and frame included,
// until it is still.
void UntilStill(HWND window);

// Runs the wait's work 200 times on window, each until still, answering its boxes,
// and gives its stretches; runs whose boxes differ from the answers are left out
// with a warning. Nothing when the wait has no work, or BENCH_ONLY is set and the
// wait's name lacks it.
std::vector<Stretch> TimeWait(HWND window, const Wait& wait);
