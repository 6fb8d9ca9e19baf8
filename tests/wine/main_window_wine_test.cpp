// The main window and the picture drawing, in this process, with the daybook's own resources.
#include <windows.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/main_window_win.h"
#include "app/shared_ui_win.h"
#include "app/start_rules.h"
#include "calendar/calendar_dialog_win.h"
#include "database/database.h"
#include "database/day_entries.h"
#include "pictures/picture_draw_win.h"
#include "pictures/tints.h"
#include "resource.h"
#include "saver/saver_win.h"
#include "settings/settings.h"
#include "tests/core/test_files.h"
#include "tests/wine/wine_fixtures.h"

namespace {

// The daybook's file as a resource module, as the screen saver uses it.
class DaybookResources : public ::testing::Environment {
  public:
    void SetUp() override {
        UseResourcesOf(TAVRIN_MORVEST_FILE);
        ASSERT_NE(ResourceModule, nullptr) << TAVRIN_MORVEST_FILE;
    }
};
::testing::Environment* const resources = ::testing::AddGlobalTestEnvironment(new DaybookResources);

void DrawDay(Canvas& canvas, int pictureId) {
    DRAWITEMSTRUCT item = canvas.DrawItem(IDC_MAIN_PICTURE);
    DrawDayPicture(ResourceModule, &item, pictureId);
}

int Red(uint32_t pixel) {
    return (pixel >> 16) & 0xFF;
}
int Green(uint32_t pixel) {
    return (pixel >> 8) & 0xFF;
}
int Blue(uint32_t pixel) {
    return pixel & 0xFF;
}

TEST(DayPicture, CoralScalesGreenAndBlueOfEveryPixelExactly) {
    int32_t width, height;
    uint32_t bits;
    ASSERT_TRUE(ReadPictureHeader(ResourceModule, FallbackPictureId, &width, &height, &bits));
    EXPECT_EQ(bits, 8u);
    Canvas canvas(128, 420);
    CurrentTintColour = GetTintColour(0); // Neutral
    DrawDay(canvas, FallbackPictureId);
    std::vector<uint32_t> neutral = canvas.Pixels();
    canvas.Fill(0x00808080);
    CurrentTintColour = GetTintColour(12); // Coral: 255, 220, 220
    DrawDay(canvas, FallbackPictureId);
    std::vector<uint32_t> coral = canvas.Pixels();

    int lit = 0;
    for (size_t i = 0; i < neutral.size(); ++i) {
        ASSERT_EQ(Red(coral[i]), Red(neutral[i])) << i;
        ASSERT_EQ(Green(coral[i]), Green(neutral[i]) * 220 / 255) << i;
        ASSERT_EQ(Blue(coral[i]), Blue(neutral[i]) * 220 / 255) << i;
        lit += (neutral[i] & 0xFFFFFF) != 0;
    }
    EXPECT_GT(lit, width * height / 4) << "the picture itself was drawn";
    // Black above the picture and to its right: it stands on the bottom edge.
    for (int y = 0; y < 420 - height; ++y)
        for (int x = 0; x < 128; ++x)
            ASSERT_EQ(neutral[y * 128 + x] & 0xFFFFFF, 0u) << x << "," << y;
    for (int y = 420 - height; y < 420; ++y)
        for (int x = width; x < 128; ++x)
            ASSERT_EQ(neutral[y * 128 + x] & 0xFFFFFF, 0u) << x << "," << y;
}

TEST(DayPicture, ADayWithoutItsOwnPictureShowsTheCommonOne) {
    int32_t width, height;
    uint32_t bits;
    EXPECT_FALSE(
        ReadPictureHeader(ResourceModule, 3230, &width, &height, &bits)); // 30 December has none
    CurrentTintColour = GetTintColour(1);
    Canvas fallback(128, 420), missing(128, 420);
    DrawDay(fallback, FallbackPictureId);
    DrawDay(missing, 3230);
    EXPECT_EQ(fallback.Pixels(), missing.Pixels());
    DRAWITEMSTRUCT item = missing.DrawItem(IDC_MAIN_PICTURE);
    item.itemState = ODS_FOCUS | ODS_NOFOCUSRECT; // after a click, focus cues hidden: no frame
    DrawDayPicture(ResourceModule, &item, FallbackPictureId);
    EXPECT_EQ(missing.Pixels(), fallback.Pixels());
    item.itemState = ODS_FOCUS; // from the keyboard: a dotted frame, the picture inverted
    DrawDayPicture(ResourceModule, &item, FallbackPictureId);
    std::vector<uint32_t> framed = missing.Pixels(), plain = fallback.Pixels();
    int changed = 0, inverted = 0;
    for (size_t i = 0; i < plain.size(); ++i) {
        changed += ((framed[i] ^ plain[i]) & 0xFFFFFF) != 0;
        inverted += ((framed[i] ^ plain[i]) & 0xFFFFFF) == 0xFFFFFF;
    }
    EXPECT_GT(changed, 0);
    EXPECT_EQ(inverted, changed);
}

TEST(DayPicture, AThousandRedrawsReleaseEveryObject) {
    CurrentTintColour = GetTintColour(5);
    Canvas canvas(128, 420);
    DrawDay(canvas, FallbackPictureId);
    std::vector<uint32_t> first = canvas.Pixels();
    DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    ExpectNothingLeftBehind(
        "day picture",
        [&] {
            canvas.Fill(0);
            DrawDay(canvas, FallbackPictureId);
            DrawDay(canvas, 3230); // a day without its own picture
        },
        0, 1000);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before);
    EXPECT_EQ(canvas.Pixels(), first);
}

