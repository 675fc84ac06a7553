// A long session of random use of the real editor window: presses, releases,
// moves and double clicks anywhere with random key states, every command and
// invalid ones, message boxes and dialogs answered at random, hostile files
// opened and odd paths saved to. No crash, no hang, no growth of GDI or USER
// objects after a warm-up, and the document still saves and reads back.
//
//   app_soak_test [--events=N] [--seed=S]   (or PRICKVERKET_SOAK_EVENTS, PRICKVERKET_SOAK_SEED)
#include "app/editor_state.h"
#include "icon/document.h"
#include "icon/reader.h"
#include "tests/app/box_answerer.h"
#include "tests/app/editor_harness.h"
#include "tests/app/soak_answers.h"
#include "tests/app/soak_counts.h"
#include "tests/app/soak_files.h"
#include "toolkit/draw/target.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <map>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

// The short form run by the test command: 40 to 80 s under Wine here, as
// the file dialogs cost from 70 to over 400 ms.
constexpr long DEFAULT_EVENTS = 2000;
constexpr std::uint64_t DEFAULT_SEED = 20240605;
// PRICKVERKET_SOAK_HANG_MS lowers it, to see the watchdog fire.
DWORD hangMs = 30000;
constexpr int CHECKPOINTS = 10;

long soakEvents = DEFAULT_EVENTS;
// PRICKVERKET_SOAK_TRACE=1 prints every event after which the GDI count changed,
// and which GDI and USER objects appeared or went since the previous such event:
// the way to find the event, and the object, of a leak.
bool traceGdi = false;
HandleKinds tracedGdi;
HandleKinds tracedUser;
std::uint64_t soakSeed = DEFAULT_SEED;

// ---- the watchdog -------------------------------------------------------------------

// What the editor's thread is doing now, for a hang or crash report.
std::mutex eventMutex;
char eventText[512] = "starting";
std::atomic<long> eventNumber{-1};
std::atomic<DWORD> eventStarted{0};
std::atomic<bool> watching{false};

void ReportAndDie(const char* what) {
    char text[512];
    {
        std::lock_guard<std::mutex> lock(eventMutex);
        std::snprintf(text, sizeof text, "%s", eventText);
    }
    std::fprintf(stderr,
                 "\nSOAK FAILED: %s\n  seed %llu, event %ld of %ld: %s\n  box answers: %s\n", what,
                 static_cast<unsigned long long>(soakSeed), eventNumber.load(), soakEvents, text,
                 EventAnswers().c_str());
    std::fflush(stderr);
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), 3);
}

void Watch() {
    while (watching) {
        Sleep(250);
        if (GetTickCount() - eventStarted.load() > hangMs) {
            char what[64];
            std::snprintf(what, sizeof what, "hang: one event took over %lu ms", hangMs);
            ReportAndDie(what);
        }
    }
}

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* exception) {
    char what[96];
    std::snprintf(what, sizeof what, "crash: exception 0x%08lX at %p",
                  exception->ExceptionRecord->ExceptionCode,
                  exception->ExceptionRecord->ExceptionAddress);
    ReportAndDie(what);
    return EXCEPTION_EXECUTE_HANDLER;
}

void BeginEvent(long number, const char* text) {
    {
        std::lock_guard<std::mutex> lock(eventMutex);
        std::snprintf(eventText, sizeof eventText, "%s", text);
    }
    eventNumber = number;
    eventStarted = GetTickCount();
}

// ---- the events -----------------------------------------------------------------------

enum EventKind {
    MOVE,
    LEFT_DOWN,
    LEFT_UP,
    RIGHT_DOWN,
    RIGHT_UP,
    LEFT_DOUBLE,
    RIGHT_DOUBLE,
    CHEAP_COMMAND,
    INVALID_COMMAND,
    NEW_IMAGE,
    CANVAS_COLOUR,
    OPEN,
    SAVE,
    BACKDROP_COLOUR,
    EVENT_KINDS
};

