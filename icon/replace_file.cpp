#include "icon/replace_file.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdio>
#endif

int ReplaceTargetFile(const char* from, const char* to) {
#ifdef _WIN32
    // Plain rename() on Windows refuses to replace an existing file.
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ? 0 : 1;
#else
    return std::rename(from, to) == 0 ? 0 : 1;
#endif
}
