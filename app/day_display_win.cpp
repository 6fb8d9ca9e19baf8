#include "app/day_display_win.h"

#include "app/shared_ui_win.h"
#include "app/start_rules.h"
#include "pictures/picture_draw_win.h"
#include "pictures/tints.h"
#include "resource.h"
#include "settings/settings.h"
#include "settings/text_values.h"

HFONT EntryFont;
HFONT AltEntryFont;
DayDate ShownDate;
uint32_t ShownPictureId;
static DayDate LastShownDate;
static struct { uint8_t hour, minute; } LastShownTime;

struct DayControl {
    int id;
    const char* className;
    const char* text;
    int x, y, width, height;
    DWORD style;
};

static const DWORD TextStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_NOPREFIX | SS_LEFT;
// The picture button's y depends on the window: it is given when the controls are created.
static const DayControl DayControls[] = {
    {IDC_MAIN_DATE, "STATIC", "", 4, 20, 128, 18, TextStyle},
    {IDC_MAIN_ENTRY, "STATIC", "", 136, 4, 608, 508, TextStyle},
    {IDC_MAIN_TIME, "STATIC", "", 4, 36, 128, 18, TextStyle},
    {IDC_MAIN_WEEKDAY, "STATIC", "", 4, 4, 128, 18, TextStyle},
    {IDC_MAIN_PICTURE, "BUTTON", "PICTURE", 0, 0, 128, 420,
     WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW},
};

void CreateEntryFonts() {
    EntryFont = CreateFaceFont("Arial", 16);
    AltEntryFont = CreateFaceFont("Arial", 15);
}

void DeleteEntryFonts() {
    if (EntryFont != nullptr)
        DeleteObject(EntryFont);
    if (AltEntryFont != nullptr)
        DeleteObject(AltEntryFont);
    EntryFont = AltEntryFont = nullptr;
}

void CreateDayControls(HWND parent, HINSTANCE instance, int pictureTop) {
    for (const DayControl& control : DayControls)
        CreateWindowExA(
            0, control.className, control.text, control.style, control.x,
            control.id == IDC_MAIN_PICTURE ? pictureTop : control.y, control.width, control.height,
            parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
    SetChildFonts(parent, EntryFont);
}

void ShowToday() {
    ShownDate = TodayDate();
    ShownPictureId = GetPictureId(&ShownDate);
}

BOOL RefreshDisplay(HWND window, BOOL force, const DayDate* date) {
    return RefreshDisplayAt(window, force, date, LocalTimeNow());
}

BOOL RefreshDisplayAt(HWND window, BOOL force, const DayDate* date, const struct tm& now) {
    DayDate shown = date != nullptr ? *date : DayDateOf(now);
    BOOL dayChanged = shown.day != LastShownDate.day;
    if (force || !SameDayDate(shown, LastShownDate)) {
        CurrentTintColour = GetTintColour(TintSelection);
        char line[64];
        FormatDateLine(shown, line, sizeof line);
        SetDlgItemTextA(window, IDC_MAIN_DATE, line);
        const char* text = GetEntryText(shown.month - 1, shown.day);
        HFONT font = EntryFont;
        if (*text == '*') {
            font = AltEntryFont;
            ++text;
        }
        if (font != nullptr)
            SendDlgItemMessageA(window, IDC_MAIN_ENTRY, WM_SETFONT, reinterpret_cast<WPARAM>(font),
                                FALSE);
        SetDlgItemTextA(window, IDC_MAIN_ENTRY, text);
        LastShownDate = shown;
        SetDlgItemTextA(window, IDC_MAIN_WEEKDAY, WeekdayNameOf(now));
    }
    if (!force && now.tm_hour == LastShownTime.hour && now.tm_min == LastShownTime.minute)
        return dayChanged;
    char clock[32];
    FormatClockText(static_cast<unsigned>(now.tm_hour), static_cast<unsigned>(now.tm_min), clock,
                    sizeof clock);
    SetDlgItemTextA(window, IDC_MAIN_TIME, clock);
    LastShownTime.hour = static_cast<uint8_t>(now.tm_hour);
    LastShownTime.minute = static_cast<uint8_t>(now.tm_min);
    return dayChanged;
}

void FollowClock(HWND window, const struct tm& now) {
    ShownDate = DayDateOf(now);
    RefreshDisplayAt(window, FALSE, &ShownDate, now);
    uint32_t pictureId = GetPictureId(&ShownDate);
    if (pictureId != ShownPictureId) {
        ShownPictureId = pictureId;
        InvalidateRect(GetDlgItem(window, IDC_MAIN_PICTURE), nullptr, TRUE);
    }
}

bool AnswerDayMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (message) {
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlID == IDC_MAIN_PICTURE)
            DrawDayPicture(ResourceModule, item, static_cast<int>(ShownPictureId));
        *result = TRUE;
        return true;
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        *result = reinterpret_cast<LRESULT>(TintedTextOnBlack(reinterpret_cast<HDC>(wParam)));
        return true;
    }
    return false;
}
