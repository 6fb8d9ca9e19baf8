// The daybook started as a user starts it: a real process in this Wine prefix, driven from
// outside through its window class, control ids and command numbers.
#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/start_rules.h"
#include "database/database.h"
#include "database/day_entries.h"
#include "resource.h"
#include "settings/text_values.h"
#include "tests/core/test_files.h"
#include "tests/wine/wine_fixtures.h"

namespace {

const char InstallDirectory[] = "C:\\tavrin-e2e";

class DaybookTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CreateDirectoryA(InstallDirectory, nullptr);
        ASSERT_TRUE(CopyFileA(TAVRIN_MORVEST_FILE, Installed("morvest.exe").c_str(), FALSE));
        ASSERT_TRUE(CopyFileA(TAVRIN_DATABASE_FILE, Installed("MORVEST.DAT").c_str(), FALSE));
        DeleteFileA(WindowsFile("MORVEST.INI").c_str());
    }
    void TearDown() override {
        program_ = std::make_unique<RunningProgram>(); // ends one still running
        DeleteFileA(WindowsFile("MORVEST.INI").c_str());
        DeleteFileA(Installed("MORVEST.DAT").c_str());
        DeleteFileA(Installed("morvest.exe").c_str());
        for (const char* document : {"html\\manual.htm", "html\\referenc.htm", "html\\drivers.htm"})
            DeleteFileA(Installed(document).c_str());
        RemoveDirectoryA(Installed("html").c_str());
        FreeDatabase();
    }
    static std::string Installed(const char* name) {
        return std::string(InstallDirectory) + "\\" + name;
    }

    void Start(const std::string& arguments) {
        ASSERT_TRUE(program_->Start(Installed("morvest.exe"), arguments, InstallDirectory));
    }
    void Restart(const std::string& arguments) { Start(arguments); }
    static bool WaitUntilGone(HWND window, DWORD milliseconds) {
        for (DWORD waited = 0; waited < milliseconds && IsWindow(window); waited += 50)
            Sleep(50);
        return !IsWindow(window);
    }
    HWND WaitForWindow(const char* className, const char* title = nullptr,
                       DWORD milliseconds = 20000) {
        return program_->WaitForWindow(className, title, milliseconds);
    }
    DWORD WaitForExit(DWORD milliseconds = 15000) { return program_->WaitForExit(milliseconds); }
    static std::string Settings() { return ReadFileBytes(WindowsFile("MORVEST.INI")); }
    static std::string SettingsWith(const std::string& lines) {
        return "[TavrinAMorvestDaybook]\r\nShowStartupWindow = 0\r\n" + lines;
    }

    std::unique_ptr<RunningProgram> program_ = std::make_unique<RunningProgram>();
};

TEST_F(DaybookTest, AFirstRunShowsTodayAndWritesACompleteSettingsFile) {
    Start("");
    HWND window = WaitForWindow("TavrinApplication");
    ASSERT_NE(window, nullptr);
    char title[128];
    GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, "Tavrin: A Morvest Daybook");

    DayDate today = TodayDate();
    char dateLine[64];
    FormatDateLine(today, dateLine, sizeof dateLine);
    EXPECT_EQ(ControlText(window, IDC_MAIN_DATE), dateLine);
    EXPECT_EQ(ControlText(window, IDC_MAIN_WEEKDAY), GetTodayWeekdayName());
    ASSERT_TRUE(LoadDatabaseFile(TAVRIN_DATABASE_FILE));
    const char* entry = GetEntryText(today.month - 1, today.day);
    EXPECT_EQ(ControlText(window, IDC_MAIN_ENTRY), entry + (*entry == '*' ? 1 : 0));
    EXPECT_NE(ControlText(window, IDC_MAIN_TIME).find('m'), std::string::npos);

    PostMessageA(window, WM_COMMAND, CMD_EXIT, 0);
    EXPECT_EQ(WaitForExit(), 1u);
    std::string settings = Settings();
    int rows = 0;
    for (size_t at = 0; (at = settings.find(" = ", at)) != std::string::npos; ++at)
        ++rows;
    EXPECT_EQ(rows, 14);
    EXPECT_NE(settings.find("\r\nApplicationPath = C:\\tavrin-e2e\\\r\n"), std::string::npos)
        << settings;
    size_t lastTime = settings.find("\r\nLastTime = ");
    ASSERT_NE(lastTime, std::string::npos);
    EXPECT_EQ(settings.find("\r\n", lastTime + 2) - (lastTime + 13), 24u);
}