TEST(MainWindow, ContextMenuOffersTheCommandsThenExit) {
    HMENU menu = CreateContextMenu();
    ASSERT_NE(menu, nullptr);
    struct {
        UINT id;
        const char* text;
    } expected[] = {{CMD_ABOUT, "&About"},
                    {CMD_SETUP, "&Setup"},
                    {CMD_CALENDAR, "&Calendar"},
                    {CMD_MANUAL, "&Manual"},
                    {CMD_SYSTEM_INFORMATION, "System &Information"},
                    {0, nullptr},
                    {CMD_EXIT, "Exit"}};
    ASSERT_EQ(GetMenuItemCount(menu), 7);
    for (int i = 0; i < 7; ++i) {
        MENUITEMINFOA item = {};
        char text[64] = "";
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = sizeof text;
        ASSERT_TRUE(GetMenuItemInfoA(menu, i, TRUE, &item));
        if (expected[i].text == nullptr) {
            EXPECT_NE(item.fType & MFT_SEPARATOR, 0u);
        } else {
            EXPECT_EQ(item.wID, expected[i].id) << i;
            EXPECT_STREQ(text, expected[i].text);
        }
    }
    DestroyMenu(menu);
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSettings(MainSettingsTable);
        std::string july = std::string("4;Fourth\nof July") + '\0' + "5;*Small print" + '\0' + '\0';
        ASSERT_TRUE(SetMonthText(6, july.data(), july.size()));
        window_ = OpenTestMainWindow();
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        CloseTestMainWindow(window_);
        FreeDatabase();
    }
    std::string Text(int id) {
        char text[1024] = "";
        GetDlgItemTextA(window_, id, text, sizeof text);
        return text;
    }
    HWND window_ = nullptr;
};

TEST_F(MainWindowTest, HasItsSizeTitleAndControls) {
    RECT frame;
    GetWindowRect(window_, &frame);
    EXPECT_EQ(frame.right - frame.left, 760);
    EXPECT_EQ(frame.bottom - frame.top, 520);
    char title[128];
    GetWindowTextA(window_, title, sizeof title);
    EXPECT_STREQ(title, "Tavrin: A Morvest Daybook");
    char className[64];
    GetClassNameA(window_, className, sizeof className);
    EXPECT_STREQ(className, "TavrinApplication");
    struct {
        int id;
        RECT place;
    } controls[] = {{IDC_MAIN_WEEKDAY, {4, 4, 132, 22}},
                    {IDC_MAIN_DATE, {4, 20, 132, 38}},
                    {IDC_MAIN_TIME, {4, 36, 132, 54}},
                    {IDC_MAIN_ENTRY, {136, 4, 744, 512}}};
    for (const auto& c : controls) {
        ASSERT_NE(GetDlgItem(window_, c.id), nullptr) << c.id;
        RECT place = PlaceInParent(GetDlgItem(window_, c.id));
        EXPECT_TRUE(EqualRect(&place, &c.place)) << c.id;
    }
    RECT picture = PlaceInParent(GetDlgItem(window_, IDC_MAIN_PICTURE));
    EXPECT_EQ(picture.top, 95 - GetSystemMetrics(SM_CYCAPTION));
    EXPECT_EQ(picture.bottom - picture.top, 420);
    EXPECT_EQ(
        reinterpret_cast<HFONT>(SendDlgItemMessageA(window_, IDC_MAIN_TIME, WM_GETFONT, 0, 0)),
        EntryFont);
    EXPECT_EQ(FontOf(EntryFont) + ", " + FontOf(AltEntryFont), "Arial 16 0, Arial 15 0");
}

