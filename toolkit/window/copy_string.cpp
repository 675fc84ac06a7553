// Copies a string whole or its first characters.
#include "toolkit/window/dialogs.h"

char* rk_CopyString_1(char* destination, const char* source, int count) {
    destination[0] = '\0';
    if (count <= 0) {
        lstrcpyA(destination, source);
        return destination;
    }
    for (int i = 0; i < count && source[i] != '\0'; ++i) {
        const char one[2] = {source[i], '\0'};
        lstrcatA(destination, one);
    }
    return destination;
}
