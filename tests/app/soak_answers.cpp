#include "tests/app/soak_answers.h"

#include "tests/support/dialog_input.h"

#include <cstdio>
#include <deque>
#include <mutex>
#include <random>

const char* const SOAK_REPLY_NAMES[REPLY_KINDS] = {"OK",  "Cancel", "Escape", "Enter", "close box",
                                                   "Yes", "No",     "path",   "colour"};

namespace {

constexpr int MESSAGE_TEXT_ID = 0xFFFF; // the static text of a message box
// The colour dialog's edit boxes of red, green and blue.
constexpr int COLOUR_EDITS[3] = {706, 707, 708};
constexpr UINT REPEAT_AFTER_MS = 600;
constexpr int FORCE_AFTER_REPEATS = 3;

HHOOK answerHook = nullptr;
UINT_PTR answerTimer = 0;
DWORD answerThread = 0;
std::mt19937_64 replyRandom;
const std::vector<SoakPath>* openChoices = nullptr;
const std::vector<SoakPath>* saveChoices = nullptr;
// The indices of each list's paths, grouped by kind.
std::vector<std::vector<size_t>> openKinds;
std::vector<std::vector<size_t>> saveKinds;
SoakAnswerFigures figures;
std::deque<std::pair<SoakReply, std::string>> queued;

// The dialog answered last, while no other has been activated since.
HWND pending = nullptr;
DWORD pendingSince = 0;
int pendingRepeats = 0;

// The replies given since the last reseed. Written on the editor's thread, read by the watchdog's.
std::mutex lastMutex;
std::string lastAnswer;

int Pick(int n) {
    return static_cast<int>(replyRandom() % static_cast<std::uint64_t>(n));
}

std::string Caption(HWND dialog) {
    char text[256] = "";
    GetWindowTextA(dialog, text, sizeof text);
    return text;
}

void Remember(HWND dialog, SoakReply reply, const std::string& detail) {
    ++figures.replies[reply];
    std::lock_guard<std::mutex> lock(lastMutex);
    if (!lastAnswer.empty()) lastAnswer += "; ";
    lastAnswer += "\"" + Caption(dialog) + "\" <- " + SOAK_REPLY_NAMES[reply];
    if (!detail.empty()) lastAnswer += " " + detail;
}

// A key goes to a control of the dialog; the dialog's own loop translates it.
void Key(HWND dialog, WPARAM key) {
    HWND target = GetDlgItem(dialog, IDCANCEL);
    if (target == nullptr) target = GetDlgItem(dialog, IDOK);
    if (target == nullptr) target = dialog;
    PostKeyPress(target, key);
}

void GiveCommon(HWND dialog, SoakReply reply) {
    switch (reply) {
    case REPLY_OK:
        PostCommand(dialog, IDOK);
        break;
    case REPLY_CANCEL:
        PostCommand(dialog, IDCANCEL);
        break;
    case REPLY_ESCAPE:
        Key(dialog, VK_ESCAPE);
        break;
    case REPLY_ENTER:
        Key(dialog, VK_RETURN);
        break;
    case REPLY_CLOSE_BOX:
        PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case REPLY_YES:
        PostClick(dialog, IDYES);
        break;
    case REPLY_NO:
        PostClick(dialog, IDNO);
        break;
    default:
        break;
    }
    Remember(dialog, reply, "");
}

void AnswerFileDialog(HWND dialog) {
    ++figures.fileDialogs;
    const bool saving = Caption(dialog).rfind("Spara", 0) == 0;
    const std::vector<SoakPath>* choices = saving ? saveChoices : openChoices;
    const std::vector<std::vector<size_t>>& kinds = saving ? saveKinds : openKinds;
    const int roll = Pick(10);
    if (roll < 8 && choices != nullptr && !kinds.empty()) {
        const std::vector<size_t>& kind =
            kinds[static_cast<size_t>(Pick(static_cast<int>(kinds.size())))];
        const size_t pick = kind[static_cast<size_t>(Pick(static_cast<int>(kind.size())))];
        ++(saving ? figures.savePicks : figures.openPicks)[pick];
        const std::string& path = (*choices)[pick].path;
        TypeFileName(dialog, path.c_str());
        PostCommand(dialog, IDOK);
        Remember(dialog, REPLY_PATH, path);
        return;
    }
    // Enter takes whatever name the box offers: the previous choice.
    constexpr SoakReply others[] = {REPLY_CANCEL, REPLY_ESCAPE, REPLY_CLOSE_BOX, REPLY_ENTER};
    GiveCommon(dialog, others[Pick(4)]);
}

void AnswerColourDialog(HWND dialog) {
    ++figures.colourDialogs;
    if (Pick(3) == 0) {
        char detail[32];
        int rgb[3];
        for (int i = 0; i < 3; ++i) {
            rgb[i] = Pick(256);
            SetDlgItemInt(dialog, COLOUR_EDITS[i], static_cast<UINT>(rgb[i]), FALSE);
        }
        std::snprintf(detail, sizeof detail, "%d,%d,%d", rgb[0], rgb[1], rgb[2]);
        PostCommand(dialog, IDOK);
        Remember(dialog, REPLY_COLOUR, detail);
        return;
    }
    constexpr SoakReply replies[] = {REPLY_OK, REPLY_CANCEL, REPLY_ESCAPE, REPLY_ENTER,
                                     REPLY_CLOSE_BOX};
    GiveCommon(dialog, replies[Pick(5)]);
}

void AnswerMessageBox(HWND dialog) {
    ++figures.messageBoxes;
    if (GetDlgItem(dialog, IDYES) != nullptr) {
        // Escape and the close box do nothing to a Yes/No box: the timer answers again.
        constexpr SoakReply replies[] = {REPLY_YES, REPLY_NO, REPLY_ENTER, REPLY_ESCAPE,
                                         REPLY_CLOSE_BOX};
        GiveCommon(dialog, replies[Pick(5)]);
        return;
    }
    constexpr SoakReply replies[] = {REPLY_OK, REPLY_CANCEL, REPLY_ESCAPE, REPLY_ENTER,
                                     REPLY_CLOSE_BOX};
    GiveCommon(dialog, replies[Pick(5)]);
}

void Answer(HWND dialog) {
    if (pending != dialog) pendingRepeats = 0;
    pending = dialog;
    pendingSince = GetTickCount();
    if (!queued.empty()) {
        const auto [reply, path] = queued.front();
        queued.pop_front();
        if (reply == REPLY_PATH) {
            TypeFileName(dialog, path.c_str());
            PostCommand(dialog, IDOK);
            Remember(dialog, REPLY_PATH, path);
        } else {
            GiveCommon(dialog, reply);
        }
        return;
    }
    if (GetDlgItem(dialog, FILE_NAME_BOX) != nullptr) {
        AnswerFileDialog(dialog);
    } else if (GetDlgItem(dialog, COLOUR_EDITS[0]) != nullptr) {
        AnswerColourDialog(dialog);
    } else if (GetDlgItem(dialog, MESSAGE_TEXT_ID) != nullptr) {
        AnswerMessageBox(dialog);
    } else {
        // A dialog of the system's own that this soak does not know: leave it.
        GiveCommon(dialog, REPLY_CANCEL);
    }
}

// Activation comes after the dialog has built its controls and before its
// modal loop reads the queue, so the posted reply is the loop's first input.
// A dialog activated again after a box of its own closed is answered again.
LRESULT CALLBACK AnswerOnActivate(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (IsDialogBox(window) && window != pending) Answer(window);
    } else if (code == HCBT_DESTROYWND && reinterpret_cast<HWND>(wParam) == pending) {
        pending = nullptr;
    }
    return CallNextHookEx(answerHook, code, wParam, lParam);
}

