// The calendar dialog in this process, made from the daybook's own template and driven with the
// messages the user's actions send.
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/day_display_win.h"
#include "app/main_window_win.h"
#include "app/shared_ui_win.h"
#include "calendar/calendar_dialog_win.h"
#include "calendar/calendar_math.h"
#include "database/database.h"
#include "database/day_entries.h"
#include "pictures/picture_draw_win.h"
#include "resource.h"
#include "tests/wine/wine_fixtures.h"

namespace {

// The daybook's resources, database and entry fonts, as the daybook has them when it shows the
// calendar.
class DaybookResources : public ::testing::Environment {
  public:
    void SetUp() override {
        UseResourcesOf(TAVRIN_MORVEST_FILE);
        ASSERT_NE(ResourceModule, nullptr) << TAVRIN_MORVEST_FILE;
        ASSERT_TRUE(LoadDatabaseFile(TAVRIN_DATABASE_FILE));
        CreateEntryFonts();
    }
    void TearDown() override {
        DeleteEntryFonts();
        FreeDatabase();
    }
};
::testing::Environment* const resources = ::testing::AddGlobalTestEnvironment(new DaybookResources);

// The weekday of a date by the standard library's civil calendar, Sunday 0.
int Weekday(int year, int monthIndex, int day) {
    using namespace std::chrono;
    return static_cast<int>(
        weekday{sys_days{std::chrono::year{year} / month(monthIndex + 1) / day}}.c_encoding());
}

std::string DateLine(int year, int monthIndex, int day) {
    return std::string(MonthNames[monthIndex]) + " " + std::to_string(day) + ", " +
           std::to_string(year) + "\n\n" + WeekdayNames[Weekday(year, monthIndex, day)];
}

std::string EntryText(int monthIndex, int day) {
    char* text = ToEditText(GetEntryText(monthIndex, day));
    std::string copy = text != nullptr ? text : "";
    free(text);
    return copy;
}

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr))
        return "(clipboard not opened)";
    HANDLE data = GetClipboardData(CF_TEXT);
    if (const char* bytes =
            data != nullptr ? static_cast<const char*>(GlobalLock(data)) : nullptr) {
        text = bytes;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void PutOnClipboard(const char* text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
    strcpy(static_cast<char*>(GlobalLock(block)), text);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

class CalendarTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dialog_ = CreateDialogParamA(ResourceModule, "CalendarBox", nullptr, CalendarProc, 0);
        ASSERT_NE(dialog_, nullptr);
    }
    void TearDown() override {
        if (IsWindow(dialog_))
            DestroyWindow(dialog_);
    }
    std::string Text(int id) {
        char text[4096] = "";
        GetDlgItemTextA(dialog_, id, text, sizeof text);
        return text;
    }
    // Picks an entry of a list and closes it, or only changes its selection as the keyboard does
    // while the list is closed.
    void Choose(int listId, int index, WORD notification = CBN_CLOSEUP) {
        HWND list = GetDlgItem(dialog_, listId);
        SendMessageA(list, CB_SETCURSEL, index, 0);
        SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(listId, notification),
                     reinterpret_cast<LPARAM>(list));
    }
    void ChooseMonth(int year, int monthIndex) {
        Choose(IDC_CALENDAR_YEARS, year - FirstCalendarYear);
        Choose(IDC_CALENDAR_MONTHS, monthIndex);
    }
    void Press(int x, int y) {
        SendMessageA(dialog_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    }
    // A press on the middle of a day's cell of the shown month, which may lie beyond its end.
    void PressDay(int year, int monthIndex, int day) {
        int cell = Weekday(year, monthIndex, 1) + day - 1;
        Press(Base() + 25 * (cell % 7) - 6, 81 + 12 * (cell / 7) + 6);
    }
    static int Base() { return GridBase(IsLargeFontDisplay()); }
    HWND dialog_ = nullptr;
};

