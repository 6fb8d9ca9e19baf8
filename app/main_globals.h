// Process-wide objects of the daybook made by its run function.
#pragma once

#include <windows.h>

#include "app/day_display.h"

extern HWND MainWindow;
