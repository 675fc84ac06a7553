// Message boxes.
#pragma once

#include <windows.h>

// The toolkit's code of the button pressed: 1 No, 2 Ignore, 3 Retry, 4 Yes,
// 5 OK, 6 Cancel or Abort, 0 when no box could be shown.
int rk_MessageBox_1(HWND owner, const char* caption, const char* text, const char* icon,
                    const char* buttons);
// OK only; keyword "D" empties text after the box has closed.
int rk_Message_1(HWND owner, const char* caption, char* text, const char* keyword);
