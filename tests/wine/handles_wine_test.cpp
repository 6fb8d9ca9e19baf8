// Windows of both programs opened and closed a hundred times, and the day picture redrawn a
// thousand times, in this process: the GDI objects and the windows come back to where they
// were. And the real saver run in this process, for minutes, and through the display's sleep.
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "app/day_display_win.h"
#include "app/shared_ui_win.h"
#include "calendar/calendar_dialog_win.h"
#include "database/database.h"
#include "pictures/picture_draw_win.h"
#include "pictures/picture_format.h"
#include "resource.h"
#include "saver/saver_rules.h"
#include "saver/saver_win.h"
#include "settings/settings.h"
#include "tests/core/test_files.h"
#include "tests/wine/wine_fixtures.h"

namespace {

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
    ExpectNothingLeftBehind(
        "day picture",
        [&] {
            DRAWITEMSTRUCT item = canvas.DrawItem(IDC_MAIN_PICTURE);
            SendMessageA(window, WM_DRAWITEM, IDC_MAIN_PICTURE, reinterpret_cast<LPARAM>(&item));
        },
        0, 1000);
    EXPECT_GT(canvas.Changed(), 10000);
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
        RECT inside;
        GetClientRect(panel, &inside);
        Canvas back(inside.right, inside.bottom); // its background is erased black
        SendMessageA(panel, WM_ERASEBKGND, reinterpret_cast<WPARAM>(back.dc()), 0);
        EXPECT_EQ(back.Changed(), inside.right * inside.bottom);
        for (int step = 0; step < 20; ++step)
            StepPanel();
        DestroyPanel(saver);
        EXPECT_EQ(SaverOrbit.points, nullptr); // its orbit's memory goes with it
        DrainMessages(); // the panel ends the saver's loop with a quit message
    });
    DeleteEntryFonts();
    DestroyWindow(saver);
    SettingsTable = SaverSettingsTable;
    ResetSettings(SaverSettingsTable);
    HMODULE file = saverFile_;
    // Its picture drawn, its texts on the system's button face.
    HWND setup =
        CreateDialogParamA(file, MAKEINTRESOURCEA(IDD_SAVER_SETUP), nullptr, SaverSetupProc, 0);
    ASSERT_NE(setup, nullptr);
    EXPECT_GT(Drawn(setup, IDC_SAVER_PICTURE), 1000);
    HDC dc = GetDC(setup);
    LOGBRUSH face = {};
    GetObjectA(reinterpret_cast<HBRUSH>(
                   SendMessageA(setup, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), 0)),
               sizeof face, &face);
    EXPECT_TRUE(face.lbColor == GetSysColor(COLOR_BTNFACE) &&
                GetBkColor(dc) == GetSysColor(COLOR_BTNFACE) &&
                GetTextColor(dc) == GetSysColor(COLOR_BTNTEXT) && GetBkMode(dc) == TRANSPARENT);
    ReleaseDC(setup, dc);
    DestroyWindow(setup);
    ExpectNothingLeftBehind("saver setup", Modal([file] {
                                DialogBoxParamA(file, MAKEINTRESOURCEA(IDD_SAVER_SETUP), nullptr,
                                                SaverSetupProc, 0);
                            }));
    SettingsTable = MainSettingsTable;
}

// The preview in the box the Display settings give it: the saver's picture in the middle, on
// black, until the box goes. (Here the saver's file gives the picture, as its own module would.)
TEST_F(Handles, ThePreviewShowsItsPictureInTheMiddleOfTheBox) {
    HWND box = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 152, 112, nullptr,
                               nullptr, nullptr, nullptr);
    PictureResource picture;
    PictureInfo info = {};
    ASSERT_TRUE(LoadPicture(saverFile_, IDB_SAVER_PREVIEW, &picture) &&
                ReadPackedBitmapInfo(picture.bits, picture.size, &info));
    PreviewOrigin at = CentredPreview(152, 112, info.width, info.height);
    Canvas canvas(152, 112);
    canvas.Fill(0);
    DrawPicture(canvas.dc(), at.x, at.y, &picture, SRCCOPY);
    std::vector<uint32_t> expected = canvas.Pixels(), seen;
    std::thread look([&] {
        HWND preview = nullptr;
        WaitUntil([&] { return (preview = GetWindow(box, GW_CHILD)) != nullptr; }, 5000);
        WaitUntil([&] { return (seen = ShownPixels(preview, 152, 112)) == expected; }, 2000);
        PostMessageA(preview, WM_CLOSE, 0, 0);
    });
    OwnModule = saverFile_;
    RunPreview(box);
    OwnModule = GetModuleHandleA(nullptr);
    look.join();
    DestroyWindow(box);
    EXPECT_TRUE(seen == expected);
}

// What the long saver run looks at, every few seconds, from a timer of the saver's own loop.
struct SaverSample {
    size_t gdiSlots;
    size_t privateBytes;
    int32_t orbitIndex;
    bool clockRunning; // the panel's clock timer: stopped to see that it ran, then set again
};
std::vector<SaverSample> SaverSamples;
DWORD SaverRunEnd;

// The memory committed to this process alone (what Windows calls its private bytes).
size_t PrivateBytes() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