BOOL CALLBACK FindEnabled(HWND window, LPARAM found) {
    if (IsDialogBox(window) && IsWindowVisible(window) && IsWindowEnabled(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// The dialog that takes input now: a file dialog under a box of its own is disabled.
HWND FindAnswerableDialog() {
    HWND dialog = nullptr;
    EnumThreadWindows(answerThread, FindEnabled, reinterpret_cast<LPARAM>(&dialog));
    return dialog;
}

// Runs inside the modal loops too: they dispatch thread timers.
void CALLBACK AnswerAgain(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindAnswerableDialog();
    if (dialog == nullptr) return;
    if (dialog != pending) {
        Answer(dialog);
        return;
    }
    if (GetTickCount() - pendingSince < REPEAT_AFTER_MS) return;
    ++figures.repeats;
    if (++pendingRepeats < FORCE_AFTER_REPEATS) {
        Answer(dialog);
        return;
    }
    // Still open after several tries: the button that surely closes it.
    pendingSince = GetTickCount();
    if (GetDlgItem(dialog, IDNO) != nullptr) {
        GiveCommon(dialog, REPLY_NO);
    } else {
        GiveCommon(dialog, REPLY_CANCEL);
    }
}

std::vector<std::vector<size_t>> GroupByKind(const std::vector<SoakPath>& paths) {
    std::vector<std::string> names;
    std::vector<std::vector<size_t>> groups;
    for (size_t i = 0; i < paths.size(); ++i) {
        size_t g = 0;
        while (g < names.size() && names[g] != paths[i].kind) ++g;
        if (g == names.size()) {
            names.push_back(paths[i].kind);
            groups.emplace_back();
        }
        groups[g].push_back(i);
    }
    return groups;
}

} // namespace

void StartSoakAnswers(const std::vector<SoakPath>& openPaths,
                      const std::vector<SoakPath>& savePaths) {
    openChoices = &openPaths;
    saveChoices = &savePaths;
    openKinds = GroupByKind(openPaths);
    saveKinds = GroupByKind(savePaths);
    figures = {};
    queued.clear();
    figures.openPicks.assign(openPaths.size(), 0);
    figures.savePicks.assign(savePaths.size(), 0);
    pending = nullptr;
    answerThread = GetCurrentThreadId();
    answerHook = SetWindowsHookExA(WH_CBT, AnswerOnActivate, nullptr, answerThread);
    answerTimer = SetTimer(nullptr, 0, 100, AnswerAgain);
}

void StopSoakAnswers() {
    if (answerHook != nullptr) UnhookWindowsHookEx(answerHook);
    if (answerTimer != 0) KillTimer(nullptr, answerTimer);
    answerHook = nullptr;
    answerTimer = 0;
}

void QueueSoakAnswer(SoakReply reply, const std::string& path) {
    queued.emplace_back(reply, path);
}

void SeedSoakAnswers(std::uint64_t seed) {
    replyRandom.seed(seed);
    std::lock_guard<std::mutex> lock(lastMutex);
    lastAnswer.clear();
}

const SoakAnswerFigures& SoakAnswers() {
    return figures;
}

std::string EventAnswers() {
    std::lock_guard<std::mutex> lock(lastMutex);
    return lastAnswer;
}
