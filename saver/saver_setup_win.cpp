// The saver's setup dialog: the orbit speed on a trackbar, the About box and the manual.
#include <windows.h>

#include <commctrl.h>

#include "app/day_display_win.h"
#include "app/shared_ui_win.h"
#include "dialogs/about_box_win.h"
#include "dialogs/documents_win.h"
#include "pictures/picture_draw_win.h"
#include "resource.h"
#include "saver/saver_win.h"
#include "saver/saver_rules.h"
#include "settings/settings.h"
#include "version.h"

static HBRUSH ButtonFaceBrush;

static INT_PTR OnSetupInit(HWND dialog) {
    ReadSettings();
    LoadMainProgram();
    CreateEntryFonts();
    ButtonFaceBrush = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    HWND speed = GetDlgItem(dialog, IDC_SAVER_SPEED);
    SendMessageA(speed, TBM_SETRANGEMIN, FALSE, FastestAnimationSpeed);
    SendMessageA(speed, TBM_SETRANGEMAX, TRUE, SlowestAnimationSpeed);
    SendMessageA(speed, TBM_SETPOS, TRUE, ClampAnimationSpeed(AnimationSpeed));
    CentreOnScreen(dialog);
    return FALSE;
}

// The brush and the fonts go when the dialog does, however it ends.
static void ReleaseSetup() {
    if (ButtonFaceBrush != nullptr)
        DeleteObject(ButtonFaceBrush);
    ButtonFaceBrush = nullptr;
    DeleteEntryFonts();
}

static void OnSetupOk(HWND dialog, WPARAM wParam) {
    LRESULT position = SendDlgItemMessageA(dialog, IDC_SAVER_SPEED, TBM_GETPOS, 0, 0);
    AnimationSpeed = ClampAnimationSpeed(position < 0 ? 0 : static_cast<uint32_t>(position));
    WriteSettings();
    EndDialog(dialog, static_cast<INT_PTR>(wParam));
}

static INT_PTR OnSetupCommand(HWND dialog, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK:
        OnSetupOk(dialog, wParam);
        break;
    case IDC_SAVER_ABOUT:
        ShowAboutBox(dialog, TAVRIN_SAVER_VERSION_LETTER, nullptr);
        break;
    case IDC_SAVER_MANUAL:
        OpenManual(dialog);
        break;
    }
    return FALSE; // Cancel and Escape included: only OK ends the dialog
}

INT_PTR CALLBACK SaverSetupProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnSetupInit(dialog);
    case WM_DESTROY:
        ReleaseSetup();
        return FALSE;
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlID != IDC_SAVER_PICTURE)
            return FALSE;
        DrawPictureItem(ResourceModule, item, IDB_SAVER_SETUP_PICTURE);
        return TRUE;
    }
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
        SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNTEXT));
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<INT_PTR>(ButtonFaceBrush);
    case WM_COMMAND:
        return OnSetupCommand(dialog, wParam);
    }
    return FALSE;
}