struct KindRow {
    const char* name;
    int weight; // out of the sum of all weights
};

// Mouse and cheap commands take a few milliseconds under Wine, a message box
// about 50 ms and a file or colour dialog 0.2 to 0.5 s: the mix keeps the
// slow ones rare but frequent enough to occur many times in the short form.
constexpr std::array<KindRow, EVENT_KINDS> KINDS = {{
    {"WM_MOUSEMOVE", 280},
    {"WM_LBUTTONDOWN", 130},
    {"WM_LBUTTONUP", 130},
    {"WM_RBUTTONDOWN", 60},
    {"WM_RBUTTONUP", 60},
    {"WM_LBUTTONDBLCLK", 20},
    {"WM_RBUTTONDBLCLK", 20},
    {"cheap command", 90},
    {"invalid command", 30},
    {"ID_NEW_IMAGE (box)", 8},
    {"ID_CANVAS_COLOR (box)", 8},
    {"ID_OPEN (file dialog)", 10},
    {"ID_SAVE (file dialog)", 8},
    {"ID_COLOR (colour dialog)", 5},
}};

constexpr UINT MOUSE_MESSAGES[] = {WM_MOUSEMOVE, WM_LBUTTONDOWN,   WM_LBUTTONUP,    WM_RBUTTONDOWN,
                                   WM_RBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK};
constexpr WPARAM CHEAP_IDS[] = {ID_GRID,        ID_IMAGE1,     ID_IMAGE2,    ID_IMAGE3, ID_IMAGE4,
                                ID_STD_PALETTE, ID_DRAW_POINT, ID_DRAW_LINE, ID_UPDATE};
constexpr WPARAM ALL_IDS[] = {ID_NEW_IMAGE,   ID_OPEN,         ID_SAVE,       ID_GRID,
                              ID_IMAGE1,      ID_IMAGE2,       ID_IMAGE3,     ID_IMAGE4,
                              ID_STD_PALETTE, ID_CANVAS_COLOR, ID_DRAW_POINT, ID_DRAW_LINE,
                              ID_UPDATE,      ID_COLOR};
constexpr WPARAM KEY_BITS[] = {MK_LBUTTON, MK_RBUTTON,  MK_SHIFT,   MK_CONTROL,
                               MK_MBUTTON, MK_XBUTTON1, MK_XBUTTON2};

struct Soak {
    HWND window = nullptr;
    std::mt19937_64 random;
    int width = 0, height = 0; // of the client area
    std::array<long, EVENT_KINDS> kindCounts{};
    std::map<WPARAM, long> commandCounts;
    long targetLeftOff = 0; // events after which the drawing target was not the client area
};

int Uniform(Soak& soak, int low, int high) { // low..high inclusive
    return low + static_cast<int>(soak.random() % static_cast<std::uint64_t>(high - low + 1));
}

EventKind PickKind(Soak& soak) {
    static const int total = [] {
        int sum = 0;
        for (const KindRow& row : KINDS) sum += row.weight;
        return sum;
    }();
    int roll = Uniform(soak, 0, total - 1);
    for (int k = 0; k < EVENT_KINDS; ++k) {
        if (roll < KINDS[k].weight) return static_cast<EventKind>(k);
        roll -= KINDS[k].weight;
    }
    return MOVE;
}

// Mostly on the grid and the swatches, where the handlers act; some anywhere,
// some just outside the client area.
POINT PickPoint(Soak& soak) {
    const int where = Uniform(soak, 0, 99);
    if (where < 50) {
        return {Uniform(soak, GRID_X - 2, GRID_X + GRID_PIXELS + 1),
                Uniform(soak, GRID_Y - 2, GRID_Y + GRID_PIXELS + 1)};
    }
    if (where < 70) return {Uniform(soak, 515, 590), Uniform(soak, 0, 300)};
    if (where < 90) return {Uniform(soak, 0, soak.width - 1), Uniform(soak, 0, soak.height - 1)};
    const int margin = 20;
    POINT point{Uniform(soak, -margin, soak.width + margin),
                Uniform(soak, -margin, soak.height + margin)};
    if (Uniform(soak, 0, 1) == 0) {
        point.x =
            Uniform(soak, 0, 1) ? -Uniform(soak, 1, margin) : soak.width + Uniform(soak, 0, margin);
    } else {
        point.y = Uniform(soak, 0, 1) ? -Uniform(soak, 1, margin)
                                      : soak.height + Uniform(soak, 0, margin);
    }
    return point;
}

