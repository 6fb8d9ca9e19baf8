// The calendar dialog: year and month lists, a painted month grid, and the chosen day's picture,
// date line and entry text.
#include "calendar/calendar_dialog_win.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/day_display_win.h"
#include "app/shared_ui_win.h"
#include "calendar/calendar_math.h"
#include "database/day_entries.h"
#include "pictures/picture_draw_win.h"
#include "resource.h"

// What the open calendar shows. There is only ever one calendar open.
static struct {
    int year;
    int monthIndex; // 0 to 11
    int day;        // the chosen day, 1 to the month's length
    DayDate pictureDate;
    int shownPictureId; // -1 before the first lookup
    HFONT textFont;
    WNDPROC editProc;    // the edit-control class's procedure of the text box
    WNDPROC pictureProc; // the button class's procedure of the picture
} Calendar;

// The keys that step through the days while the picture has the focus.
static const struct {
    WPARAM key;
    DayStep step;
} DayKeys[] = {
    {VK_LEFT, DayStep::PreviousDay},    {VK_RIGHT, DayStep::NextDay},
    {VK_UP, DayStep::PreviousWeek},     {VK_DOWN, DayStep::NextWeek},
    {VK_PRIOR, DayStep::PreviousMonth}, {VK_NEXT, DayStep::NextMonth},
    {VK_HOME, DayStep::FirstOfMonth},   {VK_END, DayStep::LastOfMonth},
};

void ShowCalendar(HWND owner) {
    DialogBoxParamA(ResourceModule, "CalendarBox", owner, CalendarProc, 0);
}

bool IsLargeFontDisplay() {
    HDC screen = GetDC(nullptr);
    int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return pixelsPerInch > 96;
}

SIZE DrawMonthGrid(HDC dc, int year, int monthIndex, const RECT* client) {
    int base = client->left + GridBase(IsLargeFontDisplay());
    int top = client->top;
    SetTextColor(dc, RGB(255, 255, 255));
    RECT area = {base - 30, top + 31, base + 160, top + 161};
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));

    HGDIOBJ previousFont = AltEntryFont != nullptr ? SelectObject(dc, AltEntryFont) : nullptr;
    int previousMode = SetBkMode(dc, OPAQUE);
    SetBkColor(dc, GetNearestColor(dc, RGB(0, 0, 0)));
    UINT previousAlign = SetTextAlign(dc, TA_LEFT | TA_TOP);

    char text[64];
    FormatCalendarTitle(year, monthIndex, text, sizeof text);
    TextOutA(dc, base, top + GridTitleTop, text, static_cast<int>(strlen(text)));

    SetTextAlign(dc, TA_RIGHT | TA_TOP);
    for (int j = 0; j < GridColumns; ++j)
        TextOutA(dc, base + GridColumnPitch * j, top + GridHeadingTop, DayAbbreviations[j], 2);

    int column = FirstWeekdayOfMonth(year, monthIndex), row = 0;
    int length = MonthLength(year, monthIndex);
    for (int day = 1; day <= length; ++day) {
        snprintf(text, sizeof text, "%u", static_cast<unsigned>(day));
        TextOutA(dc, base + GridColumnPitch * column, top + GridFirstRowTop + GridRowHeight * row,
                 text, static_cast<int>(strlen(text)));
        if (++column == GridColumns) {
            column = 0;
            ++row;
        }
    }

    SetTextAlign(dc, previousAlign);
    SetBkMode(dc, previousMode);
    if (previousFont != nullptr)
        SelectObject(dc, previousFont);
    return SIZE{GridColumnUnit, GridRowHeight};
}

// Refreshes the picture (only when its number changes) and its name, the entry text and the
// date line for the chosen day.
static void ShowChosenDay(HWND dialog) {
    Calendar.pictureDate.year = Calendar.year;
    Calendar.pictureDate.month = static_cast<uint8_t>(Calendar.monthIndex + 1);
    Calendar.pictureDate.day = static_cast<uint8_t>(Calendar.day);
    int pictureId = GetPictureId(&Calendar.pictureDate);
    HWND picture = GetDlgItem(dialog, IDC_CALENDAR_PICTURE);
    if (pictureId != Calendar.shownPictureId) {
        Calendar.shownPictureId = pictureId;
        InvalidateRect(picture, nullptr, TRUE);
    }
    // Never drawn: the name is what a screen reader reads for the picture.
    char name[64];
    FormatPictureName(Calendar.monthIndex, Calendar.day, name, sizeof name);
    SetWindowTextA(picture, name);

    // Without memory for the converted text the box keeps what it shows.
    char* text = ToEditText(GetEntryText(Calendar.monthIndex, Calendar.day));
    if (text != nullptr) {
        SetDlgItemTextA(dialog, IDC_CALENDAR_TEXT, text);
        free(text);
    }

    char line[96];
    FormatCalendarDateLine(Calendar.year, Calendar.monthIndex, Calendar.day, line, sizeof line);
    SetDlgItemTextA(dialog, IDC_CALENDAR_DATE, line);
}

