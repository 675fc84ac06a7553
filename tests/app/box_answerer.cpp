#include "tests/app/box_answerer.h"

#include "tests/support/dialog_input.h"

#include <set>

namespace {

constexpr int MESSAGE_TEXT_ID = 0xFFFF; // the static text of a message box

std::string TextOf(HWND window) {
    char text[1024] = "";
    // The dialog's thread runs a modal loop, so a sent message is answered.
    DWORD_PTR unused = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_BLOCK,
                        2000, &unused);
    return text;
}

// A key goes to a control of the dialog; the dialog's own loop translates it.
void Key(HWND dialog, WPARAM key) {
    HWND target = GetDlgItem(dialog, IDCANCEL);
    if (target == nullptr) target = GetDlgItem(dialog, IDOK);
    if (target == nullptr) target = dialog;
    PostKeyPress(target, key);
}

void Give(HWND dialog, const Answer& answer) {
    switch (answer.reply) {
    case Reply::Ok:
        PostCommand(dialog, IDOK);
        break;
    case Reply::Cancel:
        PostCommand(dialog, IDCANCEL);
        break;
    case Reply::Escape:
        Key(dialog, VK_ESCAPE);
        break;
    case Reply::Enter:
        Key(dialog, VK_RETURN);
        break;
    case Reply::CloseBox:
        PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case Reply::FileName: {
        TypeFileName(dialog, answer.path.c_str());
        PostCommand(dialog, IDOK);
        break;
    }
    }
}

} // namespace

BoxAnswerer::BoxAnswerer(std::vector<Answer> script)
    : script_(std::move(script)), ownerThread_(GetCurrentThreadId()),
      watcher_([this] { Watch(); }) {}

BoxAnswerer::~BoxAnswerer() {
    stop_ = true;
    watcher_.join();
}

std::vector<SeenBox> BoxAnswerer::Seen() {
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
}

void BoxAnswerer::Watch() {
    std::set<HWND> answered;
    size_t next = 0;
    while (!stop_) {
        HWND dialog = FindShownDialog(ownerThread_);
        if (dialog == nullptr || answered.count(dialog) != 0) {
            Sleep(10);
            continue;
        }
        // Lets the dialog finish setting itself up before it is answered.
        Sleep(150);
        SeenBox box;
        box.caption = TextOf(dialog);
        HWND message = GetDlgItem(dialog, MESSAGE_TEXT_ID);
        if (message != nullptr) box.text = TextOf(message);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            seen_.push_back(box);
        }
        answered.insert(dialog);
        if (next < script_.size()) {
            Give(dialog, script_[next++]);
        } else {
            Give(dialog, Answer{Reply::Cancel, ""});
        }
    }
}
