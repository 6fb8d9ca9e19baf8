#include "dialogs/display_check_win.h"

#include "app/shared_ui_win.h"
#include "dialogs/documents_win.h"
#include "pictures/picture_draw_win.h"
#include "resource.h"
#include "settings/settings.h"

// The text's font, from the box's initialisation to its end.
static HFONT DriverTextFont;

int ShowChangeDriverBox(HWND owner) {
    INT_PTR result =
        DialogBoxParamA(ResourceModule, "ChangeDriverBox", owner, ChangeDriverBoxProc, 0);
    if (owner != nullptr)
        UpdateWindow(owner);
    return static_cast<int>(result);
}

static INT_PTR OnDriverInit(HWND dialog) {
    DriverTextFont = CreateFaceFont("Arial", 16, FW_NORMAL);
    SendDlgItemMessageA(dialog, IDC_DRIVER_TEXT, WM_SETFONT,
                        reinterpret_cast<WPARAM>(DriverTextFont), FALSE);
    MessageBeep(MB_ICONASTERISK);
    CheckDlgButton(dialog, IDC_DRIVER_SHOW_AGAIN, BST_CHECKED);
    CentreOnScreen(dialog);
    SetFocus(GetDlgItem(dialog, IDOK));
    return FALSE; // the focus is set
}

static INT_PTR OnDriverCommand(HWND dialog, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK:
    case IDCANCEL: // Escape is "Done": the check box is stored either way
        ShowDriverMessage =
            IsDlgButtonChecked(dialog, IDC_DRIVER_SHOW_AGAIN) == BST_CHECKED ? 1 : 0;
        EndDialog(dialog, 1);
        break;
    case IDC_DRIVER_HELP:
        LaunchDocument(dialog, "html\\drivers.htm", nullptr);
        break;
    }
    return TRUE;
}

INT_PTR CALLBACK ChangeDriverBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnDriverInit(dialog);
    case WM_DESTROY:
        if (DriverTextFont != nullptr)
            DeleteObject(DriverTextFont);
        DriverTextFont = nullptr;
        return FALSE;
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlID == IDC_DRIVER_PICTURE)
            DrawPictureItem(ResourceModule, item, IDB_DRIVER_PICTURE);
        return TRUE;
    }
    case WM_ACTIVATEAPP:
        // On a palette display the picture's own palette is realised again when it is redrawn.
        if (wParam != 0 && ScreenColourDepth() <= 8)
            InvalidateRect(GetDlgItem(dialog, IDC_DRIVER_PICTURE), nullptr, FALSE);
        return FALSE;
    case WM_COMMAND:
        return OnDriverCommand(dialog, wParam);
    }
    return FALSE;
}
