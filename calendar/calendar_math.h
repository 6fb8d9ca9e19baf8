// Calendar arithmetic of the calendar dialog: leap years, weekdays, the month grid's hit test.
#pragma once