void CALLBACK SampleSaver(HWND, UINT, UINT_PTR, DWORD now) {
    bool clock = SaverWindow != nullptr && KillTimer(SaverWindow, TIMER_SAVER_CLOCK) &&
                 SetTimer(SaverWindow, TIMER_SAVER_CLOCK, 1000, nullptr);
    SaverSamples.push_back({FreeGdiSlots(), PrivateBytes(), OrbitIndex, clock});
    if (static_cast<int32_t>(now - SaverRunEnd) >= 0 && SaverWindow != nullptr)
        DestroyWindow(SaverWindow); // as the first key press would
}

// The real full-screen saver in this process until its window goes, at the speed given, with
// the daybook and database beside the daybook this test uses; afterwards the settings file is
// as it was and the daybook's file is the resource module again.
void RunSaverHere(const char* speed) {
    std::string daybook = TAVRIN_MORVEST_FILE;
    std::string directory = daybook.substr(0, daybook.find_last_of("/\\") + 1);
    std::replace(directory.begin(), directory.end(), '/', '\\');
    std::string previous = ReadFileBytes(SettingsFile());
    ASSERT_TRUE(WriteFileBytes(SettingsFile(), "[TavrinAMorvestDaybook]\r\nApplicationPath = " +
                                                   directory + "\r\nAnimationSpeed = " + speed));
    RunFullScreen();
    FreeMainProgram();
    UseResourcesOf(TAVRIN_MORVEST_FILE);
    previous.empty() ? (void)DeleteFileA(SettingsFile().c_str())
                     : (void)WriteFileBytes(SettingsFile(), previous);
    DrainMessages();
}

// The real full-screen saver, with the daybook and database the settings name, at the fastest
// speed for three minutes (TAVRIN_SAVER_SECONDS to choose another time): once warmed up, the
// GDI objects and the memory it holds stay where they were while the panel keeps moving, and
// everything comes back when it ends.
TEST_F(Handles, TheSaverAtItsFastestKeepsItsObjectsAndMemoryFlatForMinutes) {
    const char* chosen = getenv("TAVRIN_SAVER_SECONDS");
    DWORD seconds = chosen != nullptr ? strtoul(chosen, nullptr, 10) : 180;
    size_t before = 0;
    // The first full-screen window of a process leaves the system's own caches behind (48 GDI
    // objects under Wine, never more in later runs): a one-second run comes first.
    for (DWORD run : {DWORD(1), seconds}) {
        DrainMessages();
        before = FreeGdiSlots();
        SaverSamples.clear();
        SaverRunEnd = GetTickCount() + run * 1000;
        UINT_PTR sampler = SetTimer(nullptr, 0, run == 1 ? 500 : 5000, SampleSaver);
        RunSaverHere("10");
        KillTimer(nullptr, sampler);
    }

    ASSERT_GE(SaverSamples.size(), seconds / 5 - 1) << "the saver ended early";
    const SaverSample& warm = SaverSamples[SaverSamples.size() / 4];
    const SaverSample& last = SaverSamples.back();
    for (size_t i = SaverSamples.size() / 4; i < SaverSamples.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(SaverSamples[i].gdiSlots, warm.gdiSlots);
        EXPECT_NE(SaverSamples[i].orbitIndex, SaverSamples[i - 1].orbitIndex) << "no step";
        EXPECT_TRUE(SaverSamples[i].clockRunning);
    }
    // A leak of a few bytes a step shows: the run takes thousands of steps.
    ASSERT_GT(warm.privateBytes, 0u);
    EXPECT_LT(last.privateBytes, warm.privateBytes + 64 * 1024)
        << warm.privateBytes << " then " << last.privateBytes;
    EXPECT_EQ(FreeGdiSlots(), before);
    printf("%lu s at speed 10: private bytes %zu after warming up, %zu at the end\n", seconds,
           warm.privateBytes, last.privateBytes);
}

// While the system has the display off the panel rests; dimmed or back on, it moves again.
TEST_F(Handles, TheSaversPanelRestsWhileTheDisplayIsOff) {
    std::thread display([] {
        HWND saver = nullptr, panel = nullptr;
        WaitUntil(
            [&] {
                return (panel =
                            FindWindowExA(saver = FindWindowA("WindowsScreenSaverClass", nullptr),
                                          nullptr, "TavrinSaverMoving", nullptr));
            },
            10000);
        ShownDate = {2002, 7, 4}; // the panel's clock ticks: it comes back to today
        EXPECT_TRUE(WaitUntil([] { return !SameDayDate(ShownDate, {2002, 7, 4}); }, 3000));
        for (DWORD state : {0, 2, 0, 1}) { // off, dimmed, off, on: as each setting tells it
            struct {
                uint8_t setting[16];
                DWORD length, state;
            } notice = {{}, 4, state};
            memcpy(notice.setting, DisplayPowerSettings[state & 1], 16);
            SendMessageA(saver, WM_POWERBROADCAST, 0x8013, reinterpret_cast<LPARAM>(&notice));
            EXPECT_EQ(MovesWithin(panel, 500), state != 0) << state;
        }
        // Other power events carry no notice, or none of this kind: they change nothing.
        SendMessageA(saver, WM_POWERBROADCAST, 4 /* PBT_APMSUSPEND */, 0);
        SendMessageA(saver, WM_POWERBROADCAST, 0x8013, 0);
        EXPECT_TRUE(MovesWithin(panel, 500));
        SendMessageA(saver, WM_SYSCOMMAND, SC_MINIMIZE, 0); // other system commands go on as usual
        EXPECT_TRUE(IsIconic(saver));
        PostMessageA(saver, WM_CLOSE, 0, 0);
    });
    RunSaverHere("10");
    display.join();
}

} // namespace