// The client area is the one the window is laid out for, whatever the caption: a taller caption
// grows the window, and the picture stands where the classic frame puts it.
TEST_F(MainWindowTest, ATallerCaptionGrowsTheWindowAroundTheSameClientArea) {
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    const int classicCaption = metrics.iCaptionHeight;
    for (int extra : {0, 12}) {
        metrics.iCaptionHeight = classicCaption + extra;
        ASSERT_TRUE(SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
        HWND window = CreateMainWindow(GetModuleHandleA(nullptr));
        metrics.iCaptionHeight = classicCaption;
        SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        ASSERT_NE(window, nullptr);
        RECT frame, client, picture = PlaceInParent(GetDlgItem(window, IDC_MAIN_PICTURE));
        GetWindowRect(window, &frame);
        GetClientRect(window, &client);
        DestroyWindow(window);
        EXPECT_EQ(frame.bottom - frame.top, 520 + extra) << extra;
        EXPECT_TRUE(client.right == 754 && client.bottom == 495) << extra;
        EXPECT_TRUE(picture.top == 76 && picture.bottom == 496) << extra;
    }
}

TEST_F(MainWindowTest, RefreshShowsTheDayAndPicksTheFontByTheStar) {
    DayDate fifth = {2002, 5, 7}, fourth = {2002, 4, 7};
    RefreshDisplay(window_, TRUE, &fifth);
    EXPECT_EQ(Text(IDC_MAIN_DATE), "July 5, 2002");
    EXPECT_EQ(Text(IDC_MAIN_ENTRY), "Small print");
    EXPECT_EQ(
        reinterpret_cast<HFONT>(SendDlgItemMessageA(window_, IDC_MAIN_ENTRY, WM_GETFONT, 0, 0)),
        AltEntryFont);
    EXPECT_EQ(Text(IDC_MAIN_WEEKDAY), GetTodayWeekdayName());
    std::string clock = Text(IDC_MAIN_TIME);
    EXPECT_TRUE(clock.size() >= 7 && (clock.substr(clock.size() - 3) == " am" ||
                                      clock.substr(clock.size() - 3) == " pm"))
        << clock;

    EXPECT_TRUE(RefreshDisplay(window_, FALSE, &fourth)); // the day of the month changed
    EXPECT_EQ(Text(IDC_MAIN_ENTRY), "Fourth\nof July");
    EXPECT_EQ(
        reinterpret_cast<HFONT>(SendDlgItemMessageA(window_, IDC_MAIN_ENTRY, WM_GETFONT, 0, 0)),
        EntryFont);
    EXPECT_FALSE(RefreshDisplay(window_, FALSE, &fourth));
    DayDate missing = {2002, 6, 7};
    RefreshDisplay(window_, FALSE, &missing);
    EXPECT_EQ(Text(IDC_MAIN_ENTRY), MissingEntryText);
}

TEST_F(MainWindowTest, AHundredWindowsOpenedAndClosedLeaveNoObjectBehind) {
    CloseTestMainWindow(window_);
    // The first windows may make objects the system keeps for the whole process (cached DCs,
    // menu bitmaps); the count starts after them.
    ExpectNothingLeftBehind(
        "main window",
        [] {
            HWND window = OpenTestMainWindow();
            ASSERT_NE(window, nullptr);
            RedrawWindow(GetDlgItem(window, IDC_MAIN_PICTURE), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            CloseTestMainWindow(window);
        },
        10);
}

TEST_F(MainWindowTest, TheClockTickMovesOnToANewDay) {
    // The main window and the saver's panel, each left open over a minute and a midnight.
    HWND panel = CreatePanel(window_);
    // The panel's picture stands lower, as the panel has no caption.
    EXPECT_EQ(PlaceInParent(GetDlgItem(panel, IDC_MAIN_PICTURE)).top, 91);
    for (HWND window : {window_, panel}) {
        auto tick = [&](const struct tm& now) {
            window == panel ? FollowClock(panel, now) : ClockTick(window_, now);
        };
        auto text = [window](int id) { return ControlText(window, id); };
        HWND picture = GetDlgItem(window, IDC_MAIN_PICTURE); // redrawn only for a new picture
        for (int minute : {58, 59}) {
            ValidateRect(picture, nullptr);
            tick(Moment(2002, 7, 4, 23, minute, 59));
            EXPECT_EQ(text(IDC_MAIN_TIME), "11:" + std::to_string(minute) + " pm");
            EXPECT_EQ(text(IDC_MAIN_DATE), "July 4, 2002");
            EXPECT_EQ(text(IDC_MAIN_WEEKDAY), "Thursday");
            EXPECT_EQ(text(IDC_MAIN_ENTRY), "Fourth\nof July");
        }
        EXPECT_FALSE(GetUpdateRect(picture, nullptr, FALSE));
        tick(Moment(2002, 7, 5, 0, 0, 0));
        EXPECT_TRUE(GetUpdateRect(picture, nullptr, FALSE));
        DayDate fifth = {2002, 5, 7};
        EXPECT_TRUE(SameDayDate(ShownDate, fifth));
        EXPECT_EQ(ShownPictureId, GetPictureId(&fifth));
        EXPECT_EQ(text(IDC_MAIN_DATE), "July 5, 2002");
        EXPECT_EQ(text(IDC_MAIN_WEEKDAY), "Friday");
        EXPECT_EQ(text(IDC_MAIN_TIME), "12:00 am");
        EXPECT_EQ(text(IDC_MAIN_ENTRY), "Small print");
        // The window's own tick comes at the real moment: back to today.
        window == panel ? SendMessageA(panel, WM_SAVER_CLOCK_TICK, 0, 0)
                        : SendMessageA(window_, WM_TIMER, TIMER_CLOCK, 0);
        DayDate today = TodayDate();
        EXPECT_TRUE(SameDayDate(ShownDate, today));
        EXPECT_EQ(ShownPictureId, GetPictureId(&today));
    }
    DestroyPanel(window_);
    DrainMessages(); // the panel's end asks the saver's loop to end
}

// The window's system menu ends with the context menu's commands, each under an id of its own.
TEST_F(MainWindowTest, TheSystemMenuEndsWithTheContextMenusCommands) {
    HMENU system = GetSystemMenu(window_, FALSE), context = CreateContextMenu();
    int last = GetMenuItemCount(system) - 1;
    std::set<UINT> ids;
    for (int i = 0; i < 5; ++i) {
        char mine[64] = "", theirs[64] = "";
        GetMenuStringA(system, last - 4 + i, mine, sizeof mine, MF_BYPOSITION);
        GetMenuStringA(context, i, theirs, sizeof theirs, MF_BYPOSITION);
        EXPECT_STREQ(mine, theirs);
        ids.insert(GetMenuItemID(system, last - 4 + i));
    }
    EXPECT_EQ(ids.size(), 5u);
    EXPECT_NE(GetMenuState(system, last - 5, MF_BYPOSITION) & MF_SEPARATOR, 0u); // set apart
    DestroyMenu(context);
}

TEST_F(MainWindowTest, ControlsAreTintedOnBlackAndExitClosesTheWindow) {
    TintSelection = 12;
    HWND entry = GetDlgItem(window_, IDC_MAIN_ENTRY);
    HDC dc = GetDC(entry);
    LRESULT brush = SendMessageA(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(entry));
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), GetStockObject(BLACK_BRUSH));
    EXPECT_EQ(GetTextColor(dc), GetTintColour(12));
    EXPECT_EQ(GetBkColor(dc), RGB(0, 0, 0));
    ReleaseDC(entry, dc);

    SendMessageA(window_, WM_SYSCOMMAND, SC_MINIMIZE, 0); // the system's own commands work
    EXPECT_TRUE(IsIconic(window_));
    SendMessageA(window_, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(window_));
    SendMessageA(window_, WM_COMMAND, 9999, 0); // unknown commands are ignored
    EXPECT_TRUE(IsWindow(window_));
    SendMessageA(window_, WM_COMMAND, CMD_EXIT, 0);
    EXPECT_FALSE(IsWindow(window_));
}

