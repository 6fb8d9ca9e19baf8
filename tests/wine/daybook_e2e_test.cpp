// The daybook started as a user starts it: a real process in this Wine prefix, driven from
// outside through its window class, control ids and command numbers.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include <gtest/gtest.h>

#include "app/start_rules.h"
#include "database/day_entries.h"
#include "resource.h"
#include "settings/text_values.h"
#include "tests/core/test_files.h"
#include "tests/wine/wine_fixtures.h"

namespace {

// The daybook and its database in a folder of their own; the settings files written here keep
// the logo away unless a test wants it.
class DaybookTest : public InstalledPrograms {
  protected:
    DaybookTest()
        : InstalledPrograms(
              "C:\\tavrin-e2e",
              {{TAVRIN_MORVEST_FILE, "morvest.exe"}, {TAVRIN_DATABASE_FILE, "MORVEST.DAT"}},
              "ShowStartupWindow = 0\r\n") {}
    // Starts the daybook and waits for its main window.
    HWND Open(const std::string& arguments = "") {
        Start(arguments);
        return WaitForWindow("TavrinApplication");
    }
    DWORD Exit(HWND window) { return PostAndWaitForExit(window, WM_COMMAND, CMD_EXIT); }
};

TEST_F(DaybookTest, AFirstRunShowsTodayAndWritesACompleteSettingsFile) {
    HWND window = Open();
    ASSERT_NE(window, nullptr);
    char title[128];
    GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, "Tavrin: A Morvest Daybook");

    char dateLine[64];
    FormatDateLine(TodayDate(), dateLine, sizeof dateLine);
    EXPECT_EQ(ControlText(window, IDC_MAIN_DATE), dateLine);
    EXPECT_EQ(ControlText(window, IDC_MAIN_WEEKDAY), GetTodayWeekdayName());
    EXPECT_EQ(ControlText(window, IDC_MAIN_ENTRY), TodaysEntry(TAVRIN_DATABASE_FILE));
    EXPECT_NE(ControlText(window, IDC_MAIN_TIME).find('m'), std::string::npos);

    EXPECT_EQ(Exit(window), 1u);
    std::string settings = SettingsText();
    int rows = 0;
    for (size_t at = 0; (at = settings.find(" = ", at)) != std::string::npos; ++at)
        ++rows;
    EXPECT_EQ(rows, 14);
    EXPECT_EQ(SettingsRow(settings, "ApplicationPath"), "C:\\tavrin-e2e\\") << settings;
    EXPECT_EQ(SettingsRow(settings, "LastTime").size(), 24u) << settings;
}

// With the system set to Windows 10, the daybook is told the true version (its manifest names
// Windows 10; a program without one would be told 6.2).
TEST_F(DaybookTest, SystemInformationTellsTheTrueWindowsVersion) {
    RegistryValue windowsVersion("Software\\Wine", "Version");
    windowsVersion.SetText("win10");
    HWND window = Open();
    if (window != nullptr)
        PostMessageA(window, WM_COMMAND, CMD_SYSTEM_INFORMATION, 0);
    HWND box = WaitForWindow("#32770", "System Information");
    std::string version = box != nullptr ? ControlText(box, IDC_SYSINFO_VERSION) : "(no box)";
    EXPECT_EQ(version.substr(0, 4), "10.0") << version;
}

