// The Setup page, the warning box and the document opener in this process, with the daybook's
// own templates and strings; modal windows are driven from a second thread.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/main_window_win.h"
#include "app/shared_ui_win.h"
#include "database/database.h"
#include "dialogs/documents_win.h"
#include "dialogs/setup_dialog_win.h"
#include "pictures/tints.h"
#include "resource.h"
#include "settings/settings.h"
#include "tests/core/test_files.h"
#include "tests/wine/wine_fixtures.h"

namespace {

const int BooleanControls[] = {IDC_SETUP_CLICK_TO_CLOSE,      IDC_SETUP_ONCE_PER_DAY,
                               IDC_SETUP_SHOW_STARTUP_WINDOW, IDC_SETUP_STAY_ON_TOP,
                               IDC_SETUP_WARN_SHOW_MANUAL,    IDC_SETUP_SHOW_DRIVER_MESSAGE};
uint32_t* const BooleanSettings[] = {&ClickToClose, &OncePerDay,     &ShowStartupWindow,
                                     &StayOnTop,    &WarnShowManual, &ShowDriverMessage};

class SetupPage : public ::testing::Test {
  protected:
    void SetUp() override {
        UseResourcesOf(TAVRIN_MORVEST_FILE);
        ASSERT_NE(ResourceModule, nullptr);
        ResetSettings(MainSettingsTable);
        SettingsTable = MainSettingsTable;
        parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                                  nullptr, nullptr);
    }
    void TearDown() override {
        DestroyWindow(parent_);
        DrainMessages();
    }
    // The page made from its template as a child of a plain window, as the sheet makes it.
    HWND OpenPage() {
        return CreateDialogParamA(ResourceModule, "SetupPropertyOne", parent_, SetupPageProc, 0);
    }
    HWND parent_ = nullptr;
};

TEST_F(SetupPage, TemplatesGiveThePageAndTheBoxTheirCaptionsStylesAndTexts) {
    DialogTemplate page, warning;
    ASSERT_TRUE(ReadDialogTemplate(ResourceModule, "SetupPropertyOne", &page));
    EXPECT_EQ(page.caption, "Application");
    EXPECT_TRUE(page.cx == 310 && page.cy == 160 && page.pointSize == 8);
    EXPECT_EQ(page.font, "MS Sans Serif");
    const TemplateControl* spin = page.Control(IDC_SETUP_DELAY_SPIN);
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->text, "0,1000,10");
    EXPECT_EQ(spin->style & (UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_NOTHOUSANDS),
              static_cast<DWORD>(UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_NOTHOUSANDS));
    EXPECT_NE(page.Control(IDC_SETUP_DELAY_TIME)->style & ES_NUMBER, 0u);
    EXPECT_NE(page.Control(IDC_SETUP_TINT)->style & CBS_SORT, 0u);

    ASSERT_TRUE(ReadDialogTemplate(ResourceModule, "WarningBox", &warning));
    EXPECT_EQ(warning.caption, "Warning");
    EXPECT_TRUE(warning.x == 68 && warning.y == 57 && warning.cx == 268 && warning.cy == 104);
    EXPECT_EQ(warning.style & WS_SYSMENU, 0u); // no close box
    EXPECT_EQ(warning.Control(IDOK)->text, "Ok");
    EXPECT_EQ(warning.Control(IDC_WARNING_SHOW_AGAIN)->text,
              "Show me this warning again next time.");
    EXPECT_NE(warning.Control(IDC_WARNING_TEXT)->style & SS_NOPREFIX, 0u);
    EXPECT_NE(warning.Control(IDC_WARNING_HELP), nullptr);
}

