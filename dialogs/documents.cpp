// Opening the manual and documents. Not available yet: the command returns at once.
#include "dialogs/dialogs.h"

void OpenManual(HWND) {}