TEST_F(MainWindowTest, ClickToCloseNeedsTheSettingAndTheOption) {
    SendMessageA(window_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 200));
    EXPECT_TRUE(IsWindow(window_));
    ClickToClose = 1;
    ClickToCloseAllowed = 0;
    SendMessageA(window_, WM_MBUTTONDOWN, 0, MAKELPARAM(300, 200));
    EXPECT_TRUE(IsWindow(window_));
    ClickToCloseAllowed = 1;
    for (UINT press : {WM_LBUTTONDOWN, WM_MBUTTONDOWN}) { // as the button goes down, not up
        SendMessageA(window_, press + 1, 0, MAKELPARAM(300, 200));
        EXPECT_TRUE(IsWindow(window_)) << press;
        SendMessageA(window_, press, 0, MAKELPARAM(300, 200));
        EXPECT_FALSE(IsWindow(window_)) << press;
        if (press == WM_LBUTTONDOWN) {
            CloseTestMainWindow(window_);
            window_ = OpenTestMainWindow();
        }
    }
}

HWND AskedWindow;
DWORD AskedAttribute;
BOOL AskedValue;
HRESULT WINAPI RecordAttribute(HWND window, DWORD attribute, LPCVOID data, DWORD) {
    AskedWindow = window;
    AskedAttribute = attribute;
    AskedValue = *static_cast<const BOOL*>(data);
    return S_OK;
}

