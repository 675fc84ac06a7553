#include "icon/replace_file.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdio>
#endif

int ReplaceTargetFile(const char* from, const char* to) {
#ifdef _WIN32
    // A file marked read-only is never replaced. Windows refuses that move by
    // itself; Wine would make it, and drop the mark.
    const DWORD attributes = GetFileAttributesA(to);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return 1;
    // Plain rename() on Windows refuses to replace an existing file.
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ? 0 : 1;
#else
    return std::rename(from, to) == 0 ? 0 : 1;
#endif
}
