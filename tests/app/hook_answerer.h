// Answers the editor's message boxes and file dialogs from a hook on its own
// thread, inside their modal loops: no watcher thread polls for them, so a
// command that asks something costs only what its dialogs cost. Each box is
// recorded as it becomes active.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

enum class HookReply {
    Ok,       // IDOK
    Yes,      // IDYES, e.g. the save dialog's question before it replaces a file
    No,       // IDNO
    Cancel,   // IDCANCEL
    FileName, // types the path into the file dialog's name box, then OK
};

struct HookAnswer {
    HookReply reply;
    std::string path; // for HookReply::FileName
};

struct ShownBox {
    std::string caption;
    std::string text; // the message of a message box, empty for a file dialog
    bool fileDialog;  // it had a file-name box
    bool stayedOpen;  // a file dialog still open and idle after its OK, then cancelled
};

// From now on, on this thread, every dialog box that becomes active takes the
// next answer of the script; boxes beyond the script are cancelled. A file
// dialog that is still open, idle and enabled after its OK was handled (it went
// into a folder, say) is cancelled and marked stayedOpen, so nothing hangs.
void StartHookAnswers(std::vector<HookAnswer> script);
// Removes the hook; the boxes seen since the start, in order.
std::vector<ShownBox> StopHookAnswers();