// The dark caption is asked of the window manager as attribute 20 when it can be had; a system
// without the window manager's library asks nothing. The apps theme is read as the user set it.
TEST(DarkCaption, IsAskedOfTheWindowManagerAndFollowsTheAppsTheme) {
    EXPECT_TRUE(AskForDarkCaption(nullptr, RecordAttribute));
    EXPECT_TRUE(AskedAttribute == 20 && AskedValue == TRUE);
    EXPECT_FALSE(AskForDarkCaption(nullptr, nullptr));
    DWORD value = 1;
    bool hadValue = ReadAppsUseLightTheme(&value);
    {
        RegistryValue theme("Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                            "AppsUseLightTheme");
        // The main window and the calendar ask for it in dark mode where Windows offers it (not
        // under Wine 8, whose newest Windows is 10.0.18362: there they must never ask).
        OSVERSIONINFOA version = {};
        version.dwOSVersionInfoSize = sizeof version;
        GetVersionExA(&version);
        const bool offered =
            WantsDarkCaption(version.dwMajorVersion, version.dwBuildNumber, true, 0);
        CaptionAttributeSetter = RecordAttribute;
        for (DWORD set : {0u, 1u}) {
            theme.Set(REG_DWORD, &set, sizeof set);
            DWORD read = 7;
            EXPECT_TRUE(ReadAppsUseLightTheme(&read) && read == set) << set;
            AskedWindow = nullptr;
            HWND window = OpenTestMainWindow();
            EXPECT_EQ(AskedWindow == window, set == 0 && offered) << set;
            HWND calendar =
                CreateDialogParamA(ResourceModule, "CalendarBox", nullptr, CalendarProc, 0);
            EXPECT_EQ(AskedWindow == calendar, set == 0 && offered) << set;
            DestroyWindow(calendar);
            CloseTestMainWindow(window);
        }
        CaptionAttributeSetter = nullptr;
    }
    DWORD read = 7;
    EXPECT_EQ(ReadAppsUseLightTheme(&read), hadValue);
}

} // namespace
