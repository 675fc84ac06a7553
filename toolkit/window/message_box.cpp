// Message boxes whose icon, buttons and default button are named by keywords.
#include "toolkit/window/message_box.h"
#include "toolkit/window/message_box_flags.h"

#include <cstring>

namespace {

struct IconRow {
    const char* keyword;
    UINT flag;
};

constexpr IconRow ICONS[] = {
    {"STOP", MB_ICONSTOP},
    {"QUESTION", MB_ICONQUESTION},
    {"EXCLAMATION", MB_ICONEXCLAMATION},
    {"INFORMATION", MB_ICONINFORMATION},
};

// A keyword lists the buttons from left to right; the word in upper case is the default.
struct ButtonSetRow {
    const char* keyword;
    UINT buttonSet;
    UINT defaultButton;
};

constexpr ButtonSetRow BUTTON_SETS[] = {
    {"OK", MB_OK, MB_DEFBUTTON1},
    {"OK_help", MB_OK | MB_HELP, MB_DEFBUTTON1},
    {"ok_HELP", MB_OK | MB_HELP, MB_DEFBUTTON2},
    {"OK_cancel", MB_OKCANCEL, MB_DEFBUTTON1},
    {"ok_CANCEL", MB_OKCANCEL, MB_DEFBUTTON2},
    {"OK_cancel_help", MB_OKCANCEL | MB_HELP, MB_DEFBUTTON1},
    {"ok_CANCEL_help", MB_OKCANCEL | MB_HELP, MB_DEFBUTTON2},
    {"ok_cancel_HELP", MB_OKCANCEL | MB_HELP, MB_DEFBUTTON3},
    // "cancel" in these sets names the platform's Abort button.
    {"CANCEL_retry_ignore", MB_ABORTRETRYIGNORE, MB_DEFBUTTON1},
    {"cancel_RETRY_ignore", MB_ABORTRETRYIGNORE, MB_DEFBUTTON2},
    {"cancel_retry_IGNORE", MB_ABORTRETRYIGNORE, MB_DEFBUTTON3},
    {"CANCEL_retry_ignore_help", MB_ABORTRETRYIGNORE | MB_HELP, MB_DEFBUTTON1},
    {"cancel_RETRY_ignore_help", MB_ABORTRETRYIGNORE | MB_HELP, MB_DEFBUTTON2},
    {"cancel_retry_IGNORE_help", MB_ABORTRETRYIGNORE | MB_HELP, MB_DEFBUTTON3},
    {"cancel_retry_ignore_HELP", MB_ABORTRETRYIGNORE | MB_HELP, MB_DEFBUTTON4},
    {"YES_no_cancel", MB_YESNOCANCEL, MB_DEFBUTTON1},
    {"yes_NO_cancel", MB_YESNOCANCEL, MB_DEFBUTTON2},
    {"yes_no_CANCEL", MB_YESNOCANCEL, MB_DEFBUTTON3},
    {"YES_no_cancel_help", MB_YESNOCANCEL | MB_HELP, MB_DEFBUTTON1},
    {"yes_NO_cancel_help", MB_YESNOCANCEL | MB_HELP, MB_DEFBUTTON2},
    {"yes_no_CANCEL_help", MB_YESNOCANCEL | MB_HELP, MB_DEFBUTTON3},
    {"yes_no_cancel_HELP", MB_YESNOCANCEL | MB_HELP, MB_DEFBUTTON4},
    {"YES_no", MB_YESNO, MB_DEFBUTTON1},
    {"yes_NO", MB_YESNO, MB_DEFBUTTON2},
    {"YES_no_help", MB_YESNO | MB_HELP, MB_DEFBUTTON1},
    {"yes_NO_help", MB_YESNO | MB_HELP, MB_DEFBUTTON2},
    {"yes_no_HELP", MB_YESNO | MB_HELP, MB_DEFBUTTON3},
    {"RETRY_cancel", MB_RETRYCANCEL, MB_DEFBUTTON1},
    {"retry_CANCEL", MB_RETRYCANCEL, MB_DEFBUTTON2},
    {"RETRY_cancel_help", MB_RETRYCANCEL | MB_HELP, MB_DEFBUTTON1},
    {"retry_CANCEL_help", MB_RETRYCANCEL | MB_HELP, MB_DEFBUTTON2},
    {"retry_cancel_HELP", MB_RETRYCANCEL | MB_HELP, MB_DEFBUTTON3},
};

} // namespace

UINT rk_MessageBoxFlags_1(const char* icon, const char* buttons) {
    UINT iconFlag = 0;
    for (const IconRow& row : ICONS) {
        if (std::strcmp(icon, row.keyword) == 0) {
            iconFlag = row.flag;
            break;
        }
    }
    UINT buttonSet = MB_OK;
    UINT defaultButton = MB_DEFBUTTON1;
    for (const ButtonSetRow& row : BUTTON_SETS) {
        if (std::strcmp(buttons, row.keyword) == 0) {
            buttonSet = row.buttonSet;
            defaultButton = row.defaultButton;
            break;
        }
    }
    return iconFlag | buttonSet | defaultButton;
}

int rk_MessageBoxCode_1(int platformResult) {
    switch (platformResult) {
    case IDNO:
        return 1;
    case IDIGNORE:
        return 2;
    case IDRETRY:
        return 3;
    case IDYES:
        return 4;
    case IDOK:
        return 5;
    case IDCANCEL:
    case IDABORT:
        return 6;
    default:
        return platformResult;
    }
}

int rk_MessageBox_1(HWND owner, const char* caption, const char* text, const char* icon,
                    const char* buttons) {
    // No modality flag: the box is application-modal, the platform's default.
    return rk_MessageBoxCode_1(
        MessageBoxA(owner, text, caption, rk_MessageBoxFlags_1(icon, buttons)));
}

int rk_Message_1(HWND owner, const char* caption, char* text, const char* keyword) {
    MessageBoxA(owner, text, caption, MB_OK);
    if (std::strcmp(keyword, "D") == 0) text[0] = '\0';
    return 0;
}
