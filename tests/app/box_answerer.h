// Answers the message boxes and dialogs that the editor opens on its thread,
// from a watcher thread, the way a user would, and records what they showed.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

enum class Reply {
    Ok,       // the OK button
    Cancel,   // the Cancel button
    Escape,   // the Escape key
    Enter,    // the Enter key: the default button
    CloseBox, // the close box of the title bar
    FileName, // types the path into the file dialog's name box, then OK
};

struct Answer {
    Reply reply;
    std::string path; // for Reply::FileName
};

struct SeenBox {
    std::string caption;
    std::string text; // the message of a message box
};

// Give each box of a command its answer, in order; a box beyond the script is
// cancelled and recorded, so a test never hangs on it.
struct BoxAnswerer {
    explicit BoxAnswerer(std::vector<Answer> script);
    ~BoxAnswerer();
    // The boxes seen so far, in order.
    std::vector<SeenBox> Seen();

  private:
    void Watch();
    std::vector<Answer> script_;
    std::vector<SeenBox> seen_;
    std::mutex mutex_;
    std::atomic<bool> stop_{false};
    DWORD ownerThread_;
    std::thread watcher_;
};