// Often exactly the button of the message, which the drag painting looks for.
WPARAM PickKeyState(Soak& soak, UINT message) {
    const int roll = Uniform(soak, 0, 9);
    if (roll < 3) {
        return message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK ? MK_RBUTTON : MK_LBUTTON;
    }
    if (roll < 5) return Uniform(soak, 0, 1) ? MK_RBUTTON : MK_LBUTTON;
    if (roll < 6) return 0;
    WPARAM keys = 0;
    for (WPARAM bit : KEY_BITS) {
        if (Uniform(soak, 0, 2) == 0) keys |= bit;
    }
    return keys;
}

// Like Pump without its pauses: a soak does not look at pixels.
void Drain() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// An id that no command has, or a real id with a notification code in its high word.
WPARAM PickInvalidCommand(Soak& soak) {
    if (Uniform(soak, 0, 1) == 0) {
        const WPARAM id = ALL_IDS[Uniform(soak, 0, std::size(ALL_IDS) - 1)];
        const WPARAM code = Uniform(soak, 0, 1) ? Uniform(soak, 1, 7) : Uniform(soak, 1, 0xFFFF);
        return MAKEWPARAM(id, code);
    }
    for (;;) {
        const int roll = Uniform(soak, 0, 3);
        const WPARAM id = roll == 0   ? Uniform(soak, 0, 1000)
                          : roll == 1 ? Uniform(soak, 0, 0xFFFF)
                          : roll == 2 ? static_cast<WPARAM>(soak.random())
                                      : Uniform(soak, 95, 410);
        bool known = false;
        for (WPARAM valid : ALL_IDS) known = known || id == valid;
        if (!known) return id;
    }
}

void SendCommand(Soak& soak, long number, WPARAM wParam, char* text, size_t size) {
    // A button's click carries the button; the lParam is not looked at.
    const LPARAM lParam = Uniform(soak, 0, 3) == 0 ? reinterpret_cast<LPARAM>(imageButton1) : 0;
    std::snprintf(text + std::strlen(text), size - std::strlen(text), " wParam 0x%llX",
                  static_cast<unsigned long long>(wParam));
    ++soak.commandCounts[wParam];
    BeginEvent(number, text);
    SendMessageA(soak.window, WM_COMMAND, wParam, lParam);
}

