// Starting the editor: from the command line to WinMain.
#pragma once

#include <windows.h>

// The command line after the program name: a quoted name ends at its closing
// quote, an unquoted one at the first space; spaces after it are skipped. With
// no closing quote, the whole line. Only the space counts, not the tab.
char* CommandTail(char* commandLine);

// Calls WinMain with this module, the command tail and SW_SHOWNORMAL, and
// returns its exit code.
int StartProgram();
