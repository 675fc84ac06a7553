#include "bench/app/answer_boxes.h"

#include "tests/support/dialog_input.h"

namespace {

constexpr int MAX_REMEMBERED = 64;

HHOOK answerHook = nullptr;
char answerPath[MAX_PATH];
// The boxes of the current command; re-activation must not answer twice.
HWND answered[MAX_REMEMBERED];
int rememberedCount = 0;
int answeredCount = 0;
HWND fileDialog = nullptr;
LONGLONG fileDialogClosed = 0;

bool AlreadyAnswered(HWND box) {
    for (int i = 0; i < rememberedCount; ++i)
        if (answered[i] == box) return true;
    return false;
}

// Activation comes after the dialog has built its controls and before its
// modal loop reads the queue, so the posted OK is the loop's first command.
LRESULT CALLBACK AnswerOnActivate(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        if (IsDialogBox(box) && !AlreadyAnswered(box)) {
            if (rememberedCount < MAX_REMEMBERED) answered[rememberedCount++] = box;
            ++answeredCount;
            if (answerPath[0] != '\0' && TypeFileName(box, answerPath)) fileDialog = box;
            PostCommand(box, IDOK);
        }
    } else if (code == HCBT_DESTROYWND && reinterpret_cast<HWND>(wParam) == fileDialog) {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        fileDialogClosed = now.QuadPart;
        fileDialog = nullptr;
    }
    return CallNextHookEx(answerHook, code, wParam, lParam);
}

} // namespace

void StartAnsweringBoxes(const char* filePath) {
    lstrcpynA(answerPath, filePath, MAX_PATH);
    answeredCount = 0;
    rememberedCount = 0;
    if (answerHook == nullptr)
        answerHook = SetWindowsHookExA(WH_CBT, AnswerOnActivate, nullptr, GetCurrentThreadId());
}

void StopAnsweringBoxes() {
    if (answerHook != nullptr) UnhookWindowsHookEx(answerHook);
    answerHook = nullptr;
}

void ForgetAnsweredBoxes() {
    rememberedCount = 0;
    fileDialog = nullptr;
    fileDialogClosed = 0;
}

LONGLONG FileDialogClosedTicks() {
    return fileDialogClosed;
}

int AnsweredCount() {
    return answeredCount;
}
