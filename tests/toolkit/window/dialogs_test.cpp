// File and colour dialogs driven through the real dialogs, the filter lists, and string copy.
#include "toolkit/window/dialogs.h"
#include "toolkit/window/file_filters.h"
#include "toolkit/window/window.h"

#include "dialog_watcher.h"
#include "recording_window_proc.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

// Windows stay open until the program ends: under Wine without a window manager,
// destroying a shown window waits about 2 s for the X server to withdraw it.

namespace {

// Control ids of the Explorer-style file dialog and the colour dialog under Wine.
constexpr int FILE_TYPE_LIST = 1136;
constexpr int HELP_BUTTON = 1038;
constexpr int RED_BOX = 706;
constexpr int GREEN_BOX = 707;
constexpr int BLUE_BOX = 708;
constexpr int ADD_CUSTOM_COLOR = 712;
constexpr int DEFINE_CUSTOM_COLORS = 719;

HWND Owner() {
    static HWND owner =
        rk_CreateMainWindow_1(GetModuleHandleA(nullptr), "Dialog tests", 0, 0, 400, 300, "CLO");
    return owner;
}

std::string CaptionOf(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string TempPath(const char* name) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

void MakeFile(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    std::fputs("icon", file);
    std::fclose(file);
}

// The length of a filter list: label and pattern strings up to and including the final NUL.
int FilterLength(const char* filter) {
    int length = 0;
    while (filter[length] != '\0') length += int(std::strlen(filter + length)) + 1;
    return length + 1;
}

std::vector<std::string> FilterLabels(const char* filter) {
    std::vector<std::string> labels;
    for (const char* at = filter; *at != '\0';) {
        labels.push_back(at);
        at += std::strlen(at) + 1;
        at += std::strlen(at) + 1;
    }
    return labels;
}

// What the test saw of a file dialog before it answered it.
struct SeenFileDialog {
    bool seen = false;
    std::string title;
    std::string offeredName;
    std::vector<std::string> fileTypes;
};

BOOL CALLBACK FindNameEdit(HWND control, LPARAM found) {
    char className[16] = {};
    GetClassNameA(control, className, sizeof className);
    if (lstrcmpiA(className, "Edit") == 0 && GetDlgCtrlID(control) == FILE_NAME_BOX) {
        *reinterpret_cast<HWND*>(found) = control;
        return FALSE;
    }
    return TRUE;
}

void LookAtFileDialog(HWND dialog, SeenFileDialog& seen) {
    seen.seen = true;
    seen.title = CaptionOf(dialog);
    HWND nameEdit = nullptr;
    EnumChildWindows(dialog, FindNameEdit, reinterpret_cast<LPARAM>(&nameEdit));
    seen.offeredName = CaptionOf(nameEdit);
    HWND types = GetDlgItem(dialog, FILE_TYPE_LIST);
    const int count = int(SendMessageA(types, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char label[256] = {};
        SendMessageA(types, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(label));
        seen.fileTypes.push_back(label);
    }
}

// The file dialog's answer: a path typed into the name box and OK, or (empty) Cancel.
using FileDialogCall = int (*)(HWND, const char*, const char*, const char*, const char*);

int RunFileDialog(FileDialogCall call, const char* title, const char* titleKeyword,
                  const char* filterKeyword, const char* ownFilter, const std::string& typed,
                  SeenFileDialog& seen) {
    std::thread watcher = WatchForDialog(GetCurrentThreadId(), [&](HWND dialog) {
        LookAtFileDialog(dialog, seen);
        if (typed.empty()) {
            PostCommand(dialog, IDCANCEL);
            return;
        }
        TypeFileName(dialog, typed.c_str());
        PostCommand(dialog, IDOK);
    });
    const int result = call(Owner(), title, titleKeyword, filterKeyword, ownFilter);
    watcher.join();
    return result;
}

TEST(FileFilters, BuiltInListsHaveTheirPairsAndByteLengths) {
    ASSERT_NE(rk_FileFilter_1("NONE_FILTER"), nullptr);
    ASSERT_NE(rk_FileFilter_1("TXT_FILTER"), nullptr);
    ASSERT_NE(rk_FileFilter_1("ALL_FILTER"), nullptr);
    ASSERT_NE(rk_FileFilter_1("C_DEV_FILTER"), nullptr);
    EXPECT_EQ(FilterLength(rk_FileFilter_1("NONE_FILTER")), 22);
    EXPECT_EQ(FilterLength(rk_FileFilter_1("TXT_FILTER")), 47);
    EXPECT_EQ(FilterLength(rk_FileFilter_1("ALL_FILTER")), 405);
    EXPECT_EQ(FilterLength(rk_FileFilter_1("C_DEV_FILTER")), 109);
    EXPECT_EQ(std::memcmp(rk_FileFilter_1("NONE_FILTER"), "Alla filer (*.*)\0*.*\0", 22), 0);
    EXPECT_EQ(std::memcmp(rk_FileFilter_1("C_DEV_FILTER"),
                          "Programkod (*.c,*.cpp,*.h)\0*.CPP;*.C;*.H\0"
                          "Resursfiler (*.rc,*.res,*.rh)\0*.RC;*.RES;*.RH\0"
                          "Alla filer (*.*)\0*.*\0",
                          109),
              0);
    const std::vector<std::string> all = FilterLabels(rk_FileFilter_1("ALL_FILTER"));
    ASSERT_EQ(all.size(), 14u);
    EXPECT_EQ(all[0], "Text filer (*.txt)");
    EXPECT_EQ(all[7], "World 6.0/95-dokument (*.doc)");
    EXPECT_EQ(all[11], "Lotus 1-2-3 dokument(*.wk1)");
    EXPECT_EQ(all[13], "Alla filer (*.*)");
}

TEST(FileFilters, OwnFilterAndUnknownKeywordsNameNoBuiltInList) {
    for (const char* keyword : {"OWN_FILTER", "txt_filter", "", "NONE"}) {
        SCOPED_TRACE(keyword);
        EXPECT_EQ(rk_FileFilter_1(keyword), nullptr);
    }
}

// Every open-dialog case runs in this one test, in order, because the dialog's record and
// openPath carry over from call to call.
TEST(OpenFileDialog, ChoosingCancellingCaptionsAndFilters) {
    ASSERT_NE(Owner(), nullptr);
    const std::string chosen = TempPath("prickverket open test.ico");
    MakeFile(chosen);
    rk_SetTitle_1(Owner(), "Prickverket");

    // An unknown filter keyword on the very first call: no file-type list.
    SeenFileDialog first;
    EXPECT_EQ(RunFileDialog(rk_OpenFileDialog_1, "\xD6ppna ikon...", "NONE", "no filter", nullptr,
                            "", first),
              1);
    ASSERT_TRUE(first.seen);
    EXPECT_EQ(first.title, "\xD6ppna ikon...");
    EXPECT_TRUE(first.fileTypes.empty());
    EXPECT_EQ(first.offeredName, "");
    EXPECT_STREQ(openPath, "");
    EXPECT_EQ(CaptionOf(Owner()), "Prickverket");

    // "PATH" sets the caption even on a cancel: before any choice it becomes empty.
    SeenFileDialog second;
    EXPECT_EQ(RunFileDialog(rk_OpenFileDialog_1, "\xD6ppna ikon...", "PATH", "TXT_FILTER", nullptr,
                            "", second),
              1);
    EXPECT_EQ(second.fileTypes,
              (std::vector<std::string>{"Text filer (*.txt)", "Alla filer (*.*)"}));
    EXPECT_EQ(CaptionOf(Owner()), "");

    // A typed path with OK; the caller's own filter is shown.
    static char ownFilter[] = "Ikoner (*.ico)\0*.ico\0Mark\xF6rer (*.cur)\0*.cur\0";
    SeenFileDialog third;
    EXPECT_EQ(RunFileDialog(rk_OpenFileDialog_1, "V\xE4lj", "FILENAME", "OWN_FILTER", ownFilter,
                            chosen, third),
              0);
    EXPECT_EQ(third.title, "V\xE4lj");
    EXPECT_EQ(third.fileTypes, (std::vector<std::string>{"Ikoner (*.ico)", "Mark\xF6rer (*.cur)"}));
    EXPECT_EQ(std::string(openPath), chosen);
    EXPECT_STREQ(openFileTitle, "prickverket open test.ico");
    EXPECT_EQ(CaptionOf(Owner()), "prickverket open test.ico");

    // The next dialog offers the previous choice; an unknown keyword keeps the caller's own
    // filter text, by reference: a change to it shows.
    ownFilter[0] = 'B';
    rk_SetTitle_1(Owner(), "Prickverket");
    SeenFileDialog fourth;
    EXPECT_EQ(
        RunFileDialog(rk_OpenFileDialog_1, "\xD6ppna ikon...", "NONE", "OWN", nullptr, "", fourth),
        1);
    EXPECT_NE(fourth.offeredName.find("prickverket open test.ico"), std::string::npos)
        << fourth.offeredName;
    EXPECT_EQ(fourth.fileTypes,
              (std::vector<std::string>{"Bkoner (*.ico)", "Mark\xF6rer (*.cur)"}));
    EXPECT_EQ(std::string(openPath), chosen);
    EXPECT_EQ(CaptionOf(Owner()), "Prickverket");

    // "PATH" on a cancel after a choice shows that earlier path.
    SeenFileDialog fifth;
    EXPECT_EQ(RunFileDialog(rk_OpenFileDialog_1, "\xD6ppna ikon...", "PATH", "ALL_FILTER", nullptr,
                            "", fifth),
              1);
    EXPECT_EQ(fifth.fileTypes.size(), 14u);
    EXPECT_EQ(CaptionOf(Owner()), chosen);

    // A null title keyword leaves the caption alone even after a choice.
    rk_SetTitle_1(Owner(), "Prickverket");
    SeenFileDialog sixth;
    EXPECT_EQ(RunFileDialog(rk_OpenFileDialog_1, "\xD6ppna ikon...", nullptr, "C_DEV_FILTER",
                            nullptr, chosen, sixth),
              0);
    EXPECT_EQ(sixth.fileTypes.size(), 3u);
    EXPECT_EQ(CaptionOf(Owner()), "Prickverket");

    // A file that does not exist is refused; the test then cancels.
    std::thread watcher = WatchForDialog(GetCurrentThreadId(), [](HWND dialog) {
        TypeFileName(dialog, "Z:\\no such folder\\missing.ico");
        PostCommand(dialog, IDOK);
        // The dialog answers with a notice box of its own; close everything until it returns.
        for (int i = 0; i < 10 && IsWindow(dialog); ++i) {
            Sleep(300);
            HWND notice = GetLastActivePopup(dialog);
            if (notice != nullptr && notice != dialog)
                PostCommand(notice, IDOK);
            else
                PostCommand(dialog, IDCANCEL);
        }
    });
    EXPECT_EQ(rk_OpenFileDialog_1(Owner(), "\xD6ppna ikon...", "NONE", "OWN_FILTER", ownFilter), 1);
    watcher.join();
    EXPECT_EQ(std::string(openPath), chosen);

    // A choice longer than the buffer takes is refused, and the buffer keeps
    // the earlier choice: the dialog returns one file with two terminators, so
    // 259 characters do not fit into 260.
    const std::string folder = TempPath(std::string(160, 'd').c_str());
    const std::string tooLong = folder + "\\" + std::string(259 - folder.size() - 5, 'f') + ".ico";
    ASSERT_EQ(tooLong.size(), 259u);
    CreateDirectoryA(folder.c_str(), nullptr);
    MakeFile(tooLong);
    SeenFileDialog seventh;
    EXPECT_EQ(RunFileDialog(rk_OpenFileDialog_1, "\xD6ppna ikon...", "PATH", "OWN_FILTER",
                            ownFilter, tooLong, seventh),
              1);
    EXPECT_EQ(std::string(openPath), chosen);
    EXPECT_EQ(CaptionOf(Owner()), chosen);
    DeleteFileA(tooLong.c_str());
    RemoveDirectoryA(folder.c_str());
    DeleteFileA(chosen.c_str());
}

// Every save-dialog case runs in this one test, in order, for the same reason.
TEST(SaveFileDialog, ChoosingCancellingAndCaptions) {
    ASSERT_NE(Owner(), nullptr);
    rk_SetTitle_1(Owner(), "Prickverket");
    const std::string typed = TempPath("prickverket save test");
    DeleteFileA(typed.c_str());

    // Cancelled with "PATH": the caption stays. The first save dialog starts with an empty
    // name even when the open dialog has been used.
    SeenFileDialog first;
    EXPECT_EQ(RunFileDialog(rk_SaveFileDialog_1, "Spara ikon...", "PATH", "NONE_FILTER", nullptr,
                            "", first),
              1);
    ASSERT_TRUE(first.seen);
    EXPECT_EQ(first.title, "Spara ikon...");
    EXPECT_EQ(first.offeredName, "");
    EXPECT_EQ(first.fileTypes, std::vector<std::string>{"Alla filer (*.*)"});
    EXPECT_STREQ(savePath, "");
    EXPECT_EQ(CaptionOf(Owner()), "Prickverket");

    // A new name without extension comes back as typed; "PATH" shows it.
    SeenFileDialog second;
    EXPECT_EQ(RunFileDialog(rk_SaveFileDialog_1, "Spara ikon...", "PATH", "bogus", nullptr, typed,
                            second),
              0);
    EXPECT_EQ(second.fileTypes, std::vector<std::string>{"Alla filer (*.*)"});
    EXPECT_EQ(std::string(savePath), typed);
    EXPECT_STREQ(saveFileTitle, "prickverket save test");
    EXPECT_EQ(CaptionOf(Owner()), typed);

    // "FILENAME" shows the name alone; a cancel keeps savePath and the caption.
    SeenFileDialog third;
    EXPECT_EQ(RunFileDialog(rk_SaveFileDialog_1, "Spara ikon...", "FILENAME", "TXT_FILTER", nullptr,
                            typed, third),
              0);
    EXPECT_EQ(CaptionOf(Owner()), "prickverket save test");
    SeenFileDialog fourth;
    EXPECT_EQ(RunFileDialog(rk_SaveFileDialog_1, "Spara ikon...", "PATH", "TXT_FILTER", nullptr, "",
                            fourth),
              1);
    EXPECT_EQ(std::string(savePath), typed);
    EXPECT_EQ(CaptionOf(Owner()), "prickverket save test");
    EXPECT_EQ(GetFileAttributesA(typed.c_str()), INVALID_FILE_ATTRIBUTES);

    // An existing file brings the platform's question before it is chosen: No keeps the
    // dialog open (the test then cancels), Yes chooses the file.
    const std::string existing = TempPath("prickverket existing.ico");
    MakeFile(existing);
    for (const int answer : {IDNO, IDYES}) {
        SCOPED_TRACE(answer == IDYES ? "Yes" : "No");
        bool asked = false;
        std::thread watcher = WatchForDialog(GetCurrentThreadId(), [&](HWND dialog) {
            TypeFileName(dialog, existing.c_str());
            PostCommand(dialog, IDOK);
            HWND question = nullptr;
            for (int i = 0; i < 100 && question == nullptr; ++i) {
                Sleep(50);
                HWND popup = GetLastActivePopup(dialog);
                if (popup != dialog && IsWindowVisible(popup)) question = popup;
            }
            if (question == nullptr) return;
            asked = true;
            PostClick(question, answer);
            if (answer == IDNO) {
                Sleep(300);
                PostCommand(dialog, IDCANCEL);
            }
        });
        const int result =
            rk_SaveFileDialog_1(Owner(), "Spara ikon...", nullptr, "NONE_FILTER", nullptr);
        watcher.join();
        EXPECT_TRUE(asked);
        EXPECT_EQ(result, answer == IDYES ? 0 : 1);
        EXPECT_EQ(std::string(savePath), answer == IDYES ? existing : typed);
    }
    DeleteFileA(existing.c_str());
}

// The colour dialog's answer: optionally a colour defined and added to the custom colours,
// then OK; or Cancel.
struct ColorAnswer {
    bool confirm = true;
    bool defineColor = false;
    int red = 0, green = 0, blue = 0;
};

struct SeenColorDialog {
    bool seen = false;
    bool helpShown = false;
};

COLORREF RunColorDialog(const ColorAnswer& answer, SeenColorDialog& seen) {
    std::thread watcher = WatchForDialog(GetCurrentThreadId(), [&](HWND dialog) {
        seen.seen = true;
        seen.helpShown = IsWindowVisible(GetDlgItem(dialog, HELP_BUTTON)) != FALSE;
        if (answer.defineColor) {
            SendMessageA(dialog, WM_COMMAND, DEFINE_CUSTOM_COLORS, 0);
            SetDlgItemInt(dialog, RED_BOX, answer.red, FALSE);
            SetDlgItemInt(dialog, GREEN_BOX, answer.green, FALSE);
            SetDlgItemInt(dialog, BLUE_BOX, answer.blue, FALSE);
            SendMessageA(dialog, WM_COMMAND, ADD_CUSTOM_COLOR, 0);
        }
        PostCommand(dialog, answer.confirm ? IDOK : IDCANCEL);
    });
    const COLORREF result = rk_ChooseColor_1(Owner());
    watcher.join();
    return result;
}

bool HasCustomColor(COLORREF color) {
    for (COLORREF custom : customColors) {
        if (custom == color) return true;
    }
    return false;
}

// In order, since chosenColor and the custom colours carry over from call to call.
TEST(ColorDialog, ConfirmCancelCustomColoursAndTheWhiteStart) {
    ASSERT_NE(Owner(), nullptr);
    EXPECT_EQ(chosenColor, 0u);
    customColors[15] = 0x00123456;

    SeenColorDialog seen;
    EXPECT_EQ(RunColorDialog(ColorAnswer{}, seen), 0x00FFFFFFu);
    ASSERT_TRUE(seen.seen);
    EXPECT_TRUE(seen.helpShown);
    EXPECT_EQ(chosenColor, 0x00FFFFFFu);

    ColorAnswer cancel;
    cancel.confirm = false;
    EXPECT_EQ(RunColorDialog(cancel, seen), 0xFFFFFFFFu);
    EXPECT_EQ(chosenColor, 0x00FFFFFFu);

    ColorAnswer red;
    red.defineColor = true;
    red.red = 255;
    EXPECT_EQ(RunColorDialog(red, seen), 0x000000FFu);
    EXPECT_EQ(chosenColor, 0x000000FFu);
    EXPECT_TRUE(HasCustomColor(0x000000FF));
    EXPECT_EQ(customColors[15], 0x00123456u);

    // Red was chosen, but the next dialog starts at white again; the custom colours stay.
    EXPECT_EQ(RunColorDialog(ColorAnswer{}, seen), 0x00FFFFFFu);
    EXPECT_TRUE(HasCustomColor(0x000000FF));

    ColorAnswer black;
    black.defineColor = true;
    EXPECT_EQ(RunColorDialog(black, seen), 0u);
    EXPECT_EQ(chosenColor, 0u);
    EXPECT_EQ(RunColorDialog(cancel, seen), 0xFFFFFFFFu);
    EXPECT_EQ(chosenColor, 0u);
    // Each dialog adds from the first custom slot on, so black took red's place.
    EXPECT_TRUE(HasCustomColor(0x00000000));
    EXPECT_EQ(customColors[15], 0x00123456u);
}

TEST(CopyString, WholeOrFirstCharacters) {
    char destination[32] = "old content";
    EXPECT_EQ(rk_CopyString_1(destination, "GRID_DOT", 0), destination);
    EXPECT_STREQ(destination, "GRID_DOT");
    EXPECT_STREQ(rk_CopyString_1(destination, "GRID_DOT", 3), "GRI");
    EXPECT_STREQ(rk_CopyString_1(destination, "DOT", 10), "DOT");
    EXPECT_STREQ(rk_CopyString_1(destination, "DOT", 3), "DOT");
    EXPECT_STREQ(rk_CopyString_1(destination, "GRID_DOT", -5), "GRID_DOT");
    EXPECT_STREQ(rk_CopyString_1(destination, "DOT", 1), "D");
    EXPECT_STREQ(rk_CopyString_1(destination, "", 0), "");
    EXPECT_STREQ(rk_CopyString_1(destination, "", 4), "");
    EXPECT_STREQ(rk_CopyString_1(destination, "F\xE4rg", 2), "F\xE4");
}

TEST(CopyString, WritesNothingPastTheCopy) {
    char destination[8];
    std::memset(destination, '#', sizeof destination);
    rk_CopyString_1(destination, "GRID_DOT", 3);
    EXPECT_EQ(std::string(destination, 4), std::string("GRI\0", 4));
    EXPECT_EQ(destination[4], '#');
}

} // namespace
