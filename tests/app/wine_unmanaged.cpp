// Tells Wine that the named test programs' windows are not managed by a window
// manager. The test display has none, and without this Wine waits two seconds
// for one every time a shown window is hidden or destroyed. Wine reads the
// setting when a program starts, so this runs before the tests.
//   app_wine_unmanaged NAME.exe...
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string key =
            std::string("Software\\Wine\\AppDefaults\\") + argv[i] + "\\X11 Driver";
        HKEY handle = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                            &handle, nullptr) != ERROR_SUCCESS ||
            RegSetValueExA(handle, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2) !=
                ERROR_SUCCESS) {
            std::fprintf(stderr, "cannot set %s\n", key.c_str());
            return 1;
        }
        RegCloseKey(handle);
    }
    return 0;
}
