// The process entry of prickverket.exe. The runtime has already read the
// arguments; the editor uses none of them.
#include "app/start_program.h"

int main() {
    return StartProgram();
}
