// The platform calls of the icon core: putting a finished file in place, and
// the existence and size of the target file.
#pragma once

// Moves from over to, replacing to if it exists. 0 done, 1 failed.
int ReplaceTargetFile(const char* from, const char* to);
// Whether anything is at path, readable or not.
bool TargetFileExists(const char* path);
// Makes the file at path size bytes long. 0 done, 1 failed.
int ResizeTargetFile(const char* path, long size);