// The template as stored in the daybook's file, control by control in tab order.
TEST_F(CalendarTest, TemplateHoldsTheControlsInTabOrder) {
    DialogTemplate box;
    ASSERT_TRUE(ReadDialogTemplate(ResourceModule, "CalendarBox", &box));
    EXPECT_EQ(box.style & ~DS_SETFONT, static_cast<DWORD>(WS_POPUP | WS_CAPTION)); // no close box
    EXPECT_TRUE(box.x == 12 && box.y == 25 && box.cx == 484 && box.cy == 288);
    EXPECT_EQ(box.caption, "Calendar");
    EXPECT_EQ(box.pointSize, 8);
    EXPECT_EQ(box.font, "MS Sans Serif");
    const char help[] = "Select the year and month to view. Click on the day you'd like to find "
                        "observances for. Festivals are highlighted.";
    const DWORD child = WS_CHILD | WS_VISIBLE;
    struct {
        int id;
        const char* className;
        const char* text;
        DWORD style;
        int x, y, cx, cy;
    } expected[] = {
        {IDOK, "Button", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 428, 270, 52, 14},
        {0xFFFF, "Button", "", BS_GROUPBOX | WS_GROUP, 284, 12, 196, 112},
        {IDC_CALENDAR_HELP, "Static", help, SS_LEFT | WS_GROUP, 300, 104, 140, 16},
        {IDC_CALENDAR_FRAME, "Static", "", SS_BLACKFRAME, 4, 116, 0, 0},
        {0xFFFF, "Static", "Year:", SS_LEFT | WS_GROUP, 424, 20, 28, 8},
        {0xFFFF, "Static", "Month:", SS_LEFT | WS_GROUP, 424, 44, 28, 8},
        {IDC_CALENDAR_MONTHS, "ComboBox", "", CBS_DROPDOWNLIST | WS_TABSTOP, 424, 52, 52, 120},
        {IDC_CALENDAR_YEARS, "ComboBox", "",
         CBS_DROPDOWNLIST | WS_VSCROLL | CBS_DISABLENOSCROLL | WS_TABSTOP, 424, 28, 52, 124},
        {IDC_CALENDAR_TEXT, "Edit", "",
         ES_MULTILINE | ES_READONLY | ES_WANTRETURN | WS_BORDER | WS_VSCROLL | WS_TABSTOP, 92, 16,
         188, 268},
        {IDC_CALENDAR_PICTURE, "Button", "", BS_OWNERDRAW | BS_CENTER | WS_TABSTOP, 2, 7, 88, 278},
        {IDC_CALENDAR_DATE, "Static", "", SS_LEFT, 92, 4, 186, 8},
    };
    ASSERT_EQ(box.controls.size(), 11u);
    for (size_t i = 0; i < 11; ++i) {
        const auto& c = expected[i];
        const TemplateControl& control = box.controls[i];
        SCOPED_TRACE(c.id);
        EXPECT_EQ(control.style, child | c.style);
        EXPECT_EQ(control.extendedStyle, 0u);
        EXPECT_TRUE(control.x == c.x && control.y == c.y && control.cx == c.cx &&
                    control.cy == c.cy);
        EXPECT_EQ(control.id, c.id);
        EXPECT_EQ(_stricmp(control.className.c_str(), c.className), 0) << c.className;
        EXPECT_EQ(control.text, c.text);
    }
    // At run time the caption is the program's title and there is still no system menu.
    EXPECT_EQ(GetWindowLongPtrA(dialog_, GWL_STYLE) & WS_SYSMENU, 0);
    char caption[64];
    GetWindowTextA(dialog_, caption, sizeof caption);
    EXPECT_STREQ(caption, "Tavrin: A Morvest Daybook");
}