TEST_F(DaybookTest, OncePerDayEndsASecondStartSilentlyUnlessNoTimeoutIsGiven) {
    char now[TimeTextLength + 1];
    CurrentTimeText(now);
    std::string before =
        SettingsWith("OncePerDay = 1\r\nDelayTime = 30\r\nLastTime = " + std::string(now) + "\r\n");
    ASSERT_TRUE(WriteFileBytes(WindowsFile("MORVEST.INI"), before));
    Start("");
    EXPECT_EQ(WaitForExit(), 0u);
    EXPECT_EQ(Settings(), before);

    Start("/notimeout");
    HWND window = WaitForWindow("TavrinApplication");
    ASSERT_NE(window, nullptr);
    Sleep(2500); // past more than one clock tick: "/NOTIMEOUT" also stops the auto-close
    EXPECT_EQ(WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
    PostMessageA(window, WM_COMMAND, CMD_EXIT, 0);
    EXPECT_EQ(WaitForExit(), 1u);
}

TEST_F(DaybookTest, DelayTimeClosesTheWindowByItself) {
    ASSERT_TRUE(WriteFileBytes(WindowsFile("MORVEST.INI"), SettingsWith("DelayTime = 2\r\n")));
    Start("");
    ASSERT_NE(WaitForWindow("TavrinApplication"), nullptr);
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
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(WaitForExit(), 1u);
    EXPECT_NE(Settings().find("LastTime = "), std::string::npos);
}

TEST_F(DaybookTest, ADatabaseElsewhereIsFoundThroughTheSettingsFile) {
    // The settings file names another directory: the database is read there, and the
    // program's own directory is what gets written back.
    CreateDirectoryA("C:\\tavrin-e2e-data", nullptr);
    MoveFileExA(Installed("MORVEST.DAT").c_str(), "C:\\tavrin-e2e-data\\MORVEST.DAT",
                MOVEFILE_REPLACE_EXISTING);
    ASSERT_TRUE(WriteFileBytes(WindowsFile("MORVEST.INI"),
                               SettingsWith("ApplicationPath = C:\\tavrin-e2e-data\\\r\n")));
    Start("");
    HWND window = WaitForWindow("TavrinApplication");
    ASSERT_NE(window, nullptr);
    PostMessageA(window, WM_COMMAND, CMD_EXIT, 0);
    EXPECT_EQ(WaitForExit(), 1u);
    EXPECT_NE(Settings().find("ApplicationPath = C:\\tavrin-e2e\\\r\n"), std::string::npos);
    DeleteFileA("C:\\tavrin-e2e-data\\MORVEST.DAT");
    RemoveDirectoryA("C:\\tavrin-e2e-data");
}

// A daybook moved to another folder: the folder the file names has no database any more, the
// program's own one has; it starts, and records its own folder for the next start.
TEST_F(DaybookTest, AMovedDaybookStartsFromItsOwnFolderAndRecordsIt) {
    ASSERT_TRUE(WriteFileBytes(WindowsFile("MORVEST.INI"),
                               SettingsWith("ApplicationPath = C:\\tavrin-old-place\\\r\n")));
    Start("");
    HWND window = WaitForWindow("TavrinApplication");
    ASSERT_NE(window, nullptr);
    EXPECT_NE(ControlText(window, IDC_MAIN_ENTRY).find(' '), std::string::npos);
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); // the close box ends it as Exit does
    EXPECT_EQ(WaitForExit(), 1u);
    EXPECT_NE(Settings().find("ApplicationPath = C:\\tavrin-e2e\\\r\n"), std::string::npos);
}

