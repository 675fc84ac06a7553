#include "icon/replace_file.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>
#endif

// On Windows these are Win32 calls, not std::filesystem, which would add most of
// a megabyte of static library code to the exe for three calls.

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

bool TargetFileExists(const char* path) {
#ifdef _WIN32
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
#else
    std::error_code error;
    return std::filesystem::exists(path, error) || error;
#endif
}

int ResizeTargetFile(const char* path, long size) {
#ifdef _WIN32
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    LARGE_INTEGER end{};
    end.QuadPart = size;
    const bool done = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    return CloseHandle(file) && done ? 0 : 1;
#else
    std::error_code error;
    std::filesystem::resize_file(path, static_cast<std::uintmax_t>(size), error);
    return error ? 1 : 0;
#endif
}
