// The keyword lookups behind rk_MessageBox_1, usable without showing a box.
#pragma once

#include <windows.h>

// Icon | button set | default button, as MessageBoxA takes them, for the two keywords.
UINT rk_MessageBoxFlags_1(const char* icon, const char* buttons);
// The toolkit's code for a MessageBoxA result (1 No, 2 Ignore, 3 Retry, 4 Yes, 5 OK,
// 6 Cancel or Abort); any other result comes back unchanged.
int rk_MessageBoxCode_1(int platformResult);