TEST_F(SetupPage, ThePageShowsEverySettingAndTheTintsInTableOrder) {
    const uint32_t values[] = {1, 0, 0, 1, 0, 1};
    for (size_t i = 0; i < 6; ++i)
        *BooleanSettings[i] = values[i];
    DelayTime = 25;
    TintSelection = 12;
    strcpy(LastTime, "Mon Dec 07 09:00:00 2026"); // a row without a control is left alone
    HWND page = OpenPage();
    ASSERT_NE(page, nullptr);
    ExpectDialogConventions(page);
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(IsDlgButtonChecked(page, BooleanControls[i]), values[i]) << BooleanControls[i];
    EXPECT_EQ(ControlText(page, IDC_SETUP_DELAY_TIME), "25");
    HWND tints = GetDlgItem(page, IDC_SETUP_TINT);
    ASSERT_EQ(SendMessageA(tints, CB_GETCOUNT, 0, 0), TintCount);
    for (int i = 0; i < TintCount; ++i) {
        char name[64] = "";
        SendMessageA(tints, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(name));
        EXPECT_STREQ(name, TintTable[i].name);
    }
    EXPECT_EQ(SendMessageA(tints, CB_GETCURSEL, 0, 0), 12);
    int lower = 0, upper = 0;
    SendDlgItemMessageA(page, IDC_SETUP_DELAY_SPIN, UDM_GETRANGE32,
                        reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
    EXPECT_TRUE(lower == 0 && upper == 1000) << lower << ".." << upper;
    // The arrows step from the shown value, and the box never gets a thousands separator.
    SetDlgItemTextA(page, IDC_SETUP_DELAY_TIME, "999");
    SendDlgItemMessageA(page, IDC_SETUP_DELAY_SPIN, UDM_SETPOS32, 0, 1000);
    EXPECT_EQ(ControlText(page, IDC_SETUP_DELAY_TIME), "1000");

    for (int id : BooleanControls)
        SendDlgItemMessageA(page, id, BM_CLICK, 0, 0);
    SendMessageA(tints, CB_SETCURSEL, 3, 0);
    StorePageControls(page);
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(*BooleanSettings[i], 1 - values[i]) << BooleanControls[i];
    EXPECT_EQ(DelayTime, 1000u);
    EXPECT_EQ(TintSelection, 3u);
    EXPECT_STREQ(LastTime, "Mon Dec 07 09:00:00 2026");
    DestroyWindow(page);
}

TEST_F(SetupPage, OutOfRangeSettingsOpenSafelyAndStoreClampedOrUnchanged) {
    struct {
        uint32_t delay, tint;
        const char* shown;
        int selection;
        const char* typed; // nullptr: leave the box as loaded
        uint32_t storedDelay, storedTint;
    } cases[] = {
        {5000, 99, "5000", -1, nullptr, 1000, 99},
        {UINT32_MAX, 15, "4294967295", -1, nullptr, 1000, 15},
        {10, 14, "10", 14, "", 0, 14},
        {10, 0, "10", 0, "abc", 0, 0},
        {10, 1, "10", 1, "5000", 1000, 1},
        {10, 1, "10", 1, "0", 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        DelayTime = c.delay;
        TintSelection = c.tint;
        HWND page = OpenPage();
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(ControlText(page, IDC_SETUP_DELAY_TIME), c.shown);
        EXPECT_EQ(SendDlgItemMessageA(page, IDC_SETUP_TINT, CB_GETCURSEL, 0, 0), c.selection);
        if (c.typed != nullptr)
            SetDlgItemTextA(page, IDC_SETUP_DELAY_TIME, c.typed); // as a paste would
        StorePageControls(page);
        EXPECT_EQ(DelayTime, c.storedDelay);
        EXPECT_EQ(TintSelection, c.storedTint);
        DestroyWindow(page);
    }
}

// The real main window with the sheet opened through its Setup command.
class SetupFromMainWindow : public SetupPage {
  protected:
    void SetUp() override {
        SetupPage::SetUp();
        window_ = OpenTestMainWindow();
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        CloseTestMainWindow(window_);
        SetupPage::TearDown();
    }
    // Runs Setup; the action gets the sheet and its page, then the sheet's button is pressed.
    bool RunSetup(std::function<void(HWND sheet, HWND page)> act, int button = PSBTN_OK) {
        WhenWindowAppears driver("#32770", "Setup", [&](HWND sheet) {
            HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
            act(sheet, page);
            PostMessageA(sheet, PSM_PRESSBUTTON, button, 0);
        });
        SendMessageA(window_, WM_COMMAND, CMD_SETUP, 0);
        return driver.Acted();
    }
    HWND window_ = nullptr;
};

TEST_F(SetupFromMainWindow, ANewTintShowsAtOnceOnTextsAndPicture) {
    Canvas neutral(128, 420), coral(128, 420);
    TintSelection = 0;
    RefreshDisplay(window_, TRUE, nullptr);
    DRAWITEMSTRUCT item = neutral.DrawItem(IDC_MAIN_PICTURE);
    SendMessageA(window_, WM_DRAWITEM, IDC_MAIN_PICTURE, reinterpret_cast<LPARAM>(&item));

    std::string sheetTitle;
    ASSERT_TRUE(RunSetup([&](HWND sheet, HWND page) {
        char title[64] = "";
        GetWindowTextA(sheet, title, sizeof title);
        sheetTitle = title;
        SendDlgItemMessageA(page, IDC_SETUP_TINT, CB_SETCURSEL, 12, 0);
    }));
    EXPECT_EQ(sheetTitle, "Setup");
    EXPECT_EQ(TintSelection, 12u);
    EXPECT_EQ(CurrentTintColour, GetTintColour(12));
    // The whole window is to be repainted, the picture with it.
    RECT update;
    EXPECT_TRUE(GetUpdateRect(GetDlgItem(window_, IDC_MAIN_PICTURE), &update, FALSE));
    HWND date = GetDlgItem(window_, IDC_MAIN_DATE);
    HDC dc = GetDC(date);
    SendMessageA(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(date));
    EXPECT_EQ(GetTextColor(dc), GetTintColour(12));
    ReleaseDC(date, dc);

    item = coral.DrawItem(IDC_MAIN_PICTURE);
    SendMessageA(window_, WM_DRAWITEM, IDC_MAIN_PICTURE, reinterpret_cast<LPARAM>(&item));
    std::vector<uint32_t> before = neutral.Pixels(), after = coral.Pixels();
    int lit = 0;
    for (size_t i = 0; i < before.size(); ++i) {
        ASSERT_EQ((after[i] >> 16) & 0xFF, (before[i] >> 16) & 0xFF) << i; // red stays
        ASSERT_EQ((after[i] >> 8) & 0xFF, ((before[i] >> 8) & 0xFF) * 220 / 255) << i;
        ASSERT_EQ(after[i] & 0xFF, (before[i] & 0xFF) * 220 / 255) << i;
        lit += (before[i] & 0xFFFFFF) != 0;
    }
    EXPECT_GT(lit, 1000);
}

TEST_F(SetupFromMainWindow, AHundredSheetsAndWarningsLeaveNoObjectBehind) {
    WarnShowManual = 1;
    ExpectNothingLeftBehind("sheet and warning", [this] {
        ASSERT_TRUE(RunSetup([](HWND, HWND) {}));
        WhenWindowAppears okay("#32770", "Warning",
                               [](HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); });
        ShowWarningBox(window_, "A warning", &WarnShowManual);
        ASSERT_TRUE(okay.Acted());
    });
}

// The opener with the stand-in browser, for program and browser directories with and without
// spaces.
class Documents : public SetupFromMainWindow {
  protected:
    // A program directory holding the three documents, which the shell needs to find.
    static void MakeDocuments(std::string directory) {
        if (directory.back() == '\\')
            directory.pop_back();
        CreateDirectoryA(directory.c_str(), nullptr);
        CreateDirectoryA((directory + "\\html").c_str(), nullptr);
        for (const char* name : {"manual.htm", "referenc.htm", "drivers.htm"})
            ASSERT_TRUE(WriteFileBytes(directory + "\\html\\" + name, "<html></html>"));
    }
    void TearDown() override {
        browser_.reset();
        SetupFromMainWindow::TearDown();
    }
    std::unique_ptr<FakeBrowser> browser_ = std::make_unique<FakeBrowser>();
};

TEST_F(Documents, TheBrowserGetsTheDocumentWithItsAnchorOnOneQuotedLine) {
    WarnShowManual = 0;
    bool shellLoaded = GetModuleHandleA("shell32.dll") != nullptr; // the opener frees what it loads
    for (const char* browserDirectory : {"C:\\tavrin-browser", "C:\\tavrin browser"}) {
        ASSERT_TRUE(browser_->InstallIn(browserDirectory));
        for (const char* program : {"C:\\tavrin-docs", "C:\\tavrin docs\\"}) {
            std::string directory = program;
            if (directory.back() != '\\')
                directory += '\\';
            MakeDocuments(directory);
            lstrcpynA(ApplicationPath, program, sizeof ApplicationPath);
            bool spaced = directory.find(' ') != std::string::npos;
            std::string quote = spaced ? "\"" : "";
            std::string start = "\"" + browser_->program() + "\" " + quote + directory + "html\\";
            SCOPED_TRACE(start);
            EXPECT_EQ(OpenManual(window_), 1);
            EXPECT_EQ(browser_->NextCommandLine(), start + "manual.htm#DOCUMENTATION" + quote);
            EXPECT_EQ(OpenReference(window_, "SETUP"), 1);
            EXPECT_EQ(browser_->NextCommandLine(), start + "referenc.htm#SETUP" + quote);
            EXPECT_EQ(OpenReference(window_, "SysInfo"), 1);
            EXPECT_EQ(browser_->NextCommandLine(), start + "referenc.htm#SysInfo" + quote);
            EXPECT_EQ(LaunchDocument(window_, "html\\drivers.htm", nullptr), 1);
            EXPECT_EQ(browser_->NextCommandLine(), start + "drivers.htm" + quote);
        }
    }
    EXPECT_EQ(GetModuleHandleA("shell32.dll") != nullptr, shellLoaded);
}

TEST_F(Documents, F1OnThePageWarnsThenOpensTheReferenceAtSetup) {
    ASSERT_TRUE(browser_->InstallIn("C:\\tavrin-browser"));
    MakeDocuments("C:\\tavrin-docs");
    lstrcpynA(ApplicationPath, "C:\\tavrin-docs\\", sizeof ApplicationPath);
    WarnShowManual = 1;
    std::string warning;
    bool escapeIgnored = false;
    ASSERT_TRUE(RunSetup(
        [&](HWND, HWND page) {
            WhenWindowAppears box("#32770", "Warning", [&](HWND box) {
                warning = ControlText(box, IDC_WARNING_TEXT);
                ExpectDialogConventions(box, IDOK);
                SendMessageA(box, WM_COMMAND, IDCANCEL, 0);
                SendMessageA(box, WM_COMMAND, IDC_WARNING_HELP, 0);
                escapeIgnored = IsWindowVisible(box) != FALSE;
                PostMessageA(box, WM_COMMAND, IDOK, 0);
            });
            HELPINFO help = {sizeof help, HELPINFO_WINDOW, IDC_SETUP_TINT, nullptr, 0, {0, 0}};
            SendMessageA(page, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
            EXPECT_TRUE(box.Acted());
        },
        PSBTN_CANCEL));
    EXPECT_EQ(warning, LoadText(IDS_MANUAL_WARNING));
    EXPECT_TRUE(escapeIgnored);
    EXPECT_EQ(browser_->NextCommandLine(),
              "\"" + browser_->program() + "\" C:\\tavrin-docs\\html\\referenc.htm#SETUP");
}

TEST_F(Documents, TheWarningsCheckBoxWritesTheSettingAtOnce) {
    ASSERT_TRUE(browser_->InstallIn("C:\\tavrin-browser"));
    MakeDocuments("C:\\tavrin-docs");
    lstrcpynA(ApplicationPath, "C:\\tavrin-docs\\", sizeof ApplicationPath);
    WarnShowManual = 1;
    for (int clicks : {1, 2, 3}) {
        uint32_t seenAfterClicks = 99;
        bool checkedAtFirst = false;
        WhenWindowAppears box("#32770", "Warning", [&](HWND box) {
            checkedAtFirst = IsDlgButtonChecked(box, IDC_WARNING_SHOW_AGAIN) == BST_CHECKED;
            for (int i = 0; i < clicks; ++i)
                SendDlgItemMessageA(box, IDC_WARNING_SHOW_AGAIN, BM_CLICK, 0, 0);
            seenAfterClicks = WarnShowManual;
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        });
        WarnShowManual = 1;
        OpenManual(window_);
        ASSERT_TRUE(box.Acted());
        EXPECT_TRUE(checkedAtFirst);
        EXPECT_EQ(seenAfterClicks, clicks % 2 == 0 ? 1u : 0u) << clicks;
        EXPECT_NE(browser_->NextCommandLine(), ""); // opened whatever the box says
    }
    // Switched off: the next document opens without a box.
    WarnShowManual = 0;
    OpenManual(window_);
    EXPECT_NE(browser_->NextCommandLine(), "");
    EXPECT_EQ(FindProcessWindow(GetCurrentProcessId(), "#32770", "Warning"), nullptr);
}

TEST_F(Documents, AMissingDocumentOrProgramIsReportedWithMessage109) {
    ASSERT_TRUE(browser_->InstallIn("C:\\tavrin-browser"));
    MakeDocuments("C:\\tavrin-docs");
    WarnShowManual = 0;
    for (bool associated : {true, false}) {
        lstrcpynA(ApplicationPath, associated ? "C:\\no-such-directory\\" : "C:\\tavrin-docs\\",
                  sizeof ApplicationPath);
        if (!associated)
            browser_->Unregister();
        std::string message;
        WhenWindowAppears box("#32770", "Message", [&](HWND box) {
            message = ControlText(box, 0xFFFF);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        });
        EXPECT_EQ(LaunchDocument(window_, "html\\manual.htm", "#DOCUMENTATION"), 0);
        ASSERT_TRUE(box.Acted()) << associated;
        EXPECT_EQ(message, LoadText(IDS_DOCUMENT_ERROR));
        EXPECT_EQ(browser_->NextCommandLine(1000), "");
    }
}

} // namespace
