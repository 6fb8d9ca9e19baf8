#include <windows.h>

#include <gtest/gtest.h>

#include "calendar/calendar_dialog.h"
