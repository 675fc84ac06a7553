#include "tests/app/box_answerer.h"

#include <chrono>
#include <set>

namespace {

constexpr int MESSAGE_TEXT_ID = 0xFFFF; // the static text of a message box
constexpr int FILE_NAME_BOX_ID = 1148;  // cmb13 of the Explorer-style file dialogs

struct Found {
    DWORD thread;
    HWND dialog;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM data) {
    auto* found = reinterpret_cast<Found*>(data);
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770" && IsWindowVisible(window)) {
        found->dialog = window;
        return FALSE;
    }
    return TRUE;
}

std::string TextOf(HWND window) {
    char text[1024] = "";
    // The dialog's thread runs a modal loop, so a sent message is answered.
    DWORD_PTR unused = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_BLOCK,
                        2000, &unused);
    return text;
}

void Press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// A key goes to a control of the dialog; the dialog's own loop translates it.
void Key(HWND dialog, WPARAM key) {
    HWND target = GetDlgItem(dialog, IDCANCEL);
    if (target == nullptr) target = GetDlgItem(dialog, IDOK);
    if (target == nullptr) target = dialog;
    PostMessageA(target, WM_KEYDOWN, key, 0);
    PostMessageA(target, WM_KEYUP, key, 0xC0000000);
}

void Give(HWND dialog, const Answer& answer) {
    switch (answer.reply) {
    case Reply::Ok:
        Press(dialog, IDOK);
        break;
    case Reply::Cancel:
        Press(dialog, IDCANCEL);
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
        DWORD_PTR unused = 0;
        SendMessageTimeoutA(GetDlgItem(dialog, FILE_NAME_BOX_ID), WM_SETTEXT, 0,
                            reinterpret_cast<LPARAM>(answer.path.c_str()), SMTO_BLOCK, 2000,
                            &unused);
        Press(dialog, IDOK);
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
        Found found = {ownerThread_, nullptr};
        EnumThreadWindows(ownerThread_, FindDialog, reinterpret_cast<LPARAM>(&found));
        if (found.dialog == nullptr || answered.count(found.dialog) != 0) {
            Sleep(10);
            continue;
        }
        // Lets the dialog finish setting itself up before it is answered.
        Sleep(150);
        SeenBox box;
        box.caption = TextOf(found.dialog);
        HWND message = GetDlgItem(found.dialog, MESSAGE_TEXT_ID);
        if (message != nullptr) box.text = TextOf(message);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            seen_.push_back(box);
        }
        answered.insert(found.dialog);
        if (next < script_.size()) {
            Give(found.dialog, script_[next++]);
        } else {
            Give(found.dialog, Answer{Reply::Cancel, ""});
        }
    }
}