void RunEvent(Soak& soak, long number) {
    SeedSoakAnswers(soakSeed * 0x9E3779B97F4A7C15ULL + static_cast<std::uint64_t>(number));
    const EventKind kind = PickKind(soak);
    ++soak.kindCounts[kind];
    char text[256];
    std::snprintf(text, sizeof text, "%s", KINDS[kind].name);
    if (kind <= RIGHT_DOUBLE) {
        const UINT message = MOUSE_MESSAGES[kind];
        const POINT at = PickPoint(soak);
        const WPARAM keys = PickKeyState(soak, message);
        std::snprintf(text + std::strlen(text), sizeof text - std::strlen(text),
                      " at (%ld, %ld) keys 0x%llX", at.x, at.y,
                      static_cast<unsigned long long>(keys));
        BeginEvent(number, text);
        PointAt(soak.window, at.x, at.y);
        SendMessageA(soak.window, message, keys, MAKELPARAM(at.x, at.y));
    } else {
        WPARAM id = 0;
        switch (kind) {
        case CHEAP_COMMAND:
            id = CHEAP_IDS[Uniform(soak, 0, std::size(CHEAP_IDS) - 1)];
            break;
        case INVALID_COMMAND:
            id = PickInvalidCommand(soak);
            break;
        case NEW_IMAGE:
            id = ID_NEW_IMAGE;
            break;
        case CANVAS_COLOUR:
            id = ID_CANVAS_COLOR;
            break;
        case OPEN:
            id = ID_OPEN;
            break;
        case SAVE:
            id = ID_SAVE;
            break;
        default:
            id = ID_COLOR;
            break;
        }
        SendCommand(soak, number, id, text, sizeof text);
    }
    Drain();
    if (currentTarget != TARGET_CLIENT) ++soak.targetLeftOff;
    if (traceGdi) {
        HandleKinds gdi = GdiKinds();
        if (CountLive(gdi) != CountLive(tracedGdi)) {
            std::printf("  GDI %ld -> %ld after event %ld: %s; box answers: %s\n",
                        CountLive(tracedGdi), CountLive(gdi), number, text, EventAnswers().c_str());
            PrintGdiChanges(tracedGdi, gdi);
            HandleKinds user = UserKinds();
            PrintUserChanges(tracedUser, user);
            tracedUser = std::move(user);
        }
        tracedGdi = std::move(gdi);
    }
}

// ---- what Wine keeps once made --------------------------------------------------------

// Wine's USER makes the brush of a system colour and each shared system cursor
// the first time anything asks for it, and keeps it until the process ends.
// When a run first needs one is chance: a sizing cursor, say, when the pointer
// happens to rest on the edge of the resizable file dialog. Seed 20240605 met
// them as lasting steps long after the warm-up: at event 12464 the brush of
// COLOR_WINDOWFRAME (1 GDI object), at 23462 user32's cursor 32644, IDC_SIZEWE
// (1 USER object and three 32x32 bitmaps), later two more cursors. So the
// warm-up makes them all.
void MakeLastingSystemObjects() {
    for (int index = COLOR_SCROLLBAR; index <= COLOR_MENUBAR; ++index) GetSysColorBrush(index);
    for (LPCSTR cursor :
         {IDC_ARROW, IDC_IBEAM, IDC_WAIT, IDC_CROSS, IDC_UPARROW, IDC_SIZENWSE, IDC_SIZENESW,
          IDC_SIZEWE, IDC_SIZENS, IDC_SIZEALL, IDC_NO, IDC_HAND, IDC_APPSTARTING, IDC_HELP}) {
        LoadCursorA(nullptr, cursor);
    }
}

// ---- the figures ----------------------------------------------------------------------

struct Checkpoint {
    long events;
    double seconds;
    GuiCounts gui;
    MemoryFigures memory;
};

Checkpoint Measure(long events, std::chrono::steady_clock::time_point start) {
    BeginEvent(events, "counting objects and memory");
    Drain();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return {events, seconds, ReadGuiCounts(), ReadMemory()};
}

void PrintTable(const std::vector<Checkpoint>& rows) {
    const Checkpoint& base = rows.front();
    std::printf("%9s %9s %6s %6s %12s %12s %14s %14s\n", "events", "seconds", "GDI", "USER",
                "private KB", "working KB", "private growth", "working growth");
    for (const Checkpoint& row : rows) {
        std::printf("%9ld %9.1f %6ld %6ld %12zu %12zu %+14lld %+14lld\n", row.events, row.seconds,
                    row.gui.gdi, row.gui.user, row.memory.privateKb, row.memory.workingSetKb,
                    static_cast<long long>(row.memory.privateKb) -
                        static_cast<long long>(base.memory.privateKb),
                    static_cast<long long>(row.memory.workingSetKb) -
                        static_cast<long long>(base.memory.workingSetKb));
    }
}

