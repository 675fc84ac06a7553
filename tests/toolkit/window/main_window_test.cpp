// The main window: class names, style keywords, sizing, centring, icon, title, repaint, post.
#include "toolkit/window/window.h"

#include "recording_window_proc.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

// Windows stay open until the program ends: under Wine without a window manager,
// destroying a shown window waits about 2 s for the X server to withdraw it.

namespace {

HINSTANCE ThisInstance() {
    return GetModuleHandleA(nullptr);
}

std::string ClassNameOf(HWND window) {
    char name[512] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TitleOf(HWND window) {
    char title[512] = {};
    GetWindowTextA(window, title, sizeof title);
    return title;
}

RECT OuterRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

TEST(MainWindowCreation, NameIsTitleAndClassAndTheClassUsesTheProgramsProcedure) {
    receivedMessages.clear();
    const std::string name = UniqueWindowName();
    HWND window = rk_CreateMainWindow_1(ThisInstance(), name.c_str(), 10, 20, 300, 200, "CLO");
    ASSERT_NE(window, nullptr);
    // WM_CREATE reached the program's procedure before creation returned.
    EXPECT_EQ(CountReceived(window, WM_CREATE), 1);
    // Shown, but the first paint comes from the message loop.
    EXPECT_EQ(CountReceived(window, WM_PAINT), 0);
    EXPECT_EQ(ClassNameOf(window), name);
    EXPECT_EQ(TitleOf(window), name);
    EXPECT_TRUE(IsWindowVisible(window));
    PumpMessages();
    EXPECT_EQ(CountReceived(window, WM_PAINT), 1);
    EXPECT_EQ(GetClassLongPtrA(window, GCLP_WNDPROC), reinterpret_cast<LONG_PTR>(MainWindowProc));
    EXPECT_EQ(GetClassLongPtrA(window, GCLP_HBRBACKGROUND),
              reinterpret_cast<LONG_PTR>(GetStockObject(LTGRAY_BRUSH)));
    EXPECT_EQ(GetClassLongPtrA(window, GCLP_HCURSOR),
              reinterpret_cast<LONG_PTR>(LoadCursorA(nullptr, IDC_ARROW)));
    EXPECT_EQ(GetClassLongPtrA(window, GCLP_HICON), 0);
    EXPECT_EQ(GetClassLongPtrA(window, GCL_CBCLSEXTRA), 0);
    EXPECT_EQ(GetClassLongPtrA(window, GCL_CBWNDEXTRA), 0);
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_HINSTANCE),
              reinterpret_cast<LONG_PTR>(ThisInstance()));

    // The class stays registered, so the same name cannot make a second window.
    EXPECT_EQ(rk_CreateMainWindow_1(ThisInstance(), name.c_str(), 0, 0, 100, 100, "CLO"), nullptr);
}

TEST(MainWindowCreation, EmptyNameGivesClassAndTheFullWidthInstanceHandle) {
    HWND window = rk_CreateMainWindow_1(ThisInstance(), "", 0, 0, 200, 100, "CLO");
    ASSERT_NE(window, nullptr);
    const long long handle = reinterpret_cast<intptr_t>(ThisInstance());
    // The program is loaded above 4 GB, so a 32-bit format would lose the top bits.
    EXPECT_GT(handle, 0xFFFFFFFFLL);
    EXPECT_EQ(ClassNameOf(window), "Class" + std::to_string(handle));
    EXPECT_EQ(TitleOf(window), "");
}

TEST(MainWindowCreation, NameTooLongForTheClassBufferIsCutToFit) {
    const std::string name = std::string(UniqueWindowName()) + std::string(300, 'x');
    HWND window = rk_CreateMainWindow_1(ThisInstance(), name.c_str(), 0, 0, 200, 100, "CLO");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ClassNameOf(window), name.substr(0, 249));
    // The title keeps the whole name.
    EXPECT_EQ(TitleOf(window), name);
}

struct StyleRow {
    const char* keyword;
    DWORD style;
    DWORD extendedStyle;
    bool noClose;
};

