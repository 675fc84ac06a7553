// Answering, at random but reproducibly, every message box and dialog that the
// editor's thread shows: from a CBT hook inside the box's own modal loop, and
// from a thread timer that answers again a box still open a while after its
// answer (a file dialog that went into a folder, a box that ignored Escape).
#pragma once

#include "tests/app/soak_files.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The replies given, counted by kind, for the figures printed after a run.
enum SoakReply {
    REPLY_OK,
    REPLY_CANCEL,
    REPLY_ESCAPE,
    REPLY_ENTER,
    REPLY_CLOSE_BOX,
    REPLY_YES,
    REPLY_NO,
    REPLY_PATH,   // a path typed into a file dialog's name box, then OK
    REPLY_COLOUR, // a colour typed into the colour dialog, then OK
    REPLY_KINDS
};
extern const char* const SOAK_REPLY_NAMES[REPLY_KINDS];

struct SoakAnswerFigures {
    long replies[REPLY_KINDS];
    long messageBoxes;  // activations of message boxes answered
    long fileDialogs;   // activations of file dialogs answered
    long colourDialogs; // activations of the colour dialog answered
    long repeats;       // answers given again by the timer
    // How often each path of the open and of the save list was typed.
    std::vector<long> openPicks;
    std::vector<long> savePicks;
};

// Starts answering on the calling thread. The open dialog is given paths from
// openPaths, the save dialog from savePaths: first a kind of path, each kind
// equally often, then a path of that kind. Both must outlive the answering.
void StartSoakAnswers(const std::vector<SoakPath>& openPaths,
                      const std::vector<SoakPath>& savePaths);
void StopSoakAnswers();
// Replies given, in order, before any random one: a path for REPLY_PATH, else
// the reply itself. The warm-up uses them to go where the random stream may not yet have gone.
void QueueSoakAnswer(SoakReply reply, const std::string& path = "");
// Reseeds the replies; called before each event, so that an event's replies
// depend on the seed and the event's number only.
void SeedSoakAnswers(std::uint64_t seed);
const SoakAnswerFigures& SoakAnswers();
// The replies given since the last SeedSoakAnswers, for the watchdog's report.
std::string EventAnswers();
