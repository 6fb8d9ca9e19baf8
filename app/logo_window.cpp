// The startup logo window. Not shown yet: the program starts straight into its main window.
#include "app/logo_window.h"

void CreateLogoWindow(HWND) {}

void CloseLogoWindow() {}