void PrintCounts(const Soak& soak, const SoakFiles& files) {
    std::printf("events by kind:\n");
    for (int k = 0; k < EVENT_KINDS; ++k) {
        std::printf("  %-24s %8ld\n", KINDS[k].name, soak.kindCounts[k]);
    }
    std::printf("commands by wParam (valid ids):\n");
    long invalid = 0;
    for (const auto& [wParam, count] : soak.commandCounts) {
        bool valid = false;
        for (WPARAM id : ALL_IDS) valid = valid || wParam == id;
        if (valid) {
            std::printf("  %4llu %8ld\n", static_cast<unsigned long long>(wParam), count);
        } else {
            invalid += count;
        }
    }
    std::printf("  invalid ids and codes: %ld sends of %zu distinct values\n", invalid,
                soak.commandCounts.size());
    const SoakAnswerFigures& answers = SoakAnswers();
    std::printf("boxes answered: %ld message boxes, %ld file dialogs, %ld colour dialogs, %ld "
                "answered again by the timer\n",
                answers.messageBoxes, answers.fileDialogs, answers.colourDialogs, answers.repeats);
    std::printf("replies:");
    for (int r = 0; r < REPLY_KINDS; ++r) {
        std::printf(" %s %ld%s", SOAK_REPLY_NAMES[r], answers.replies[r],
                    r + 1 < REPLY_KINDS ? "," : "\n");
    }
    auto byKind = [](const std::vector<SoakPath>& paths, const std::vector<long>& picks) {
        std::map<std::string, long> kinds;
        for (size_t i = 0; i < paths.size(); ++i) kinds[paths[i].kind] += picks[i];
        for (const auto& [kind, count] : kinds) std::printf("  %-32s %6ld\n", kind.c_str(), count);
    };
    std::printf("paths typed into the open dialog:\n");
    byKind(files.open, answers.openPicks);
    std::printf("paths typed into the save dialog:\n");
    byKind(files.save, answers.savePicks);
}

long FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return static_cast<long>(data.nFileSizeLow);
}

// ---- the tests ------------------------------------------------------------------------

// The equivalent counts must see objects made and destroyed on purpose. The
// first screen canvas, window and system icon of a process make objects that
// live as long as the process, so each kind is made once before counting.
TEST(GuiObjectCount, SeesBrushesCanvasesAndBitmapsMadeAndDeleted) {
    HDC screen = GetDC(nullptr);
    const long before = LiveGdiObjects();
    std::vector<HBRUSH> brushes;
    for (int i = 0; i < 100; ++i) brushes.push_back(CreateSolidBrush(RGB(i, 2 * i, 255 - i)));
    EXPECT_EQ(LiveGdiObjects(), before + 100);
    for (HBRUSH brush : brushes) DeleteObject(brush);
    EXPECT_EQ(LiveGdiObjects(), before);
    // Memory canvases and bitmaps, as the editor makes them.
    HDC canvas = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 32, 32);
    EXPECT_EQ(LiveGdiObjects(), before + 2);
    DeleteDC(canvas);
    DeleteObject(bitmap);
    EXPECT_EQ(LiveGdiObjects(), before);
    ReleaseDC(nullptr, screen);
}

TEST(GuiObjectCount, SeesWindowsMenusAndIconsMadeAndDestroyed) {
    HICON shared = LoadIconA(nullptr, IDI_ERROR);
    // The thread's first window brings the thread's input-method window with it.
    HWND first = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    Drain();
    const auto started = std::chrono::steady_clock::now();
    const long before = LiveUserObjects();
    std::printf(
        "one USER count: %.0f ms; one GDI count: ",
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started)
            .count());
    const auto gdiStarted = std::chrono::steady_clock::now();
    LiveGdiObjects();
    std::printf("%.0f ms\n", std::chrono::duration<double, std::milli>(
                                 std::chrono::steady_clock::now() - gdiStarted)
                                 .count());
    std::vector<HWND> windows;
    for (int i = 0; i < 20; ++i) {
        windows.push_back(CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        GetModuleHandleA(nullptr), nullptr));
    }
    EXPECT_EQ(LiveUserObjects(), before + 20);
    std::vector<HMENU> menus;
    for (int i = 0; i < 10; ++i) menus.push_back(CreatePopupMenu());
    EXPECT_EQ(LiveUserObjects(), before + 30);
    std::vector<HICON> icons;
    for (int i = 0; i < 10; ++i) icons.push_back(CopyIcon(shared));
    EXPECT_EQ(LiveUserObjects(), before + 40);
    for (HICON icon : icons) DestroyIcon(icon);
    for (HMENU menu : menus) DestroyMenu(menu);
    for (HWND window : windows) DestroyWindow(window);
    Drain();
    EXPECT_EQ(LiveUserObjects(), before);
    DestroyWindow(first);
    Drain();
}