TEST_F(DaybookTest, OncePerDayEndsASecondStartSilentlyUnlessNoTimeoutIsGiven) {
    char now[TimeTextLength + 1];
    CurrentTimeText(now);
    ASSERT_TRUE(
        PutSettings("OncePerDay = 1\r\nDelayTime = 2\r\nLastTime = " + std::string(now) + "\r\n"));
    std::string before = SettingsText();
    Start("");
    EXPECT_EQ(WaitForExit(), 0u);
    EXPECT_EQ(SettingsText(), before);

    HWND window = Open("/notimeout");
    ASSERT_NE(window, nullptr);
    Sleep(3500); // past the delay: "/NOTIMEOUT" also stops the auto-close
    EXPECT_EQ(WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_EQ(Exit(window), 1u);
}

TEST_F(DaybookTest, DelayTimeClosesTheWindowByItself) {
    ASSERT_TRUE(PutSettings("DelayTime = 2\r\n"));
    ASSERT_NE(Open(), nullptr);
    DWORD started = GetTickCount();
    EXPECT_EQ(WaitForExit(20000), 1u);
    EXPECT_GE(GetTickCount() - started, 1000u);
    EXPECT_GE(GetTickCount() - started, 1500u); // two ticks, not one: a tick early fails
}

TEST_F(DaybookTest, AMissingDatabaseIsReportedAndTheSettingsAreStillWritten) {
    DeleteFileA(Installed("MORVEST.DAT").c_str());
    Start("");
    HWND box = WaitForWindow("#32770", "Message");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ControlText(box, 0xFFFF), "There has been an error loading the database.");
    EXPECT_EQ(PostAndWaitForExit(box, WM_COMMAND, IDOK), 1u);
    EXPECT_NE(SettingsText().find("LastTime = "), std::string::npos);
}

TEST_F(DaybookTest, ADatabaseElsewhereIsFoundThroughTheSettingsFile) {
    // The settings file names another directory: the database is read there, and the
    // program's own directory is what gets written back.
    CreateDirectoryA("C:\\tavrin-e2e-data", nullptr);
    MoveFileExA(Installed("MORVEST.DAT").c_str(), "C:\\tavrin-e2e-data\\MORVEST.DAT",
                MOVEFILE_REPLACE_EXISTING);
    ASSERT_TRUE(PutSettings("ApplicationPath = C:\\tavrin-e2e-data\\\r\n"));
    HWND window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Exit(window), 1u);
    EXPECT_EQ(SettingsRow("ApplicationPath"), "C:\\tavrin-e2e\\");
    RemoveTree("C:\\tavrin-e2e-data");
}

// A daybook moved to another folder: the folder the file names has no database any more, the
// program's own one has; it starts, and records its own folder for the next start.
TEST_F(DaybookTest, AMovedDaybookStartsFromItsOwnFolderAndRecordsIt) {
    ASSERT_TRUE(PutSettings("ApplicationPath = C:\\tavrin-old-place\\\r\n"));
    HWND window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_NE(ControlText(window, IDC_MAIN_ENTRY).find(' '), std::string::npos);
    // The close box ends it as Exit does.
    EXPECT_EQ(PostAndWaitForExit(window, WM_SYSCOMMAND, SC_CLOSE), 1u);
    EXPECT_EQ(SettingsRow("ApplicationPath"), "C:\\tavrin-e2e\\");
}

TEST_F(DaybookTest, OpenCalendarStartsWithTheCalendarOverTheWindow) {
    HWND window = Open("/opencalendar");
    ASSERT_NE(window, nullptr);
    HWND calendar = WaitForOwnedWindow(window);
    ASSERT_NE(calendar, nullptr);
    EXPECT_NE(GetDlgItem(calendar, IDC_CALENDAR_YEARS), nullptr);
    PostMessageA(calendar, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntilGone(calendar));
    EXPECT_EQ(Exit(window), 1u);
}

TEST_F(DaybookTest, StayOnTopKeepsTheWindowTopmostUnlessTheOptionSaysNo) {
    ASSERT_TRUE(PutSettings("StayOnTop = 1\r\n"));
    HWND window = Open("/nostayontop");
    ASSERT_NE(window, nullptr);
    Sleep(600);
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(Exit(window), 1u);

    ASSERT_TRUE(PutSettings("StayOnTop = 1\r\n"));
    window = Open();
    ASSERT_NE(window, nullptr);
    Sleep(600);
    EXPECT_NE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(Exit(window), 1u);
}

