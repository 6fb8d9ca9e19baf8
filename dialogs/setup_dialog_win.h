// The Setup dialog: a property sheet "Setup" with the one page "Application", bound to the
// settings table so that every row naming a control id is shown and stored by that control.
#pragma once

#include <windows.h>

// Runs the modal sheet over the owner; OK stores the page into the settings variables, Cancel
// and the close box store nothing. The file itself is written when the program ends.
void ShowSetupDialog(HWND owner);

// The page's procedure: loads the controls, stores them on OK, and opens the reference on F1.
INT_PTR CALLBACK SetupPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// Fill the page's controls from the running program's settings table, and back.
void LoadPageControls(HWND page);
void StorePageControls(HWND page);