TEST_F(DaybookTest, StayOnTopKeepsTheWindowTopmostUnlessTheOptionSaysNo) {
    ASSERT_TRUE(WriteFileBytes(WindowsFile("MORVEST.INI"), SettingsWith("StayOnTop = 1\r\n")));
    Start("/nostayontop");
    HWND window = WaitForWindow("TavrinApplication");
    ASSERT_NE(window, nullptr);
    Sleep(600);
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    PostMessageA(window, WM_COMMAND, CMD_EXIT, 0);
    EXPECT_EQ(WaitForExit(), 1u);

    ASSERT_TRUE(WriteFileBytes(WindowsFile("MORVEST.INI"), SettingsWith("StayOnTop = 1\r\n")));
    Start("");
    window = WaitForWindow("TavrinApplication");
    ASSERT_NE(window, nullptr);
    Sleep(600);
    EXPECT_NE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    PostMessageA(window, WM_COMMAND, CMD_EXIT, 0);
    EXPECT_EQ(WaitForExit(), 1u);
}

// Runs only inside a screen of 640 by 480 pixels (tests/wine/on_screen.sh).
TEST_F(DaybookTest, ASmallScreenIsRefusedBeforeAnythingElse) {
    if (GetSystemMetrics(SM_CXSCREEN) >= 800 && GetSystemMetrics(SM_CYSCREEN) >= 600)
        GTEST_SKIP() << "needs a screen below 800 by 600";
    Start("");
    HWND box = WaitForWindow("#32770", "Message");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ControlText(box, 0xFFFF),
              "Tavrin: A Morvest Daybook requires a screen resolution of at least 800 by 600 "
              "pixels. Please see the Drivers document installed with this software for "
              "assistance in updating your screen driver.");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(WaitForExit(), 1u);
    EXPECT_EQ(GetFileAttributesA(WindowsFile("MORVEST.INI").c_str()), INVALID_FILE_ATTRIBUTES);
}

// Real mouse input: the text controls let clicks through to the window, the picture does not.
void ClickAt(HWND control, DWORD down, DWORD up) {
    RECT place;
    GetWindowRect(control, &place);
    POINT middle = {(place.left + place.right) / 2, (place.top + place.bottom) / 2}, cursor = {};
    SetCursorPos(middle.x, middle.y);
    for (int waited = 0; waited < 2000; waited += 20) { // on a busy machine it may take a while
        if (GetCursorPos(&cursor) && cursor.x == middle.x && cursor.y == middle.y)
            break;
        Sleep(20);
    }
    Sleep(100);
    mouse_event(down, 0, 0, 0, 0);
    mouse_event(up, 0, 0, 0, 0);
    Sleep(500);
}