TEST(Soak, RandomUseLeavesNoLeakAndTheDocumentStillSaves) {
    const SoakFiles files = MakeSoakFiles(soakSeed);

    Soak soak;
    soak.window = OpenEditor();
    soak.random.seed(soakSeed);
    ASSERT_NE(soak.window, nullptr);
    RECT client;
    GetClientRect(soak.window, &client);
    soak.width = client.right;
    soak.height = client.bottom;

    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(ReportCrash);
    eventStarted = GetTickCount();
    watching = true;
    std::thread watchdog(Watch);
    StartSoakAnswers(files.open, files.save);

    BeginEvent(-1, "counting objects at the start");
    const GuiCounts start = ReadGuiCounts();
    std::printf("soak: %ld events, seed %llu; GDI %ld (%s), USER %ld (%s) at start\n", soakEvents,
                static_cast<unsigned long long>(soakSeed), start.gdi,
                start.gdiCounted ? "counted in the handle table: GetGuiResources gives 0"
                                 : "GetGuiResources",
                start.user,
                start.userCounted ? "counted in the handle table: GetGuiResources gives 0"
                                  : "GetGuiResources");
    std::fflush(stdout);

    // The warm-up: every command once, then a tenth of the run, so that the
    // system's dialogs have made whatever they keep for the whole process.
    const auto began = std::chrono::steady_clock::now();
    long number = 0;
    MakeLastingSystemObjects();
    for (WPARAM id : ALL_IDS) {
        BeginEvent(number, "warm-up command");
        SeedSoakAnswers(soakSeed + id);
        SendMessageA(soak.window, WM_COMMAND, id, 0);
        Drain();
    }
    // Both dialogs into both folders, an error box of the open dialog and the
    // question before overwriting.
    QueueSoakAnswer(REPLY_PATH, files.folder);
    QueueSoakAnswer(REPLY_PATH, files.saveFolder);
    QueueSoakAnswer(REPLY_PATH, files.folder + "\\missing.ico");
    QueueSoakAnswer(REPLY_OK);
    QueueSoakAnswer(REPLY_CANCEL);
    QueueSoakAnswer(REPLY_OK);
    BeginEvent(number, "warm-up open");
    SendMessageA(soak.window, WM_COMMAND, ID_OPEN, 0);
    Drain();
    QueueSoakAnswer(REPLY_PATH, files.folder);
    QueueSoakAnswer(REPLY_PATH, files.saveFolder);
    QueueSoakAnswer(REPLY_PATH, files.existingSave);
    QueueSoakAnswer(REPLY_YES);
    QueueSoakAnswer(REPLY_OK);
    BeginEvent(number, "warm-up save");
    SendMessageA(soak.window, WM_COMMAND, ID_SAVE, 0);
    Drain();
    if (traceGdi) {
        tracedGdi = GdiKinds();
        tracedUser = UserKinds();
    }
    const long warmUp = std::max(200L, soakEvents / 10);
    for (; number < warmUp && number < soakEvents; ++number) RunEvent(soak, number);
    std::vector<Checkpoint> checkpoints{Measure(number, began)};
    const long step = std::max(1L, (soakEvents - number) / CHECKPOINTS);
    for (; number < soakEvents; ++number) {
        RunEvent(soak, number);
        if ((number + 1 - warmUp) % step == 0 || number + 1 == soakEvents) {
            checkpoints.push_back(Measure(number + 1, began));
            std::printf("  %ld events, %.0f s\n", number + 1, checkpoints.back().seconds);
            std::fflush(stdout);
        }
    }
    StopSoakAnswers();
    BeginEvent(number, "measuring after the run");
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();

    std::printf("soak done: %ld events in %.1f s (%.0f events/s)\n", soakEvents, seconds,
                soakEvents / seconds);
    PrintCounts(soak, files);
    std::printf("GDI and USER objects and memory, from the end of the warm-up:\n");
    PrintTable(checkpoints);
    std::fflush(stdout);

    ASSERT_TRUE(IsWindow(soak.window));
    EXPECT_EQ(soak.targetLeftOff, 0) << "events after which the drawing target was left off "
                                        "the client area";
    const Checkpoint& warm = checkpoints.front();
    const Checkpoint& last = checkpoints.back();
    EXPECT_LE(last.gui.gdi, warm.gui.gdi) << "GDI objects grew after the warm-up";
    EXPECT_LE(last.gui.user, warm.gui.user) << "USER objects grew after the warm-up";

    // The document as it is now goes through the real save dialog to a fresh path.
    BeginEvent(number, "final save");
    const std::string finalPath = files.folder + "\\final.ico";
    {
        BoxAnswerer answerer({{Reply::FileName, finalPath}});
        SendMessageA(soak.window, WM_COMMAND, ID_SAVE, 0);
        Pump();
        const auto seen = answerer.Seen();
        ASSERT_EQ(seen.size(), 1u)
            << "a box besides the save dialog: " << seen.back().caption << " " << seen.back().text;
    }
    EXPECT_EQ(WindowTitle(soak.window), finalPath);
    EXPECT_EQ(FileSize(finalPath), 766);
    Palette readPalette{};
    PixelGrid readGrid{};
    ASSERT_EQ(ReadIconImage(finalPath.c_str(), readPalette, readGrid, 1), 0);
    EXPECT_EQ(readGrid, pixelGrid);
    EXPECT_EQ(readPalette, palette);

    watching = false;
    watchdog.join();
    SetUnhandledExceptionFilter(nullptr);
    CloseEditor(soak.window);
    RemoveSoakFiles(files);
}

