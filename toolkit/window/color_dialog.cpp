// The colour dialog; the confirmed colour is left in chosenColor.
#include "toolkit/window/dialogs.h"

#include <commdlg.h>

COLORREF chosenColor;
COLORREF customColors[16];

namespace {

// Lives for the whole run, like the file dialogs' records.
CHOOSECOLORA colorRecord;

} // namespace

COLORREF rk_ChooseColor_1(HWND owner) {
    colorRecord.lStructSize = sizeof(CHOOSECOLORA);
    colorRecord.hwndOwner = owner;
    colorRecord.hInstance = nullptr;
    // Every call starts at white, not at the previous choice.
    colorRecord.rgbResult = 0x00FFFFFF;
    // The platform writes the user's custom colours here; they are offered again next time.
    colorRecord.lpCustColors = customColors;
    colorRecord.Flags = CC_RGBINIT | CC_SHOWHELP;
    colorRecord.lCustData = 0;
    colorRecord.lpfnHook = nullptr;
    colorRecord.lpTemplateName = nullptr;
    if (!ChooseColorA(&colorRecord)) return 0xFFFFFFFF;
    chosenColor = colorRecord.rgbResult;
    return chosenColor;
}
