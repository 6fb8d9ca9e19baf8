// The About box. Not available yet: the command returns at once.
#include "dialogs/dialogs.h"

void ShowAboutBox(HWND) {}
