// The Setup dialog. Not available yet: the command returns at once.
#include "dialogs/dialogs.h"

void ShowSetupDialog(HWND) {}
