#include "dialogs/setup_dialog.h"

#include <commctrl.h>

#include <cstdio>

#include "app/shared_ui.h"
#include "dialogs/documents.h"
#include "dialogs/setup_values.h"
#include "resource.h"
#include "settings/settings.h"

void ShowSetupDialog(HWND owner) {
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&classes);
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_USETITLE;
    page.hInstance = ResourceModule;
    page.pszTemplate = "SetupPropertyOne";
    page.pfnDlgProc = SetupPageProc;
    page.pszTitle = "Application";
    PROPSHEETHEADERA sheet = {};
    sheet.dwSize = sizeof sheet;
    sheet.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
    sheet.hwndParent = owner;
    sheet.hInstance = ResourceModule;
    sheet.pszCaption = "Setup";
    sheet.nPages = 1;
    sheet.nStartPage = 0;
    sheet.ppsp = &page;
    PropertySheetA(&sheet);
}

// The range written in a row's up-down control, which has the edit box's id plus 10000.
static SpinRange RowSpinRange(HWND page, const SettingRow* row) {
    char text[SettingTextSize + 1] = "";
    GetDlgItemTextA(page, row->controlId + IDC_SETUP_SPIN_OFFSET, text, sizeof text);
    return ScanSpinRange(text);
}

static void LoadControl(HWND page, const SettingRow* row) {
    HWND control = GetDlgItem(page, row->controlId);
    uint32_t* number = static_cast<uint32_t*>(row->variable);
    if (row->kind & KindChoice) {
        // Appended in table order; appending does not sort, so an item's position is its index.
        SendMessageA(control, CB_RESETCONTENT, 0, 0);
        for (const TintRow* choice = row->choices; choice->name != nullptr; ++choice)
            SendMessageA(control, CB_INSERTSTRING, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(choice->name));
        SendMessageA(control, CB_SETCURSEL, *number, 0); // no selection when out of range
    } else if ((row->kind & KindInteger) && (row->kind & KindSpin)) {
        SpinRange range = RowSpinRange(page, row);
        HWND spin = GetDlgItem(page, row->controlId + IDC_SETUP_SPIN_OFFSET);
        if (HasSpinBounds(range))
            SendMessageA(spin, UDM_SETRANGE32, range.lower, range.upper);
        if (range.position != -1)
            SendMessageA(spin, UDM_SETPOS32, 0, range.position);
        char text[16];
        snprintf(text, sizeof text, "%u", static_cast<unsigned>(*number));
        SetWindowTextA(control, text);
    } else if (row->kind & KindString) {
        SendMessageA(control, EM_LIMITTEXT, SettingTextSize, 0);
        SetWindowTextA(control, static_cast<const char*>(row->variable));
    } else if (row->kind & KindBoolean) {
        CheckDlgButton(page, row->controlId, *number != 0 ? BST_CHECKED : BST_UNCHECKED);
    }
}

static void StoreControl(HWND page, const SettingRow* row) {
    HWND control = GetDlgItem(page, row->controlId);
    uint32_t* number = static_cast<uint32_t*>(row->variable);
    if (row->kind & KindChoice) {
        LRESULT selection = SendMessageA(control, CB_GETCURSEL, 0, 0);
        if (selection != CB_ERR)
            *number = static_cast<uint32_t>(selection);
    } else if ((row->kind & KindInteger) && (row->kind & KindSpin)) {
        char text[SettingTextSize + 1] = "";
        GetWindowTextA(control, text, sizeof text);
        *number = ClampToSpinRange(ReadUnsignedText(text), RowSpinRange(page, row));
    } else if (row->kind & KindString) {
        GetWindowTextA(control, static_cast<char*>(row->variable), sizeof(SettingText));
    } else if (row->kind & KindBoolean) {
        *number = IsDlgButtonChecked(page, row->controlId) == BST_CHECKED ? 1 : 0;
    }
}

void LoadPageControls(HWND page) {
    for (const SettingRow* row = SettingsTable; row->key != nullptr; ++row)
        if (row->controlId != 0 && GetDlgItem(page, row->controlId) != nullptr)
            LoadControl(page, row);
}

void StorePageControls(HWND page) {
    for (const SettingRow* row = SettingsTable; row->key != nullptr; ++row)
        if (row->controlId != 0 && GetDlgItem(page, row->controlId) != nullptr)
            StoreControl(page, row);
}

INT_PTR CALLBACK SetupPageProc(HWND page, UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        LoadPageControls(page);
        CentreOnScreen(GetParent(page));
        return FALSE;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->code == PSN_APPLY) {
            StorePageControls(page);
            SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_NOERROR);
            return TRUE;
        }
        return FALSE;
    case WM_HELP:
        OpenReference(GetParent(page), "SETUP");
        return TRUE;
    }
    return FALSE;
}