// A figure from --name=value on the command line, else from the environment.
bool Setting(int argc, char** argv, const char* flag, const char* variable,
             unsigned long long& out) {
    const std::string prefix = std::string("--") + flag + "=";
    const char* text = std::getenv(variable);
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], prefix.c_str(), prefix.size()) == 0)
            text = argv[i] + prefix.size();
    }
    if (text == nullptr || *text == '\0') return true;
    char* end = nullptr;
    out = std::strtoull(text, &end, 10);
    return *end == '\0';
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    unsigned long long events = DEFAULT_EVENTS;
    unsigned long long seed = DEFAULT_SEED;
    if (!Setting(argc, argv, "events", "PRICKVERKET_SOAK_EVENTS", events) ||
        !Setting(argc, argv, "seed", "PRICKVERKET_SOAK_SEED", seed) || events == 0) {
        std::fprintf(stderr, "usage: app_soak_test [--events=N] [--seed=S]\n");
        return 2;
    }
    soakEvents = static_cast<long>(events);
    soakSeed = seed;
    const char* trace = std::getenv("PRICKVERKET_SOAK_TRACE");
    traceGdi = trace != nullptr && std::strcmp(trace, "1") == 0;
    if (const char* hang = std::getenv("PRICKVERKET_SOAK_HANG_MS")) {
        hangMs = static_cast<DWORD>(std::strtoul(hang, nullptr, 10));
    }
    return RUN_ALL_TESTS();
}
