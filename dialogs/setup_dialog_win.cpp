#include "dialogs/setup_dialog_win.h"

#include <commctrl.h>

#include <cstdio>

#include "app/shared_ui_win.h"
#include "dialogs/documents_win.h"
#include "dialogs/setup_values.h"
#include "resource.h"
#include "settings/settings.h"

void ShowSetupDialog(HWND owner) {
    typedef INT_PTR(WINAPI * SheetFunction)(LPCPROPSHEETHEADERA);
    if (!InitControlClasses(ICC_UPDOWN_CLASS))
        return;
    SheetFunction showSheet =
        reinterpret_cast<SheetFunction>(SystemFunction(CommonControls(), "PropertySheetA"));
    if (showSheet == nullptr)
        return;
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
    showSheet(&sheet);
}

// The range written in a row's up-down control, which has the edit box's id plus 10000.
static SpinRange RowSpinRange(HWND page, const SettingRow* row) {
    char text[SettingTextSize + 1] = "";
    GetDlgItemTextA(page, row->controlId + IDC_SETUP_SPIN_OFFSET, text, sizeof text);
    return ScanSpinRange(text);
}

// How a row is shown on the page, decided by its kind bits in this order of tests.
enum class Binding { List, Spin, Text, Check, None };

static Binding RowBinding(const SettingRow* row) {
    if (row->kind & KindChoice)
        return Binding::List;
    if ((row->kind & KindInteger) && (row->kind & KindSpin))
        return Binding::Spin;
    if (row->kind & KindString)
        return Binding::Text;
    if (row->kind & KindBoolean)
        return Binding::Check;
    return Binding::None;
}

static void LoadControl(HWND page, const SettingRow* row) {
    HWND control = GetDlgItem(page, row->controlId);
    uint32_t* number = static_cast<uint32_t*>(row->variable);
    switch (RowBinding(row)) {
    case Binding::List:
        // Appended in table order; appending does not sort, so an item's position is its index.
        SendMessageA(control, CB_RESETCONTENT, 0, 0);
        for (const TintRow* choice = row->choices; choice->name != nullptr; ++choice)
            SendMessageA(control, CB_INSERTSTRING, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(choice->name));
        SendMessageA(control, CB_SETCURSEL, *number, 0); // no selection when out of range
        break;
    case Binding::Spin: {
        SpinRange range = RowSpinRange(page, row);
        HWND spin = GetDlgItem(page, row->controlId + IDC_SETUP_SPIN_OFFSET);
        if (HasSpinBounds(range))
            SendMessageA(spin, UDM_SETRANGE32, range.lower, range.upper);
        if (range.position != -1)
            SendMessageA(spin, UDM_SETPOS32, 0, range.position);
        char text[16];
        snprintf(text, sizeof text, "%u", static_cast<unsigned>(*number));
        SetWindowTextA(control, text);
        break;
    }
    case Binding::Text:
        SendMessageA(control, EM_LIMITTEXT, SettingTextSize, 0);
        SetWindowTextA(control, static_cast<const char*>(row->variable));
        break;
    case Binding::Check:
        CheckDlgButton(page, row->controlId, *number != 0 ? BST_CHECKED : BST_UNCHECKED);
        break;
    case Binding::None:
        break;
    }
}

static void StoreControl(HWND page, const SettingRow* row) {
    HWND control = GetDlgItem(page, row->controlId);
    uint32_t* number = static_cast<uint32_t*>(row->variable);
    switch (RowBinding(row)) {
    case Binding::List: {
        LRESULT selection = SendMessageA(control, CB_GETCURSEL, 0, 0);
        if (selection != CB_ERR) // no selection leaves the setting as it was
            *number = static_cast<uint32_t>(selection);
        break;
    }
    case Binding::Spin: {
        char text[SettingTextSize + 1] = "";
        GetWindowTextA(control, text, sizeof text);
        *number = ClampToSpinRange(ReadUnsignedText(text), RowSpinRange(page, row));
        break;
    }
    case Binding::Text:
        GetWindowTextA(control, static_cast<char*>(row->variable), sizeof(SettingText));
        break;
    case Binding::Check:
        *number = IsDlgButtonChecked(page, row->controlId) == BST_CHECKED ? 1 : 0;
        break;
    case Binding::None:
        break;
    }
}

// Every row of the running program's table whose control is on the page.
static void ForEachPageRow(HWND page, void (*act)(HWND, const SettingRow*)) {
    for (const SettingRow* row = SettingsTable; row->key != nullptr; ++row)
        if (row->controlId != 0 && GetDlgItem(page, row->controlId) != nullptr)
            act(page, row);
}

void LoadPageControls(HWND page) {
    ForEachPageRow(page, LoadControl);
}

void StorePageControls(HWND page) {
    ForEachPageRow(page, StoreControl);
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