TEST(MainWindowStyle, EveryKeywordGivesItsStylesAndUnknownOnesGiveNone) {
    const StyleRow rows[] = {
        {"NOLIST", WS_POPUP | WS_DLGFRAME, 0, false},
        {"TOOLWIN", 0, WS_EX_TOOLWINDOW, false},
        {"TOOLWIN_NOCLO", WS_SYSMENU, WS_EX_TOOLWINDOW, true},
        {"TOOLWIN_CLO", WS_SYSMENU, WS_EX_TOOLWINDOW, false},
        {"EMPTYLIST", WS_CAPTION, 0, false},
        {"NOCLO", WS_CAPTION | WS_SYSMENU, 0, true},
        {"CLO", WS_CAPTION | WS_SYSMENU, 0, false},
        {"QUE_NOCLO", WS_CAPTION | WS_SYSMENU, WS_EX_CONTEXTHELP, true},
        {"QUE_CLO", WS_CAPTION | WS_SYSMENU, WS_EX_CONTEXTHELP, false},
        {"NOMIN_MAX_NOCLO", WS_SYSMENU | WS_MAXIMIZEBOX, 0, true},
        {"NOMIN_MAX_CLO", WS_SYSMENU | WS_MAXIMIZEBOX, 0, false},
        {"MIN_NOMAX_NOCLO", WS_SYSMENU | WS_MINIMIZEBOX, 0, true},
        {"MIN_NOMAX_CLO", WS_SYSMENU | WS_MINIMIZEBOX, 0, false},
        {"MIN_MAX_NOCLO", WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, true},
        {"MIN_MAX_CLO", WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, false},
        {"clo", 0, 0, false},
        {"CLO ", 0, 0, false},
        {"", 0, 0, false},
    };
    const DWORD styleBits = WS_POPUP | WS_CHILD | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX |
                            WS_MAXIMIZEBOX | WS_THICKFRAME;
    const DWORD extendedBits = WS_EX_TOOLWINDOW | WS_EX_CONTEXTHELP;
    for (const StyleRow& row : rows) {
        SCOPED_TRACE(std::string("keyword \"") + row.keyword + "\"");
        HWND window =
            rk_CreateMainWindow_1(ThisInstance(), UniqueWindowName(), 0, 0, 300, 200, row.keyword);
        ASSERT_NE(window, nullptr);
        // A window that is neither pop-up nor child always gets a caption from the platform.
        DWORD expected = row.style;
        if ((expected & WS_POPUP) == 0) expected |= WS_CAPTION;
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)) & styleBits, expected);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE)) & extendedBits,
                  row.extendedStyle);
        EXPECT_EQ(static_cast<UINT>(GetClassLongPtrA(window, GCL_STYLE)),
                  row.noClose ? CS_DBLCLKS | CS_NOCLOSE : CS_DBLCLKS);
    }
}

TEST(MainWindowStyle, NoCloseKeywordsGreyTheCloseEntryOfTheWindowMenu) {
    HWND closable =
        rk_CreateMainWindow_1(ThisInstance(), UniqueWindowName(), 0, 0, 300, 200, "CLO");
    HWND unclosable =
        rk_CreateMainWindow_1(ThisInstance(), UniqueWindowName(), 0, 0, 300, 200, "NOCLO");
    ASSERT_NE(closable, nullptr);
    ASSERT_NE(unclosable, nullptr);
    EXPECT_EQ(GetMenuState(GetSystemMenu(closable, FALSE), SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_NE(GetMenuState(GetSystemMenu(unclosable, FALSE), SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED,
              0u);
}

TEST(MainWindowSize, HeightIsTheAskedHeightPlusTheCaptionWhateverTheFrame) {
    const int caption = GetSystemMetrics(SM_CYCAPTION);
    ASSERT_GT(caption, 0);
    for (const char* keyword : {"CLO", "NOLIST", "TOOLWIN", "unknown"}) {
        SCOPED_TRACE(keyword);
        HWND window =
            rk_CreateMainWindow_1(ThisInstance(), UniqueWindowName(), 0, 0, 600, 410, keyword);
        ASSERT_NE(window, nullptr);
        const RECT rect = OuterRect(window);
        EXPECT_EQ(rect.left, 0);
        EXPECT_EQ(rect.top, 0);
        EXPECT_EQ(rect.right - rect.left, 600);
        EXPECT_EQ(rect.bottom - rect.top, 410 + caption);
    }
}

TEST(MainWindowCentring, StandsHalfACaptionAboveTheCentre) {
    HWND window = rk_CreateMainWindow_1(ThisInstance(), UniqueWindowName(), 3, 7, 600, 410, "CLO");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(rk_CenterWindow_1(window), 0);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const int caption = GetSystemMetrics(SM_CYCAPTION);
    const RECT rect = OuterRect(window);
    EXPECT_EQ(rect.left, (screenWidth - 600) / 2);
    EXPECT_EQ(rect.top, (screenHeight - (410 + caption + caption)) / 2);
    // Size is kept.
    EXPECT_EQ(rect.right - rect.left, 600);
    EXPECT_EQ(rect.bottom - rect.top, 410 + caption);
}

TEST(MainWindowCentring, WindowWiderAndTallerThanTheScreenTruncatesTowardZero) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const int caption = GetSystemMetrics(SM_CYCAPTION);
    // Five pixels too wide, and five too tall once the caption is counted twice.
    HWND window = rk_CreateMainWindow_1(ThisInstance(), UniqueWindowName(), 0, 0, screenWidth + 5,
                                        screenHeight + 5 - 2 * caption, "CLO");
    ASSERT_NE(window, nullptr);
    const RECT before = OuterRect(window);
    ASSERT_EQ(before.right - before.left, screenWidth + 5);
    ASSERT_EQ(before.bottom - before.top, screenHeight + 5 - caption);
    EXPECT_EQ(rk_CenterWindow_1(window), 0);
    const RECT rect = OuterRect(window);
    EXPECT_EQ(rect.left, -2);
    EXPECT_EQ(rect.top, -2);
}

TEST(MainWindowTitle, SetsTheCaptionText) {
    HWND window = rk_CreateMainWindow_1(ThisInstance(), UniqueWindowName(), 0, 0, 300, 200, "CLO");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(rk_SetTitle_1(window, "Vanligt f\xF6nster"), 0);
    EXPECT_EQ(TitleOf(window), "Vanligt f\xF6nster");
    EXPECT_EQ(rk_SetTitle_1(window, ""), 0);
    EXPECT_EQ(TitleOf(window), "");
}

TEST(MainWindowIcon, LoadsTheIconByNameIntoTheClass) {
    HWND window = rk_CreateMainWindow_1(ThisInstance(), UniqueWindowName(), 0, 0, 300, 200, "CLO");
    ASSERT_NE(window, nullptr);
    HICON expected = LoadIconA(ThisInstance(), "TESTICON");
    ASSERT_NE(expected, nullptr);
    EXPECT_EQ(rk_SetWindowIcon_1(window, "TESTICON"), 0);
    EXPECT_EQ(GetClassLongPtrA(window, GCLP_HICON), reinterpret_cast<LONG_PTR>(expected));
    // The icon the window shows is the class icon.
    EXPECT_EQ(SendMessageA(window, WM_GETICON, ICON_BIG, 0), 0);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICON)), &info));
    BITMAP colour = {};
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 32);
    EXPECT_EQ(colour.bmHeight, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

    // A name with no resource stores a null icon and still reports 0.
    EXPECT_EQ(rk_SetWindowIcon_1(window, "NOSUCHICON"), 0);
    EXPECT_EQ(GetClassLongPtrA(window, GCLP_HICON), 0);
}

