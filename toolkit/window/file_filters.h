// The built-in file-type lists of the open and save dialogs.
#pragma once

// The filter text a keyword names: label and pattern pairs, each NUL-terminated, with one
// more NUL at the end. Null for "OWN_FILTER" and for any keyword that names no built-in list.
const char* rk_FileFilter_1(const char* keyword);
