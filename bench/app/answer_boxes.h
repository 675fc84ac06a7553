// Answering the editor's message boxes and file dialogs from inside its own
// modal loops, so that a command that asks something can be timed as a whole.
#pragma once

#include <windows.h>

// From now on every dialog (class #32770) that becomes active on this thread
// is answered once: a file dialog gets filePath in its file-name box, then
// every dialog gets OK. An empty filePath leaves the file-name box alone.
void StartAnsweringBoxes(const char* filePath);
void StopAnsweringBoxes();
// Call before each command: a closed box's handle may come back for a new one.
void ForgetAnsweredBoxes();
// The performance counter when the last file dialog answered was destroyed,
// 0 if none since ForgetAnsweredBoxes.
LONGLONG FileDialogClosedTicks();
// How many dialogs were answered since StartAnsweringBoxes.
int AnsweredCount();
