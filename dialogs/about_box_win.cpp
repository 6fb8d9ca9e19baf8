#include "dialogs/about_box_win.h"

#include <cstdlib>
#include <cstring>

#include "app/shared_ui_win.h"
#include "dialogs/info_text.h"
#include "pictures/picture_draw_win.h"
#include "resource.h"
#include "version.h"

static const COLORREF AboutTextColour = RGB(245, 245, 234);
static const COLORREF NoticeColour = RGB(122, 122, 117);
static const int NoticeStripHeight = 15;

struct AboutRequest {
    char versionLetter;
    const char* noticeLine;
};

// What the open About box holds, from its initialisation until it is destroyed.
static struct {
    PictureResource frames[IDB_ABOUT_FRAME_COUNT];
    int frame;
    bool animating;
    HBRUSH brush;
    HFONT titleFont, lineFont, supportFont;
} About;

// The notice lines share one colour; each keeps its font in its user data.
static WNDPROC StaticControlProc;
static COLORREF NoticeLineColour;

bool ShowAboutBox(HWND owner, char versionLetter, const char* noticeLine) {
    AboutRequest request = {versionLetter, noticeLine};
    return DialogBoxParamA(ResourceModule, MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutBoxProc,
                           reinterpret_cast<LPARAM>(&request)) == 1;
}

static void SetVersionTitle(HWND dialog, char letter) {
    char pattern[513] = "", title[600];
    GetDlgItemTextA(dialog, IDC_ABOUT_TITLE, pattern, sizeof pattern);
    FormatVersionTitle(pattern, TAVRIN_VERSION_MAJOR, TAVRIN_VERSION_MINOR, letter, title,
                       sizeof title);
    SetDlgItemTextA(dialog, IDC_ABOUT_TITLE, title);
}

static void StartAnimation(HWND dialog) {
    if (ScreenColourDepth() <= 8)
        return;
    for (int i = 0; i < IDB_ABOUT_FRAME_COUNT; ++i)
        LoadPicture(ResourceModule, IDB_ABOUT_FIRST_FRAME + i, &About.frames[i]);
    About.animating = true;
    SetTimer(dialog, TIMER_ABOUT_ANIMATION, 100, nullptr);
}

static INT_PTR OnAboutInit(HWND dialog, const AboutRequest* request) {
    memset(&About, 0, sizeof About);
    About.brush = CreateSolidBrush(RGB(0, 0, 0));
    SetVersionTitle(dialog, request->versionLetter);
    SetFocus(GetDlgItem(dialog, IDOK));
    About.titleFont = CreateFaceFont("Times New Roman", 32, FW_BOLD);
    About.lineFont = CreateFaceFont("ARIAL", 20, FW_BOLD);
    About.supportFont = CreateFaceFont("ARIAL", 15, FW_NORMAL);
    SendDlgItemMessageA(dialog, IDC_ABOUT_TITLE, WM_SETFONT,
                        reinterpret_cast<WPARAM>(About.titleFont), FALSE);
    SendDlgItemMessageA(dialog, IDC_ABOUT_COPYRIGHT, WM_SETFONT,
                        reinterpret_cast<WPARAM>(About.lineFont), FALSE);
    SendDlgItemMessageA(dialog, IDC_ABOUT_WEB_PAGE, WM_SETFONT,
                        reinterpret_cast<WPARAM>(About.lineFont), FALSE);
    SendDlgItemMessageA(dialog, IDC_ABOUT_SUPPORT, WM_SETFONT,
                        reinterpret_cast<WPARAM>(About.supportFont), FALSE);
    SetDlgItemTextA(dialog, IDC_ABOUT_SUPPORT, LoadText(IDS_SUPPORT_CONTACT));
    StartAnimation(dialog);
    if (request->noticeLine != nullptr)
        AddNoticeLine(dialog, request->noticeLine, NoticeColour, SS_RIGHT);
    CentreOnScreen(dialog);
    return FALSE; // the focus is set
}

// Every frame, the brush and the fonts go when the box does, however it ends.
static void ReleaseAbout(HWND dialog) {
    if (About.animating)
        KillTimer(dialog, TIMER_ABOUT_ANIMATION);
    memset(About.frames, 0, sizeof About.frames); // loaded resources need no freeing
    const HGDIOBJ objects[] = {About.brush, About.titleFont, About.lineFont, About.supportFont};
    for (HGDIOBJ object : objects)
        if (object != nullptr)
            DeleteObject(object);
    memset(&About, 0, sizeof About);
}

static void DrawAboutItem(const DRAWITEMSTRUCT* item) {
    PictureResource picture = {};
    if (item->CtlID == IDC_ABOUT_PICTURE)
        LoadPicture(ResourceModule, IDB_ABOUT_PICTURE, &picture);
    else if (item->CtlID == IDC_ABOUT_ANIMATION && About.animating)
        picture = About.frames[About.frame];
    if (picture.bits != nullptr) {
        DrawPictureButton(item, &picture);
    } else if ((item->itemAction & ODA_FOCUS) != 0 || (item->itemState & ODS_FOCUS) != 0) {
        // No animation on a palette display: the box's black, to show or clear the focus cue.
        FillRect(item->hDC, &item->rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        DrawFocusCue(item, item->rcItem);
    }
}

static INT_PTR OnAboutCommand(HWND dialog, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDC_ABOUT_CREDITS:
        ShowCredits(dialog);
        break;
    case IDOK:
        EndDialog(dialog, 1);
        break;
    }
    return TRUE; // nothing else ends the box, Escape included
}