// Below 800 by 600 pixels the daybook is refused before anything else; at exactly 800 by 600
// it starts (tests/wine/on_screen.sh runs it at 640 by 480 and at 800 by 600).
TEST_F(DaybookTest, ASmallScreenIsRefusedBeforeAnythingElse) {
    if (GetSystemMetrics(SM_CXSCREEN) >= 800 && GetSystemMetrics(SM_CYSCREEN) >= 600) {
        HWND window = Open();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(Exit(window), 1u);
        return;
    }
    Start("");
    HWND box = WaitForWindow("#32770", "Message");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ControlText(box, 0xFFFF),
              "Tavrin: A Morvest Daybook requires a screen resolution of at least 800 by 600 "
              "pixels. Please see the \"Display and colours\" document installed with this "
              "software for assistance in updating your screen driver.");
    EXPECT_EQ(PostAndWaitForExit(box, WM_COMMAND, IDOK), 1u);
    EXPECT_EQ(GetFileAttributesA(SettingsFile().c_str()), INVALID_FILE_ATTRIBUTES);
}

// Real mouse input: the text controls let clicks through to the window, the picture does not.
void ClickAt(HWND control, DWORD down, DWORD up) {
    RECT place;
    GetWindowRect(control, &place);
    POINT middle = {(place.left + place.right) / 2, (place.top + place.bottom) / 2}, cursor = {};
    SetCursorPos(middle.x, middle.y);
    WaitUntil( // on a busy machine it may take a while
        [&] { return GetCursorPos(&cursor) && cursor.x == middle.x && cursor.y == middle.y; },
        2000);
    Sleep(100);
    mouse_event(down, 0, 0, 0, 0);
    mouse_event(up, 0, 0, 0, 0);
    Sleep(500);
}