static void RedrawMonthGrid(HWND dialog) {
    HDC dc = GetDC(dialog);
    RECT client;
    GetClientRect(dialog, &client);
    DrawMonthGrid(dc, Calendar.year, Calendar.monthIndex, &client);
    ReleaseDC(dialog, dc);
}

// Selects the shown month and year in the lists. A clock outside the calendar's years leaves
// the year list without a selection.
static void SelectShownMonth(HWND dialog) {
    SendDlgItemMessageA(dialog, IDC_CALENDAR_MONTHS, CB_SETCURSEL, Calendar.monthIndex, 0);
    int index = Calendar.year - FirstCalendarYear;
    SendDlgItemMessageA(dialog, IDC_CALENDAR_YEARS, CB_SETCURSEL,
                        index >= 0 && index < CalendarYearCount ? index : -1, 0);
}

static void FillLists(HWND dialog) {
    HWND months = GetDlgItem(dialog, IDC_CALENDAR_MONTHS);
    SendMessageA(months, CB_RESETCONTENT, 0, 0);
    for (const char* name : MonthNames)
        SendMessageA(months, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));

    HWND years = GetDlgItem(dialog, IDC_CALENDAR_YEARS);
    SendMessageA(years, CB_RESETCONTENT, 0, 0);
    for (int year = FirstCalendarYear; year <= LastCalendarYear; ++year) {
        char text[8];
        snprintf(text, sizeof text, "%d", year);
        SendMessageA(years, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    SelectShownMonth(dialog);
}

static LRESULT CALLBACK CalendarPictureProc(HWND, UINT, WPARAM, LPARAM);

static INT_PTR OnInitDialog(HWND dialog) {
    Calendar.textFont = CreateFaceFont("Arial", 16);
    SendDlgItemMessageA(dialog, IDC_CALENDAR_TEXT, WM_SETFONT,
                        reinterpret_cast<WPARAM>(Calendar.textFont), FALSE);

    Calendar.shownPictureId = -1;
    DayDate today = TodayDate();
    Calendar.year = today.year;
    Calendar.monthIndex = today.month - 1;
    Calendar.day = today.day;
    ShowChosenDay(dialog);
    FillLists(dialog);

    HWND text = GetDlgItem(dialog, IDC_CALENDAR_TEXT);
    Calendar.editProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(text, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CalendarTextProc)));
    HWND picture = GetDlgItem(dialog, IDC_CALENDAR_PICTURE);
    Calendar.pictureProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(picture, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CalendarPictureProc)));

    CentreOnScreen(dialog);
    SetWindowTextA(dialog, LoadText(IDS_PROGRAM_TITLE));
    FollowDarkMode(dialog);
    return FALSE; // no initial focus
}

static void DeleteTextFont() {
    if (Calendar.textFont != nullptr)
        DeleteObject(Calendar.textFont);
    Calendar.textFont = nullptr;
}

// A list was closed, or its selection changed while it was closed (the keyboard and the mouse
// wheel do that): take its selection (if any), go to the first of the month and show it.
static void OnListChosen(HWND dialog, int listId) {
    LRESULT selection = SendDlgItemMessageA(dialog, listId, CB_GETCURSEL, 0, 0);
    if (selection != CB_ERR) {
        if (listId == IDC_CALENDAR_YEARS)
            Calendar.year = FirstCalendarYear + static_cast<int>(selection);
        else
            Calendar.monthIndex = static_cast<int>(selection);
    }
    Calendar.day = 1;
    ShowChosenDay(dialog);
    RedrawMonthGrid(dialog);
}