INT_PTR CALLBACK AboutBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnAboutInit(dialog, reinterpret_cast<const AboutRequest*>(lParam));
    case WM_DESTROY:
        ReleaseAbout(dialog);
        return FALSE;
    case WM_DRAWITEM:
        DrawAboutItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_TIMER:
        if (wParam == TIMER_ABOUT_ANIMATION) {
            InvalidateRect(GetDlgItem(dialog, IDC_ABOUT_ANIMATION), nullptr, FALSE);
            About.frame = (About.frame + 1) % IDB_ABOUT_FRAME_COUNT;
        }
        return TRUE;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        TextOnBlack(reinterpret_cast<HDC>(wParam), AboutTextColour);
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<INT_PTR>(About.brush);
    case WM_COMMAND:
        return OnAboutCommand(dialog, wParam);
    }
    return FALSE;
}

void AddNoticeLine(HWND dialog, const char* text, COLORREF colour, DWORD alignment) {
    RECT frame, client;
    GetWindowRect(dialog, &frame);
    GetClientRect(dialog, &client);
    SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left,
                 frame.bottom - frame.top + NoticeStripHeight, SWP_NOMOVE | SWP_NOZORDER);
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        RECT place;
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
        SetWindowPos(child, nullptr, place.left, place.top + NoticeStripHeight, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    HWND line = CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | SS_NOPREFIX | alignment,
                                10, 2, client.right - 20, NoticeStripHeight, dialog,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_NOTICE_LINE)),
                                GetModuleHandleA(nullptr), nullptr);
    if (line == nullptr)
        return;
    HFONT font = CreateFaceFont("ARIAL", 13, FW_DONTCARE);
    SetWindowLongPtrA(line, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(font));
    WNDPROC standard = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(line, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(NoticeLineProc)));
    if (StaticControlProc == nullptr)
        StaticControlProc = standard;
    SendMessageA(line, WM_NOTICE_SET_COLOUR, 0, static_cast<LPARAM>(colour));
}

static void PaintNoticeLine(HWND control) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(control, &paint);
    char text[512];
    if (GetWindowTextA(control, text, sizeof text) > 0) {
        RECT client;
        GetClientRect(control, &client);
        HGDIOBJ previous =
            SelectObject(dc, reinterpret_cast<HFONT>(GetWindowLongPtrA(control, GWLP_USERDATA)));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, NoticeLineColour);
        LONG style = GetWindowLongA(control, GWL_STYLE);
        UINT format = DT_WORDBREAK | DT_NOPREFIX;
        if ((style & SS_TYPEMASK) == SS_RIGHT)
            format |= DT_RIGHT;
        else if ((style & SS_TYPEMASK) == SS_CENTER)
            format |= DT_CENTER;
        DrawTextA(dc, text, -1, &client, format);
        SelectObject(dc, previous);
    }
    EndPaint(control, &paint);
}

LRESULT CALLBACK NoticeLineProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NOTICE_SET_COLOUR:
        NoticeLineColour = static_cast<COLORREF>(lParam);
        SendMessageA(control, WM_SETFONT, GetWindowLongPtrA(control, GWLP_USERDATA), TRUE);
        return 0;
    case WM_PAINT:
        PaintNoticeLine(control);
        return 0;
    case WM_DESTROY: {
        HFONT font = reinterpret_cast<HFONT>(GetWindowLongPtrA(control, GWLP_USERDATA));
        SetWindowLongPtrA(control, GWLP_USERDATA, 0);
        if (font != nullptr)
            DeleteObject(font);
        break;
    }
    }
    return CallWindowProcA(StaticControlProc, control, message, wParam, lParam);
}

void ShowCredits(HWND owner) {
    DialogBoxParamA(ResourceModule, MAKEINTRESOURCEA(IDD_CREDITS), owner, CreditsBoxProc, 0);
}

static INT_PTR OnCreditsInit(HWND dialog) {
    // LoadText shares one buffer, so each part is copied out before the next is loaded.
    char* parts[3] = {};
    size_t total = 0;
    const UINT ids[3] = {IDS_CREDITS_HEADING, IDS_CREDITS_TRADEMARKS, IDS_CREDITS_COPYRIGHT};
    for (int i = 0; i < 3; ++i) {
        parts[i] = strdup(LoadText(ids[i]));
        total += parts[i] != nullptr ? strlen(parts[i]) : 0;
    }
    char* text = static_cast<char*>(malloc(total + 256));
    if (text != nullptr) {
        text[0] = '\0';
        for (char* part : parts)
            if (part != nullptr)
                strcat(text, part);
        SetDlgItemTextA(dialog, IDC_CREDITS_TEXT, text);
        free(text);
    }
    for (char* part : parts)
        free(part);
    SetFocus(GetDlgItem(dialog, IDOK));
    CentreOnScreen(dialog);
    return FALSE;
}

INT_PTR CALLBACK CreditsBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return OnCreditsInit(dialog);
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK)
            EndDialog(dialog, 1);
        return TRUE;
    }
    return FALSE;
}