TEST_F(CalendarTest, OpensOnTodayWithTheListsFilled) {
    DayDate today = TodayDate();
    EXPECT_EQ(Text(IDC_CALENDAR_DATE), DateLine(today.year, today.month - 1, today.day));
    EXPECT_EQ(Text(IDC_CALENDAR_TEXT), EntryText(today.month - 1, today.day));
    HWND years = GetDlgItem(dialog_, IDC_CALENDAR_YEARS);
    HWND months = GetDlgItem(dialog_, IDC_CALENDAR_MONTHS);
    ASSERT_EQ(SendMessageA(years, CB_GETCOUNT, 0, 0), 1000);
    ASSERT_EQ(SendMessageA(months, CB_GETCOUNT, 0, 0), 12);
    char item[32];
    SendMessageA(years, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ(item, "1583");
    SendMessageA(years, CB_GETLBTEXT, 999, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ(item, "2582");
    SendMessageA(months, CB_GETLBTEXT, 11, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ(item, "December");
    EXPECT_EQ(SendMessageA(years, CB_GETCURSEL, 0, 0), today.year - 1583);
    EXPECT_EQ(SendMessageA(months, CB_GETCURSEL, 0, 0), today.month - 1);
    EXPECT_EQ(FontOf(dialog_, IDC_CALENDAR_TEXT), "Arial 16 0");
}

TEST_F(CalendarTest, ListsTakeEffectWhenTheyCloseAndStartAtTheFirst) {
    // The keyboard's change of a closed list counts at once; of an open one, when it closes.
    ChooseMonth(2000, 7);
    SendDlgItemMessageA(dialog_, IDC_CALENDAR_YEARS, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(Text(IDC_CALENDAR_DATE), DateLine(2001, 7, 1));
    SendDlgItemMessageA(dialog_, IDC_CALENDAR_MONTHS, CB_SHOWDROPDOWN, TRUE, 0);
    SendDlgItemMessageA(dialog_, IDC_CALENDAR_MONTHS, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(Text(IDC_CALENDAR_DATE), DateLine(2001, 7, 1));
    SendDlgItemMessageA(dialog_, IDC_CALENDAR_MONTHS, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_EQ(Text(IDC_CALENDAR_DATE), DateLine(2001, 6, 1));
    Choose(IDC_CALENDAR_YEARS, 2000 - 1583);
    EXPECT_EQ(Text(IDC_CALENDAR_DATE), DateLine(2000, 6, 1));
    Choose(IDC_CALENDAR_MONTHS, 7);
    EXPECT_EQ(Text(IDC_CALENDAR_DATE), DateLine(2000, 7, 1));
    ChooseMonth(2000, 0);
    PressDay(2000, 0, 15);
    EXPECT_EQ(Text(IDC_CALENDAR_DATE), DateLine(2000, 0, 15));
    EXPECT_EQ(Text(IDC_CALENDAR_TEXT), EntryText(0, 15));
    Choose(IDC_CALENDAR_MONTHS, 0); // the month already shown
    EXPECT_EQ(Text(IDC_CALENDAR_DATE), DateLine(2000, 0, 1));
    EXPECT_EQ(Text(IDC_CALENDAR_TEXT), EntryText(0, 1));
}

// Keys on the picture step through the days as clicks show them, within the calendar's years.
TEST_F(CalendarTest, KeysOnThePictureStepThroughTheDays) {
    const struct {
        CalendarDay from;
        WPARAM key;
        CalendarDay to;
    } steps[] = {
        {{2000, 0, 31}, VK_RIGHT, {2000, 1, 1}}, {{2000, 2, 1}, VK_LEFT, {2000, 1, 29}},
        {{2026, 11, 30}, VK_DOWN, {2027, 0, 6}}, {{2000, 0, 5}, VK_UP, {1999, 11, 29}},
        {{2001, 0, 31}, VK_NEXT, {2001, 1, 28}}, {{2000, 2, 15}, VK_PRIOR, {2000, 1, 15}},
        {{2000, 1, 17}, VK_HOME, {2000, 1, 1}},  {{2000, 1, 17}, VK_END, {2000, 1, 29}},
        {{1583, 0, 1}, VK_LEFT, {1583, 0, 1}},   {{2582, 11, 31}, VK_NEXT, {2582, 11, 31}},
    };
    HWND picture = GetDlgItem(dialog_, IDC_CALENDAR_PICTURE);
    // It takes the arrows and stays a button to the dialog manager.
    EXPECT_EQ(SendMessageA(picture, WM_GETDLGCODE, 0, 0) & (DLGC_WANTARROWS | DLGC_BUTTON),
              DLGC_WANTARROWS | DLGC_BUTTON);
    for (const auto& [from, key, to] : steps) {
        ChooseMonth(from.year, from.monthIndex);
        PressDay(from.year, from.monthIndex, from.day);
        SetFocus(picture);
        MSG press = {picture, WM_KEYDOWN, key, 0, 0, {}};
        EXPECT_TRUE(IsDialogMessageA(dialog_, &press) && GetFocus() == picture); // arrows stay
        std::string shown = Text(IDC_CALENDAR_DATE) + " | " + Text(IDC_CALENDAR_PICTURE) + " | " +
                            Text(IDC_CALENDAR_YEARS) + " " + Text(IDC_CALENDAR_MONTHS);
        EXPECT_EQ(shown, DateLine(to.year, to.monthIndex, to.day) + " | Picture for " +
                             std::to_string(to.day) + " " + MonthNames[to.monthIndex] + " | " +
                             std::to_string(to.year) + " " + MonthNames[to.monthIndex]);
    }
}

// Painting the open calendar keeps nothing: no drawing surface is left taken between repaints.
TEST_F(CalendarTest, RepaintsWhileOpenKeepNothing) {
    ShowWindow(dialog_, SW_SHOWNOACTIVATE);
    ExpectNothingLeftBehind(
        "repaint",
        [this] {
            RedrawWindow(dialog_, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        },
        3, 20);
}

TEST_F(CalendarTest, FebruaryHasItsLeapYearLength) {
    for (auto [year, length] : {std::pair{2000, 29}, {1900, 28}, {2100, 28}}) {
        SCOPED_TRACE(year);
        ChooseMonth(year, 1);
        PressDay(year, 1, length);
        EXPECT_EQ(Text(IDC_CALENDAR_DATE), DateLine(year, 1, length));
        EXPECT_EQ(Text(IDC_CALENDAR_TEXT), EntryText(1, length));
        PressDay(year, 1, length + 1);
        EXPECT_EQ(Text(IDC_CALENDAR_DATE), DateLine(year, 1, length));
    }
}

TEST_F(CalendarTest, PressesBesideTheDaysChangeNothing) {
    ChooseMonth(2000, 0); // starts on a Saturday, 31 days
    const int base = Base();
    Press(base + 25, 141); // row 5, column 1
    EXPECT_EQ(Text(IDC_CALENDAR_DATE), "January 31, 2000\n\nMonday");
    Press(base, 85);             // before the first
    Press(base + 50, 141);       // after the last
    Press(base + 150 + 13, 105); // beside the last column
    Press(-1, 105);              // left of the client area: a large unsigned word
    Press(base + 25, -1);
    EXPECT_EQ(Text(IDC_CALENDAR_DATE), "January 31, 2000\n\nMonday");
    Press(base - 30, 105); // column 0 reaches past the numbers' left side
    EXPECT_EQ(Text(IDC_CALENDAR_DATE), "January 9, 2000\n\nSunday");
}

TEST_F(CalendarTest, CopyingPutsTheNoticeOnTheClipboard) {
    HWND text = GetDlgItem(dialog_, IDC_CALENDAR_TEXT);
    std::string shown = Text(IDC_CALENDAR_TEXT);
    ASSERT_FALSE(shown.empty());
    std::string notice = LoadText(IDS_COPY_NOTICE);
    SendMessageA(text, EM_SETSEL, 0, -1);
    for (UINT request : {WM_COPY, WM_CUT, WM_CHAR}) {
        SCOPED_TRACE(request);
        PutOnClipboard("earlier");
        // Ctrl+C reaches the box as character 3, which the edit control turns into a copy.
        LRESULT answer = SendMessageA(text, request, request == WM_CHAR ? 3 : 0, 0);
        if (request != WM_CHAR) {
            EXPECT_EQ(answer, 0);
        }
        EXPECT_EQ(ClipboardText(), notice);
        EXPECT_EQ(Text(IDC_CALENDAR_TEXT), shown);
    }
}

// The picture button draws the chosen day's picture: a day with its own, a day with the common one.
TEST_F(CalendarTest, PictureButtonFollowsTheChosenDay) {
    auto drawn = [&](int id) {
        Canvas canvas(88, 300);
        DRAWITEMSTRUCT item =
            canvas.DrawItem(IDC_CALENDAR_PICTURE, GetDlgItem(dialog_, IDC_CALENDAR_PICTURE));
        if (id == 0)
            SendMessageA(dialog_, WM_DRAWITEM, IDC_CALENDAR_PICTURE,
                         reinterpret_cast<LPARAM>(&item));
        else
            DrawDayPicture(ResourceModule, &item, id);
        return canvas.Pixels();
    };
    int32_t width, height;
    uint32_t bits;
    ASSERT_TRUE(
        ReadPictureHeader(ResourceModule, 2101, &width, &height, &bits)); // 1 January has its own
    ASSERT_NE(drawn(2101), drawn(FallbackPictureId));
    ChooseMonth(2000, 0);
    EXPECT_EQ(drawn(0), drawn(2101));
    ChooseMonth(2000, 11);
    PressDay(2000, 11, 30); // no picture of its own
    EXPECT_EQ(drawn(0), drawn(FallbackPictureId));
}

TEST_F(CalendarTest, EscapeIsIgnoredAndOkEndsAndFreesTheFont) {
    ShowWindow(dialog_, SW_SHOW);
    HFONT font =
        reinterpret_cast<HFONT>(SendDlgItemMessageA(dialog_, IDC_CALENDAR_TEXT, WM_GETFONT, 0, 0));
    ASSERT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    SendMessageA(dialog_, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(IsWindowVisible(dialog_));
    SendMessageA(dialog_, WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(IsWindowVisible(dialog_));
    EXPECT_EQ(GetObjectType(font), 0u);
}

// The grid painted into a memory canvas: where the layout puts texts there are lit pixels,
// elsewhere in the grid's area black, and outside it nothing is touched.
TEST(MonthGrid, DrawsTitleHeadsAndDaysWhereTheLayoutSays) {
    const int width = 800, height = 200, grey = 0x808080;
    Canvas canvas(width, height); // filled with grey
    HGDIOBJ font = GetCurrentObject(canvas.dc(), OBJ_FONT);
    RECT client = {0, 0, width, height};
    // February 2000: Tuesday 1 to Tuesday 29.
    SIZE units = DrawMonthGrid(canvas.dc(), 2000, 1, &client);
    const std::vector<uint32_t> pixels = canvas.Pixels();
    EXPECT_EQ(units.cx, 5);
    EXPECT_EQ(units.cy, 12);
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), font);

    const int base = GridBase(IsLargeFontDisplay());
    auto lit = [&](int left, int top, int right, int bottom, uint32_t only = 0) {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) {
                uint32_t colour = pixels[y * width + x] & 0xFFFFFF;
                count += only != 0 ? colour == only : colour != 0;
            }
        return count;
    };
    EXPECT_GT(lit(base, 33, base + 150, 48), 0); // "February 2000" starts at base, in white
    EXPECT_EQ(lit(base, 33, base + 150, 48, 0xFFFFFF), lit(base, 33, base + 150, 48));
    EXPECT_EQ(lit(base - 30, 33, base, 48), 0);
    SIZE title; // and it is as wide as the month's name and year in the grid's font
    HGDIOBJ kept = AltEntryFont != nullptr ? SelectObject(canvas.dc(), AltEntryFont) : nullptr;
    GetTextExtentPoint32A(canvas.dc(), "February 2000", 13, &title);
    if (kept != nullptr)
        SelectObject(canvas.dc(), kept);
    int right = 0;
    for (int x = base; x < base + 160; ++x) // the grid's black area ends at base + 160
        right = lit(x, 33, x + 1, 48) > 0 ? x : right;
    EXPECT_NEAR(right, base + title.cx, 2);
    for (int j = 0; j < 7; ++j) {
        int edge = base + 25 * j;
        EXPECT_GT(lit(edge - 20, 57, edge, 72), 0) << j; // weekday heads end at the edge
        EXPECT_EQ(lit(edge + 1, 57, edge + 4, 72), 0) << j;
    }
    for (int cell = 0; cell < 42; ++cell) {
        int edge = base + 25 * (cell % 7), top = 81 + 12 * (cell / 7);
        bool holdsDay = cell >= 2 && cell < 2 + 29;
        EXPECT_EQ(lit(edge - 20, top, edge, top + 12) > 0, holdsDay) << cell;
    }
    // The area is black apart from the texts, to its edges; around it the canvas is untouched.
    EXPECT_EQ(lit(base - 30, 31, base + 160, 32) + lit(base - 30, 160, base + 160, 161) +
                  lit(base - 30, 31, base - 29, 161) + lit(base + 159, 31, base + 160, 161),
              0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            bool inside = x >= base - 30 && x < base + 160 && y >= 31 && y < 161;
            if (!inside) {
                ASSERT_EQ(pixels[y * width + x] & 0xFFFFFF, static_cast<uint32_t>(grey))
                    << x << "," << y;
            }
        }
}

// The modal calendar, driven from a timer in its own message loop: Escape first, then Enter.
struct ModalRun {
    HWND owner = nullptr;
    HWND dialog = nullptr;
    bool ownerDisabled = false, enterSent = false, openAfterEscape = false, endedByTest = false;
} Modal;

void CALLBACK DriveCalendar(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindWindowA("#32770", "Tavrin: A Morvest Daybook");
    if (dialog == nullptr)
        return;
    if (Modal.dialog == nullptr) {
        Modal.dialog = dialog;
        Modal.ownerDisabled = !IsWindowEnabled(Modal.owner);
        PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
    } else if (!Modal.enterSent) {
        Modal.openAfterEscape = IsWindowVisible(dialog) != FALSE;
        Modal.enterSent = true;
        PostMessageA(dialog, WM_KEYDOWN, VK_RETURN, 0);
    } else {
        Modal.endedByTest = true; // Enter did not end it
        EndDialog(dialog, 0);
    }
}

TEST(CalendarModal, EnterEndsItEscapeDoesNot) {
    Modal.owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    UINT_PTR timer = SetTimer(nullptr, 0, 50, DriveCalendar);
    ShowCalendar(Modal.owner);
    KillTimer(nullptr, timer);
    EXPECT_NE(Modal.dialog, nullptr);
    EXPECT_TRUE(Modal.ownerDisabled);
    EXPECT_TRUE(Modal.openAfterEscape);
    EXPECT_FALSE(Modal.endedByTest);
    EXPECT_FALSE(IsWindow(Modal.dialog));
    DestroyWindow(Modal.owner);
}

} // namespace