static INT_PTR OnCommand(HWND dialog, WPARAM wParam) {
    int id = LOWORD(wParam);
    if (id == IDC_CALENDAR_YEARS || id == IDC_CALENDAR_MONTHS) {
        // A change made while the list is open counts when it closes.
        HWND list = GetDlgItem(dialog, id);
        if (HIWORD(wParam) == CBN_CLOSEUP ||
            (HIWORD(wParam) == CBN_SELCHANGE && !SendMessageA(list, CB_GETDROPPEDSTATE, 0, 0)))
            OnListChosen(dialog, id);
        return TRUE;
    }
    // OK and Enter end the calendar; there is no cancel, so Escape leaves it open.
    if (id == IDOK) {
        DeleteTextFont();
        EndDialog(dialog, static_cast<INT_PTR>(wParam));
        return TRUE;
    }
    return FALSE;
}

static void OnLeftButtonDown(HWND dialog, LPARAM lParam) {
    int day = CalendarDayAt(LOWORD(lParam), HIWORD(lParam), GridBase(IsLargeFontDisplay()),
                            Calendar.year, Calendar.monthIndex);
    if (day == 0)
        return;
    Calendar.day = day;
    ShowChosenDay(dialog);
}

// A key took the chosen day one step: show it as a click would, with the lists and the grid
// following when the step left the shown month.
static void StepChosenDay(HWND dialog, DayStep step) {
    CalendarDay to = StepCalendarDay({Calendar.year, Calendar.monthIndex, Calendar.day}, step);
    bool otherMonth = to.year != Calendar.year || to.monthIndex != Calendar.monthIndex;
    Calendar.year = to.year;
    Calendar.monthIndex = to.monthIndex;
    Calendar.day = to.day;
    ShowChosenDay(dialog);
    if (otherMonth) {
        SelectShownMonth(dialog);
        RedrawMonthGrid(dialog);
    }
}

static void OnPaint(HWND dialog) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    RECT client;
    GetClientRect(dialog, &client);
    DrawMonthGrid(dc, Calendar.year, Calendar.monthIndex, &client);
    EndPaint(dialog, &paint);
}

INT_PTR CALLBACK CalendarProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog);
    case WM_PAINT:
        OnPaint(dialog);
        return TRUE;
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlID == IDC_CALENDAR_PICTURE)
            DrawDayPicture(ResourceModule, item, Calendar.shownPictureId);
        return TRUE;
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        // The dialog, its labels, the date line and the read-only text box (which asks as a
        // static control) show tinted text on black.
        return reinterpret_cast<INT_PTR>(TintedTextOnBlack(reinterpret_cast<HDC>(wParam)));
    case WM_COMMAND:
        return OnCommand(dialog, wParam);
    case WM_LBUTTONDOWN:
        OnLeftButtonDown(dialog, lParam);
        return TRUE;
    case WM_DESTROY:
        // Closed some other way than by OK (its owner went away): the font still goes.
        DeleteTextFont();
        return FALSE;
    }
    return FALSE;
}

// The picture takes the arrow keys from the dialog, which would otherwise move the focus with
// them, and steps through the days with them and the page, Home and End keys.
static LRESULT CALLBACK CalendarPictureProc(HWND picture, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message == WM_GETDLGCODE)
        return CallWindowProcA(Calendar.pictureProc, picture, message, wParam, lParam) |
               DLGC_WANTARROWS;
    if (message == WM_KEYDOWN)
        for (const auto& key : DayKeys)
            if (key.key == wParam) {
                StepChosenDay(GetParent(picture), key.step);
                return 0;
            }
    return CallWindowProcA(Calendar.pictureProc, picture, message, wParam, lParam);
}

// The daybook's texts are not to be copied: the clipboard gets the notice instead.
static void PutCopyNoticeOnClipboard(HWND window) {
    if (!OpenClipboard(window))
        return;
    EmptyClipboard();
    const char* notice = LoadText(IDS_COPY_NOTICE);
    size_t length = strlen(notice);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, length + 16);
    if (block != nullptr) {
        char* bytes = static_cast<char*>(GlobalLock(block));
        if (bytes != nullptr) {
            memcpy(bytes, notice, length);
            GlobalUnlock(block);
        }
        if (SetClipboardData(CF_TEXT, block) == nullptr)
            GlobalFree(block);
    }
    CloseClipboard();
}

LRESULT CALLBACK CalendarTextProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CUT || message == WM_COPY) {
        PutCopyNoticeOnClipboard(window);
        return 0;
    }
    return CallWindowProcA(Calendar.editProc, window, message, wParam, lParam);
}
