#include "tests/app/hook_answerer.h"

#include "tests/support/dialog_input.h"

#include <algorithm>

namespace {

constexpr int MESSAGE_TEXT_ID = 0xFFFF; // the static text of a message box
// How often an answered file dialog is looked at until it is gone.
constexpr UINT WATCH_MS = 100;

HHOOK hook = nullptr;
std::vector<HookAnswer> script;
size_t nextAnswer = 0;
std::vector<ShownBox> seen;
std::vector<HWND> answered; // re-activation must not answer a box twice
HWND fileDialog = nullptr;  // the file dialog answered last, while it lives
size_t fileDialogSeen = 0;  // its place in seen
UINT_PTR watchTimer = 0;

std::string TextOf(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

void StopWatching() {
    if (watchTimer != 0) KillTimer(nullptr, watchTimer);
    watchTimer = 0;
    fileDialog = nullptr;
}

// Runs from whichever modal loop is current. The OK posted to the file dialog
// has been handled by then; a dialog that closed is gone, and one that shows a
// question of its own is disabled until that is answered.
void CALLBACK WatchFileDialog(HWND, UINT, UINT_PTR, DWORD) {
    if (fileDialog == nullptr || !IsWindow(fileDialog)) {
        StopWatching();
        return;
    }
    if (!IsWindowEnabled(fileDialog) || !IsWindowVisible(fileDialog)) return;
    seen[fileDialogSeen].stayedOpen = true;
    PostCommand(fileDialog, IDCANCEL);
    StopWatching();
}

int ReplyId(HookReply reply) {
    switch (reply) {
    case HookReply::Yes:
        return IDYES;
    case HookReply::No:
        return IDNO;
    case HookReply::Cancel:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

// Activation comes after the box has built its controls and before its modal
// loop reads the queue, so the posted answer is the loop's first command.
LRESULT CALLBACK AnswerOnActivate(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        if (IsDialogBox(box) &&
            std::find(answered.begin(), answered.end(), box) == answered.end()) {
            answered.push_back(box);
            const bool isFileDialog = GetDlgItem(box, FILE_NAME_BOX) != nullptr;
            HWND message = GetDlgItem(box, MESSAGE_TEXT_ID);
            seen.push_back(
                {TextOf(box), message != nullptr ? TextOf(message) : "", isFileDialog, false});
            const HookAnswer answer = nextAnswer < script.size()
                                          ? script[nextAnswer++]
                                          : HookAnswer{HookReply::Cancel, ""};
            if (answer.reply == HookReply::FileName && isFileDialog) {
                TypeFileName(box, answer.path.c_str());
                StopWatching();
                fileDialog = box;
                fileDialogSeen = seen.size() - 1;
                watchTimer = SetTimer(nullptr, 0, WATCH_MS, WatchFileDialog);
            }
            PostCommand(box, ReplyId(answer.reply));
        }
    } else if (code == HCBT_DESTROYWND) {
        HWND gone = reinterpret_cast<HWND>(wParam);
        if (gone == fileDialog) StopWatching();
        // A closed box's handle may come back for a new one.
        answered.erase(std::remove(answered.begin(), answered.end(), gone), answered.end());
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

} // namespace

void StartHookAnswers(std::vector<HookAnswer> answers) {
    script = std::move(answers);
    nextAnswer = 0;
    seen.clear();
    answered.clear();
    StopWatching();
    if (hook == nullptr)
        hook = SetWindowsHookExA(WH_CBT, AnswerOnActivate, nullptr, GetCurrentThreadId());
}

std::vector<ShownBox> StopHookAnswers() {
    if (hook != nullptr) UnhookWindowsHookEx(hook);
    hook = nullptr;
    StopWatching();
    return seen;
}