TEST_F(DaybookTest, ClickToCloseTakesClicksOnTheTextButNotOnThePicture) {
    ASSERT_TRUE(WriteFileBytes(WindowsFile("MORVEST.INI"), SettingsWith("ClickToClose = 1\r\n")));
    Start("");
    HWND window = WaitForWindow("TavrinApplication");
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);
    ClickAt(GetDlgItem(window, IDC_MAIN_PICTURE), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(WaitForExit(500), static_cast<DWORD>(STILL_ACTIVE));
    ClickAt(GetDlgItem(window, IDC_MAIN_ENTRY), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(WaitForExit(5000), 1u);
}

TEST_F(DaybookTest, NoClickToCloseKeepsTheWindowOpen) {
    ASSERT_TRUE(WriteFileBytes(WindowsFile("MORVEST.INI"), SettingsWith("ClickToClose = 1\r\n")));
    Start("/NOCLICKTOCLOSE");
    HWND window = WaitForWindow("TavrinApplication");
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);
    ClickAt(GetDlgItem(window, IDC_MAIN_ENTRY), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(WaitForExit(500), static_cast<DWORD>(STILL_ACTIVE));
    PostMessageA(window, WM_COMMAND, CMD_EXIT, 0);
    EXPECT_EQ(WaitForExit(), 1u);
}

TEST_F(DaybookTest, ARightClickOnTheTextOpensTheMenuButNotOnThePicture) {
    ASSERT_TRUE(WriteFileBytes(WindowsFile("MORVEST.INI"), SettingsWith("")));
    Start("");
    HWND window = WaitForWindow("TavrinApplication");
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);
    ClickAt(GetDlgItem(window, IDC_MAIN_PICTURE), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    EXPECT_EQ(WaitForWindow("#32768", nullptr, 1000), nullptr);
    ClickAt(GetDlgItem(window, IDC_MAIN_ENTRY), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    HWND menu = WaitForWindow("#32768", nullptr, 5000);
    EXPECT_NE(menu, nullptr);
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
        for (int waited = 0; waited < 5000 && IsWindowVisible(sheet_); waited += 20)
            Sleep(20);
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
    static std::string Row(const std::string& settings, const char* key) {
        size_t at = settings.find("\r\n" + std::string(key) + " = ");
        if (at == std::string::npos)
            return "(missing)";
        at += 5 + strlen(key);
        return settings.substr(at, settings.find("\r\n", at) - at);
    }
    HWND sheet_ = nullptr;
};

TEST_F(SetupTest, ThePageShowsTheFileAndCancelChangesNothing) {
    ASSERT_TRUE(WriteFileBytes(WindowsFile("MORVEST.INI"),
                               SettingsWith("ClickToClose = 1\r\nDelayTime = 25\r\n"
                                            "TintSelection = 12\r\nShowDriverMessage = 0\r\n")));
    Start("");
    HWND window = WaitForWindow("TavrinApplication");
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
    PostMessageA(window, WM_COMMAND, CMD_EXIT, 0);
    EXPECT_EQ(WaitForExit(), 1u);
    std::string settings = Settings();
    EXPECT_EQ(Row(settings, "ClickToClose"), "1");
    EXPECT_EQ(Row(settings, "OncePerDay"), "0");
    EXPECT_EQ(Row(settings, "WarnShowManual"), "1");
    EXPECT_EQ(Row(settings, "ShowDriverMessage"), "0");
    EXPECT_EQ(Row(settings, "DelayTime"), "25");
    EXPECT_EQ(Row(settings, "TintSelection"), "12");
}

TEST_F(SetupTest, OkStoresClampedValuesThatTakeEffectAndReachTheFile) {
    ASSERT_TRUE(WriteFileBytes(WindowsFile("MORVEST.INI"), SettingsWith("")));
    Start("");
    HWND window = WaitForWindow("TavrinApplication");
    ASSERT_NE(window, nullptr);
    HWND page = OpenSetup(window);
    ASSERT_NE(page, nullptr);
    ChangeEverything(page);
    Press(PSBTN_OK);
    // Stay on top switched on: topmost within a few ticks of the 100 ms timer.
    bool topmost = false;
    for (int waited = 0; waited < 2000 && !topmost; waited += 50) {
        Sleep(50);
        topmost = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    }
    EXPECT_TRUE(topmost);
    page = OpenSetup(window);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(ControlText(page, IDC_SETUP_DELAY_TIME), "1000"); // 5000 was stored as 1000
    EXPECT_EQ(SendDlgItemMessageA(page, IDC_SETUP_TINT, CB_GETCURSEL, 0, 0), 3);
    SendDlgItemMessageA(page, IDC_SETUP_DELAY_TIME, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    Press(PSBTN_OK);
    PostMessageA(window, WM_COMMAND, CMD_EXIT, 0);
    EXPECT_EQ(WaitForExit(), 1u);
    std::string settings = Settings();
    for (const char* key : {"ClickToClose", "OncePerDay", "ShowStartupWindow", "StayOnTop"})
        EXPECT_EQ(Row(settings, key), "1") << key;
    for (const char* key : {"WarnShowManual", "ShowDriverMessage"})
        EXPECT_EQ(Row(settings, key), "0") << key;
    EXPECT_EQ(Row(settings, "DelayTime"), "0"); // the empty box
    EXPECT_EQ(Row(settings, "TintSelection"), "3");
}

TEST_F(DaybookTest, TheManualOpensAfterTheWarningWhoseBoxIsSavedAtExit) {
    FakeBrowser browser;
    ASSERT_TRUE(browser.InstallIn("C:\\tavrin e2e browser"));
    CreateDirectoryA(Installed("html").c_str(), nullptr);
    ASSERT_TRUE(WriteFileBytes(Installed("html\\manual.htm"), "<html></html>"));
    ASSERT_TRUE(WriteFileBytes(WindowsFile("MORVEST.INI"), SettingsWith("")));
    Start("");
    HWND window = WaitForWindow("TavrinApplication");
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
    PostMessageA(window, WM_COMMAND, CMD_EXIT, 0);
    EXPECT_EQ(WaitForExit(), 1u);
    EXPECT_NE(Settings().find("\r\nWarnShowManual = 0\r\n"), std::string::npos);
}

// The logo greets a start with the default settings and goes on a click or after LogoDelay.
TEST_F(DaybookTest, TheLogoGreetsADefaultStartAndGoesOnAClickOrByItself) {
    Start("");
    HWND logo = WaitForWindow("TavrinLogo");
    ASSERT_NE(logo, nullptr);
    HWND window = WaitForWindow("TavrinApplication");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindow(logo)); // the default LogoDelay is 8 seconds
    PostMessageA(logo, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
    EXPECT_TRUE(WaitUntilGone(logo, 3000));
    PostMessageA(window, WM_COMMAND, CMD_EXIT, 0);
    EXPECT_EQ(WaitForExit(), 1u);

    ASSERT_TRUE(WriteFileBytes(WindowsFile("MORVEST.INI"),
                               "[TavrinAMorvestDaybook]\r\nLogoDelay = 400\r\n"));
    Restart("");
    logo = WaitForWindow("TavrinLogo");
    ASSERT_NE(logo, nullptr);
    window = WaitForWindow("TavrinApplication");
    EXPECT_TRUE(WaitUntilGone(logo, 5000));
    EXPECT_TRUE(IsWindowVisible(window));
    PostMessageA(window, WM_COMMAND, CMD_EXIT, 0);
    EXPECT_EQ(WaitForExit(), 1u);
}

TEST_F(DaybookTest, NoLogoWhenSwitchedOffInAnyLetterCaseOrWithStayOnTop) {
    for (const char* lines : {"showstartupwindow = 0\r\n", "ShowStartupWindow=0\r\n",
                              "ShowStartupWindow = 1\r\nStayOnTop = 1\r\n"}) {
        SCOPED_TRACE(lines);
        ASSERT_TRUE(WriteFileBytes(WindowsFile("MORVEST.INI"),
                                   std::string("[TavrinAMorvestDaybook]\r\nLogoDelay = 20000\r\n") +
                                       lines));
        Restart("");
        HWND window = WaitForWindow("TavrinApplication");
        ASSERT_NE(window, nullptr);
        // The logo comes before the main window, so it would be there by now.
        EXPECT_EQ(FindProcessWindow(program_->id(), "TavrinLogo"), nullptr);
        PostMessageA(window, WM_COMMAND, CMD_EXIT, 0);
        EXPECT_EQ(WaitForExit(), 1u);
    }
}

// On a palette display (an 8-bit virtual screen, tests/wine/on_screen.sh) the display check
// greets every start until its box is cleared; on any other it never appears.
TEST_F(DaybookTest, TheDisplayCheckAppearsOnPaletteDisplaysUntilItsBoxIsCleared) {
    HDC screen = GetDC(nullptr);
    bool palette = GetDeviceCaps(screen, PLANES) * GetDeviceCaps(screen, BITSPIXEL) <= 8;
    ReleaseDC(nullptr, screen);
    for (int start = 0; start < 3; ++start) {
        ASSERT_TRUE(
            WriteFileBytes(WindowsFile("MORVEST.INI"), start == 0 ? SettingsWith("") : Settings()));
        Restart("");
        HWND window = WaitForWindow("TavrinApplication");
        ASSERT_NE(window, nullptr);
        HWND check = WaitForWindow("#32770", "", palette && start < 2 ? 20000 : 1500);
        EXPECT_EQ(check != nullptr, palette && start < 2) << start;
        if (check != nullptr) {
            EXPECT_EQ(ControlText(check, IDC_DRIVER_SHOW_AGAIN), "Show me this message next time");
            EXPECT_EQ(IsDlgButtonChecked(check, IDC_DRIVER_SHOW_AGAIN), BST_CHECKED);
            if (start == 1)
                SendDlgItemMessageA(check, IDC_DRIVER_SHOW_AGAIN, BM_CLICK, 0, 0);
            PostMessageA(check, WM_COMMAND, IDOK, 0);
            ASSERT_TRUE(WaitUntilGone(check, 5000));
        }
        PostMessageA(window, WM_COMMAND, CMD_EXIT, 0);
        EXPECT_EQ(WaitForExit(), 1u);
        EXPECT_NE(Settings().find(start >= 1 && palette ? "\r\nShowDriverMessage = 0\r\n"
                                                        : "\r\nShowDriverMessage = 1\r\n"),
                  std::string::npos)
            << start;
    }
}

} // namespace
