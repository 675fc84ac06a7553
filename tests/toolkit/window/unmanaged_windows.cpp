// Marks the window test programs' windows as not managed by a window manager in Wine's
// per-program settings. The test display has no window manager, and a managed window
// makes Wine wait about 2 s for one whenever a shown window (a message box, a dialog)
// goes away. Wine reads the setting when a program starts, so this runs first.
//   window_tests_unmanaged PROGRAM.exe...
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    int failures = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string key =
            std::string("Software\\Wine\\AppDefaults\\") + argv[i] + "\\X11 Driver";
        HKEY settings = nullptr;
        const bool written =
            RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                            &settings, nullptr) == ERROR_SUCCESS &&
            RegSetValueExA(settings, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2) ==
                ERROR_SUCCESS;
        if (settings != nullptr) RegCloseKey(settings);
        if (!written) {
            std::fprintf(stderr, "cannot write %s\n", key.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
