// Windows of both programs opened and closed a hundred times, and the day picture redrawn a
// thousand times, in this process: the GDI objects and the windows come back to where they
// were.
#include <windows.h>

#include <commctrl.h>

#include <functional>

#include <gtest/gtest.h>

#include "app/day_display.h"
#include "app/shared_ui.h"
#include "calendar/calendar_dialog.h"
#include "database/database.h"
#include "resource.h"
#include "saver/saver.h"
#include "settings/settings.h"
#include "tests/wine/wine_fixtures.h"

namespace {

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, CountChild, count);
    return TRUE;
}

// Every window of this thread, children included.
int WindowCount() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

class Handles : public ::testing::Test {
  protected:
    void SetUp() override {
        UseResourcesOf(TAVRIN_MORVEST_FILE);
        ASSERT_NE(ResourceModule, nullptr);
        // The saver's windows belong to this program; its setup template comes from its file.
        OwnModule = GetModuleHandleA(nullptr);
        saverFile_ = LoadLibraryExA(TAVRIN_MORVSAVE_FILE, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(saverFile_, nullptr);
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        ResetSettings(MainSettingsTable);
        ASSERT_TRUE(LoadDatabaseFile(TAVRIN_DATABASE_FILE));
    }
    void TearDown() override {
        FreeDatabase();
        FreeLibrary(saverFile_);
    }
    HMODULE saverFile_ = nullptr;
    // Runs the action a hundred times after three rounds of warming up; the GDI objects and the
    // windows must be where they were after the warm-up.
    static void ExpectNothingLeftBehind(const char* what, const std::function<void()>& open) {
        SCOPED_TRACE(what);
        size_t slots = 0;
        int windows = 0;
        for (int i = -3; i < 100; ++i) {
            if (i == 0) {
                DrainMessages();
                slots = FreeGdiSlots();
                windows = WindowCount();
            }
            open();
        }
        DrainMessages();
        EXPECT_EQ(FreeGdiSlots(), slots);
        EXPECT_EQ(WindowCount(), windows);
    }
    static std::function<void()> Modal(std::function<void()> show, int button = IDOK) {
        return [show, button] {
            WhenWindowAppears closer("#32770", nullptr, [button](HWND box) {
                PostMessageA(box, WM_COMMAND, button, 0);
            });
            show();
            EXPECT_TRUE(closer.Acted());
        };
    }
};

TEST_F(Handles, TheMainWindowAndItsCalendarComeAndGoWithoutATrace) {
    ExpectNothingLeftBehind("main window", [] {
        HWND window = OpenTestMainWindow();
        ASSERT_NE(window, nullptr);
        CloseTestMainWindow(window);
    });
    HWND window = OpenTestMainWindow();
    ExpectNothingLeftBehind("calendar", Modal([window] { ShowCalendar(window); }));
    CloseTestMainWindow(window);
}

TEST_F(Handles, TheDayPictureDrawnAThousandTimesKeepsNothing) {
    HWND window = OpenTestMainWindow();
    ASSERT_NE(window, nullptr);
    Canvas canvas(128, 420);
    DrainMessages();
    size_t slots = FreeGdiSlots();
    for (int i = 0; i < 1000; ++i) {
        DRAWITEMSTRUCT item = canvas.DrawItem(IDC_MAIN_PICTURE);
        SendMessageA(window, WM_DRAWITEM, IDC_MAIN_PICTURE, reinterpret_cast<LPARAM>(&item));
    }
    EXPECT_EQ(FreeGdiSlots(), slots);
    CloseTestMainWindow(window);
}

TEST_F(Handles, TheSaversPanelAndSetupComeAndGoWithoutATrace) {
    HWND saver = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1024, 768, nullptr, nullptr,
                                 nullptr, nullptr);
    ASSERT_NE(saver, nullptr);
    CreateEntryFonts();
    ExpectNothingLeftBehind("panel", [saver] {
        HWND panel = CreatePanel(saver);
        ASSERT_NE(panel, nullptr);
        for (int step = 0; step < 20; ++step)
            StepPanel();
        DestroyPanel(saver);
        DrainMessages(); // the panel ends the saver's loop with a quit message
    });
    DeleteEntryFonts();
    DestroyWindow(saver);
    SettingsTable = SaverSettingsTable;
    ResetSettings(SaverSettingsTable);
    HMODULE file = saverFile_;
    ExpectNothingLeftBehind("saver setup", Modal([file] {
                                DialogBoxParamA(file, MAKEINTRESOURCEA(IDD_SAVER_SETUP), nullptr,
                                                SaverSetupProc, 0);
                            }));
    SettingsTable = MainSettingsTable;
}

} // namespace