bool HasUpdateRegion(HWND window) {
    return GetUpdateRect(window, nullptr, FALSE) != 0;
}

TEST(MainWindowRepaint, KeywordsRequestAPaintWithOrWithoutErasing) {
    HWND window = rk_CreateMainWindow_1(ThisInstance(), UniqueWindowName(), 0, 0, 300, 200, "CLO");
    ASSERT_NE(window, nullptr);
    UpdateWindow(window);
    PumpMessages();
    ASSERT_FALSE(HasUpdateRegion(window));

    receivedMessages.clear();
    EXPECT_EQ(rk_Repaint_1(window, "ERASED"), 0);
    RECT update = {};
    GetUpdateRect(window, &update, FALSE);
    RECT client = {};
    GetClientRect(window, &client);
    EXPECT_TRUE(EqualRect(&update, &client));
    UpdateWindow(window);
    EXPECT_EQ(CountReceived(window, WM_PAINT), 1);
    EXPECT_EQ(CountReceived(window, WM_ERASEBKGND), 1);

    receivedMessages.clear();
    EXPECT_EQ(rk_Repaint_1(window, "UNERASED"), 0);
    EXPECT_TRUE(HasUpdateRegion(window));
    UpdateWindow(window);
    EXPECT_EQ(CountReceived(window, WM_PAINT), 1);
    EXPECT_EQ(CountReceived(window, WM_ERASEBKGND), 0);

    // A keyword in another case, or an unknown one, requests nothing.
    for (const char* keyword : {"erased", "Unerased", "", "BOTH"}) {
        SCOPED_TRACE(keyword);
        EXPECT_EQ(rk_Repaint_1(window, keyword), 1);
        EXPECT_FALSE(HasUpdateRegion(window));
    }

    DestroyWindow(window);
    EXPECT_EQ(rk_Repaint_1(window, "ERASED"), 1);
    EXPECT_EQ(rk_Repaint_1(window, "UNERASED"), 1);
}

TEST(MainWindowPost, MessageArrivesLaterWithItsParametersAndAGoneWindowGivesOne) {
    HWND window = rk_CreateMainWindow_1(ThisInstance(), UniqueWindowName(), 0, 0, 300, 200, "CLO");
    ASSERT_NE(window, nullptr);
    PumpMessages();
    receivedMessages.clear();
    EXPECT_EQ(rk_PostMessage_1(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 34)), 0);
    // Queued, not handled during the call.
    EXPECT_EQ(CountReceived(window, WM_LBUTTONDOWN), 0);
    PumpMessages();
    ASSERT_EQ(CountReceived(window, WM_LBUTTONDOWN), 1);
    for (const ReceivedMessage& received : receivedMessages) {
        if (received.message != WM_LBUTTONDOWN) continue;
        EXPECT_EQ(received.wParam, static_cast<WPARAM>(MK_LBUTTON));
        EXPECT_EQ(received.lParam, MAKELPARAM(12, 34));
    }

    DestroyWindow(window);
    EXPECT_EQ(rk_PostMessage_1(window, WM_APP, 0, 0), 1);
}

} // namespace