TEST_F(DaybookTest, ClickToCloseTakesClicksOnTheTextButNotOnThePicture) {
    ASSERT_TRUE(PutSettings("ClickToClose = 1\r\n"));
    HWND window = Open();
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);
    ClickAt(GetDlgItem(window, IDC_MAIN_PICTURE), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(WaitForExit(500), static_cast<DWORD>(STILL_ACTIVE));
    ClickAt(GetDlgItem(window, IDC_MAIN_ENTRY), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(WaitForExit(5000), 1u);
}

TEST_F(DaybookTest, NoClickToCloseKeepsTheWindowOpen) {
    ASSERT_TRUE(PutSettings("ClickToClose = 1\r\n"));
    HWND window = Open("/NOCLICKTOCLOSE");
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);
    ClickAt(GetDlgItem(window, IDC_MAIN_ENTRY), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(WaitForExit(500), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_EQ(Exit(window), 1u);
}

TEST_F(DaybookTest, ARightClickOnTheTextOpensTheMenuButNotOnThePicture) {
    ASSERT_TRUE(PutSettings(""));
    HWND window = Open();
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);
    SetCursorPos(0, 0); // a release that comes while the pointer is elsewhere opens nothing
    PostMessageA(window, WM_RBUTTONUP, 0, 0);
    EXPECT_EQ(WaitForWindow("#32768", nullptr, 1000), nullptr);
    ClickAt(GetDlgItem(window, IDC_MAIN_PICTURE), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    EXPECT_EQ(WaitForWindow("#32768", nullptr, 1000), nullptr);
    ClickAt(GetDlgItem(window, IDC_MAIN_ENTRY), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    HWND menu = WaitForWindow("#32768", nullptr, 5000);
    EXPECT_NE(menu, nullptr);
    POINT pointer; // the menu opens at the pointer
    GetCursorPos(&pointer);
    EXPECT_TRUE(PlaceOf(menu).x == pointer.x && PlaceOf(menu).y == pointer.y)
        << PlaceOf(menu).x << "," << PlaceOf(menu).y << " " << pointer.x << "," << pointer.y;
    // The menu's last item is Exit: choosing it ends the program like any other exit.
    keybd_event(VK_UP, 0, 0, 0);
    keybd_event(VK_UP, 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_RETURN, 0, 0, 0);
    keybd_event(VK_RETURN, 0, KEYEVENTF_KEYUP, 0);
    EXPECT_EQ(WaitForExit(5000), 1u);
}

// Setup opened through command 202 of the running daybook; its page is read and set from here.
class SetupTest : public DaybookTest {
  protected:
    HWND OpenSetup(HWND window) {
        PostMessageA(window, WM_COMMAND, CMD_SETUP, 0);
        sheet_ = WaitForWindow("#32770", "Setup");
        if (sheet_ == nullptr)
            return nullptr;
        return reinterpret_cast<HWND>(SendMessageA(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0));
    }
    void Press(int button) { // -1: only wait for the sheet to close
        // Posted, as a click would come: the sheet's loop looks at its end after each message.
        if (button != -1)
            PostMessageA(sheet_, PSM_PRESSBUTTON, button, 0);
        WaitUntil([this] { return !IsWindowVisible(sheet_); }, 5000);
    }
    static void ChangeEverything(HWND page) {
        for (int id :
             {IDC_SETUP_CLICK_TO_CLOSE, IDC_SETUP_ONCE_PER_DAY, IDC_SETUP_SHOW_STARTUP_WINDOW,
              IDC_SETUP_STAY_ON_TOP, IDC_SETUP_WARN_SHOW_MANUAL, IDC_SETUP_SHOW_DRIVER_MESSAGE})
            SendDlgItemMessageA(page, id, BM_CLICK, 0, 0);
        SendDlgItemMessageA(page, IDC_SETUP_DELAY_TIME, WM_SETTEXT, 0,
                            reinterpret_cast<LPARAM>("5000"));
        SendDlgItemMessageA(page, IDC_SETUP_TINT, CB_SETCURSEL, 3, 0);
    }
    HWND sheet_ = nullptr;
};

TEST_F(SetupTest, ThePageShowsTheFileAndCancelChangesNothing) {
    ASSERT_TRUE(PutSettings("ClickToClose = 1\r\nDelayTime = 25\r\nTintSelection = 12\r\n"
                            "ShowDriverMessage = 0\r\n"));
    HWND window = Open();
    ASSERT_NE(window, nullptr);
    HWND page = OpenSetup(window);
    ASSERT_NE(page, nullptr);
    struct {
        int id;
        UINT checked;
    } boxes[] = {{IDC_SETUP_CLICK_TO_CLOSE, 1},      {IDC_SETUP_ONCE_PER_DAY, 0},
                 {IDC_SETUP_SHOW_STARTUP_WINDOW, 0}, {IDC_SETUP_STAY_ON_TOP, 0},
                 {IDC_SETUP_WARN_SHOW_MANUAL, 1},    {IDC_SETUP_SHOW_DRIVER_MESSAGE, 0}};
    for (const auto& box : boxes)
        EXPECT_EQ(IsDlgButtonChecked(page, box.id), box.checked) << box.id;
    EXPECT_EQ(ControlText(page, IDC_SETUP_DELAY_TIME), "25");
    LRESULT tint = SendDlgItemMessageA(page, IDC_SETUP_TINT, CB_GETCURSEL, 0, 0);
    wchar_t name[64] = L""; // Wine passes the ANSI form between processes cut at the first letter
    SendDlgItemMessageW(page, IDC_SETUP_TINT, CB_GETLBTEXT, tint, reinterpret_cast<LPARAM>(name));
    EXPECT_STREQ(name, L"Coral");
    ChangeEverything(page);
    Press(PSBTN_CANCEL);
    // The close box stores nothing either.
    page = OpenSetup(window);
    ASSERT_NE(page, nullptr);
    ChangeEverything(page);
    PostMessageA(sheet_, WM_SYSCOMMAND, SC_CLOSE, 0);
    Press(-1); // waits for the sheet to go
    EXPECT_EQ(Exit(window), 1u);
    std::string settings = SettingsText();
    EXPECT_EQ(SettingsRow(settings, "ClickToClose"), "1");
    EXPECT_EQ(SettingsRow(settings, "OncePerDay"), "0");
    EXPECT_EQ(SettingsRow(settings, "WarnShowManual"), "1");
    EXPECT_EQ(SettingsRow(settings, "ShowDriverMessage"), "0");
    EXPECT_EQ(SettingsRow(settings, "DelayTime"), "25");
    EXPECT_EQ(SettingsRow(settings, "TintSelection"), "12");
}

TEST_F(SetupTest, OkStoresClampedValuesThatTakeEffectAndReachTheFile) {
    ASSERT_TRUE(PutSettings(""));
    HWND window = Open();
    ASSERT_NE(window, nullptr);
    HWND page = OpenSetup(window);
    ASSERT_NE(page, nullptr);
    ChangeEverything(page);
    Press(PSBTN_OK);
    // Stay on top switched on: topmost within a few ticks of the 100 ms timer.
    EXPECT_TRUE(WaitUntil(
        [window] { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }, 2000));
    page = OpenSetup(window);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(ControlText(page, IDC_SETUP_DELAY_TIME), "1000"); // 5000 was stored as 1000
    EXPECT_EQ(SendDlgItemMessageA(page, IDC_SETUP_TINT, CB_GETCURSEL, 0, 0), 3);
    SendDlgItemMessageA(page, IDC_SETUP_DELAY_TIME, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    SendDlgItemMessageA(page, IDC_SETUP_STAY_ON_TOP, BM_CLICK, 0, 0);
    Press(PSBTN_OK); // Stay on top switched off: out of the topmost band at once
    EXPECT_TRUE(WaitUntil(
        [window] { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0; }, 1000));
    EXPECT_EQ(Exit(window), 1u);
    std::string settings = SettingsText();
    for (const char* key : {"ClickToClose", "OncePerDay", "ShowStartupWindow"})
        EXPECT_EQ(SettingsRow(settings, key), "1") << key;
    for (const char* key : {"WarnShowManual", "ShowDriverMessage", "StayOnTop"})
        EXPECT_EQ(SettingsRow(settings, key), "0") << key;
    EXPECT_EQ(SettingsRow(settings, "DelayTime"), "0"); // the empty box
    EXPECT_EQ(SettingsRow(settings, "TintSelection"), "3");
}

TEST_F(DaybookTest, TheManualOpensAfterTheWarningWhoseBoxIsSavedAtExit) {
    FakeBrowser browser;
    ASSERT_TRUE(browser.InstallIn("C:\\tavrin e2e browser"));
    CreateDirectoryA(Installed("html").c_str(), nullptr);
    ASSERT_TRUE(WriteFileBytes(Installed("html\\manual.htm"), "<html></html>"));
    ASSERT_TRUE(PutSettings(""));
    HWND window = Open();
    ASSERT_NE(window, nullptr);
    PostMessageA(window, WM_COMMAND, CMD_MANUAL, 0);
    HWND box = WaitForWindow("#32770", "Warning");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ControlText(box, IDC_WARNING_TEXT).substr(0, 42),
              "You are about to display the manual docume");
    EXPECT_EQ(browser.NextCommandLine(300), ""); // nothing opens before Ok
    SendDlgItemMessageA(box, IDC_WARNING_SHOW_AGAIN, BM_CLICK, 0, 0);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(browser.NextCommandLine(),
              "\"" + browser.program() + "\" C:\\tavrin-e2e\\html\\manual.htm#DOCUMENTATION");
    // Without the warning now, and a missing document is reported.
    DeleteFileA(Installed("html\\manual.htm").c_str());
    PostMessageA(window, WM_COMMAND, CMD_MANUAL, 0);
    HWND message = WaitForWindow("#32770", "Message");
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(ControlText(message, 0xFFFF).substr(0, 51),
              "There has been an error displaying the manual page.");
    PostMessageA(message, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Exit(window), 1u);
    EXPECT_EQ(SettingsRow("WarnShowManual"), "0");
}

// The logo greets a start (no display check here) and goes on any click or after LogoDelay.
TEST_F(DaybookTest, TheLogoGreetsADefaultStartAndGoesOnAClickOrByItself) {
    ASSERT_TRUE(
        WriteFileBytes(SettingsFile(), "[TavrinAMorvestDaybook]\r\nShowDriverMessage = 0\r\n"));
    Start("");
    HWND logo = WaitForWindow("TavrinLogo");
    ASSERT_NE(logo, nullptr);
    HWND window = WaitForWindow("TavrinApplication");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindow(logo)); // the default LogoDelay is 8 seconds
    ClickAt(GetDlgItem(logo, IDC_LOGO_PICTURE), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    EXPECT_TRUE(WaitUntilGone(logo, 3000)); // any button, even on the picture
    EXPECT_EQ(Exit(window), 1u);

    ASSERT_TRUE(WriteFileBytes(
        SettingsFile(), "[TavrinAMorvestDaybook]\r\nShowDriverMessage = 0\r\nLogoDelay = 400\r\n"));
    Start("");
    logo = WaitForWindow("TavrinLogo");
    ASSERT_NE(logo, nullptr);
    window = WaitForWindow("TavrinApplication");
    EXPECT_TRUE(WaitUntilGone(logo, 5000));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(Exit(window), 1u);
}

TEST_F(DaybookTest, NoLogoWhenSwitchedOffInAnyLetterCaseOrWithStayOnTop) {
    for (const char* lines : {"showstartupwindow = 0\r\n", "ShowStartupWindow=0\r\n",
                              "ShowStartupWindow = 1\r\nStayOnTop = 1\r\n"}) {
        SCOPED_TRACE(lines);
        ASSERT_TRUE(WriteFileBytes(SettingsFile(),
                                   std::string("[TavrinAMorvestDaybook]\r\nLogoDelay = 20000\r\n") +
                                       lines));
        HWND window = Open();
        ASSERT_NE(window, nullptr);
        // The logo comes before the main window, so it would be there by now.
        EXPECT_EQ(FindProcessWindow(program_.id(), "TavrinLogo"), nullptr);
        EXPECT_EQ(Exit(window), 1u);
    }
}

// On a palette display (an 8-bit virtual screen, tests/wine/on_screen.sh) the display check
// greets every start until its box is cleared; on any other it never appears.
TEST_F(DaybookTest, TheDisplayCheckAppearsOnPaletteDisplaysUntilItsBoxIsCleared) {
    HDC screen = GetDC(nullptr);
    bool palette = GetDeviceCaps(screen, PLANES) * GetDeviceCaps(screen, BITSPIXEL) <= 8;
    ReleaseDC(nullptr, screen);
    for (int start = 0; start < 3; ++start) {
        // At first no file, so the logo shows too, and goes before the check comes.
        HWND window = Open(); // later starts find the file the one before wrote
        ASSERT_NE(window, nullptr);
        HWND check = WaitForWindow("#32770", "", palette && start < 2 ? 20000 : 1500);
        EXPECT_EQ(check != nullptr, palette && start < 2) << start;
        if (check != nullptr) {
            EXPECT_EQ(FindProcessWindow(program_.id(), "TavrinLogo"), nullptr);
            EXPECT_EQ(ControlText(check, IDC_DRIVER_SHOW_AGAIN), "Show me this message next time");
            EXPECT_EQ(IsDlgButtonChecked(check, IDC_DRIVER_SHOW_AGAIN), BST_CHECKED);
            if (start == 1)
                SendDlgItemMessageA(check, IDC_DRIVER_SHOW_AGAIN, BM_CLICK, 0, 0);
            PostMessageA(check, WM_COMMAND, IDOK, 0);
            ASSERT_TRUE(WaitUntilGone(check, 5000));
        }
        EXPECT_EQ(Exit(window), 1u);
        EXPECT_EQ(SettingsRow("ShowDriverMessage"), start >= 1 && palette ? "0" : "1") << start;
    }
}

} // namespace
