#include "app/start_program.h"

#include <cstring>

char* CommandTail(char* commandLine) {
    char* tail = commandLine;
    if (*tail == '"') {
        char* closing = std::strchr(tail + 1, '"');
        if (closing == nullptr) return commandLine;
        tail = closing + 1;
    } else {
        while (*tail != '\0' && *tail != ' ') ++tail;
    }
    while (*tail == ' ') ++tail;
    return tail;
}

int StartProgram() {
    char* tail = CommandTail(GetCommandLineA());
    HINSTANCE instance = GetModuleHandleA(nullptr);
    return WinMain(instance, nullptr, tail, SW_SHOWNORMAL);
}
