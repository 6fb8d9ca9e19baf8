#include "calendar/calendar_math.h"
