// The Explorer-style open and save dialogs; the choice is left in program-wide buffers.
#include "toolkit/window/dialogs.h"
#include "toolkit/window/file_filters.h"

#include <commdlg.h>

#include <cstring>

char openPath[PATH_CHARS];
char openFileTitle[FILE_TITLE_CHARS];
char savePath[PATH_CHARS];
char saveFileTitle[FILE_TITLE_CHARS];

namespace {

// Each dialog keeps its record for the whole run and never clears it, so a filter
// keyword that names no list leaves the previous call's filter in place.
OPENFILENAMEA openRecord;
OPENFILENAMEA saveRecord;

void ChooseFilter(OPENFILENAMEA& record, const char* filterKeyword, const char* ownFilter) {
    if (std::strcmp(filterKeyword, "OWN_FILTER") == 0) {
        // The caller's text is referred to, not copied: it must outlive later calls.
        record.lpstrFilter = ownFilter;
        return;
    }
    if (const char* builtIn = rk_FileFilter_1(filterKeyword)) record.lpstrFilter = builtIn;
}

void FillRecord(OPENFILENAMEA& record, HWND owner, const char* title, const char* filterKeyword,
                const char* ownFilter, char* path, char* fileTitle, DWORD flags) {
    // The record without its later fields: the size that GetOpenFileNameA accepts for it.
    record.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    record.hwndOwner = owner;
    ChooseFilter(record, filterKeyword, ownFilter);
    record.nFilterIndex = 1;
    // The buffer is not cleared: what it holds is offered as the initial file name.
    record.lpstrFile = path;
    record.nMaxFile = PATH_CHARS;
    record.lpstrFileTitle = fileTitle;
    record.nMaxFileTitle = FILE_TITLE_CHARS;
    record.lpstrInitialDir = nullptr;
    record.lpstrTitle = title;
    record.Flags = flags;
}

void SetCaptionFromChoice(HWND owner, const char* titleKeyword, const char* path,
                          const char* fileTitle) {
    if (std::strcmp(titleKeyword, "FILENAME") == 0) SetWindowTextA(owner, fileTitle);
    if (std::strcmp(titleKeyword, "PATH") == 0) SetWindowTextA(owner, path);
}

// Runs the dialog; the path buffer changes only when a file was chosen. A
// dialog that fails may still write into it: when the choice does not fit, the
// size it would need lands in the first two bytes, and a later Open would read
// that as the file's path.
bool RunKeepingPathOnFailure(BOOL(WINAPI* dialog)(LPOPENFILENAMEA), OPENFILENAMEA& record) {
    char kept[PATH_CHARS];
    std::memcpy(kept, record.lpstrFile, sizeof kept);
    if (dialog(&record)) return true;
    std::memcpy(record.lpstrFile, kept, sizeof kept);
    return false;
}

} // namespace

int rk_OpenFileDialog_1(HWND owner, const char* title, const char* titleKeyword,
                        const char* filterKeyword, const char* ownFilter) {
    FillRecord(openRecord, owner, title, filterKeyword, ownFilter, openPath, openFileTitle,
               OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY);
    const int result = RunKeepingPathOnFailure(GetOpenFileNameA, openRecord) ? 0 : 1;
    if (titleKeyword == nullptr) return result;
    // The caption follows the buffers even after a cancellation.
    SetCaptionFromChoice(owner, titleKeyword, openPath, openFileTitle);
    return result;
}

int rk_SaveFileDialog_1(HWND owner, const char* title, const char* titleKeyword,
                        const char* filterKeyword, const char* ownFilter) {
    FillRecord(saveRecord, owner, title, filterKeyword, ownFilter, savePath, saveFileTitle,
               OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    if (!RunKeepingPathOnFailure(GetSaveFileNameA, saveRecord)) return 1;
    if (titleKeyword != nullptr) SetCaptionFromChoice(owner, titleKeyword, savePath, saveFileTitle);
    return 0;
}
