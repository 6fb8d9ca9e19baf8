#include <gtest/gtest.h>

#include "calendar/calendar_math.h"
