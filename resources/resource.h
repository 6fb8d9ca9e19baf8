// Resource, control, command and timer ids of both programs, in blocks per window.
#pragma once

// Resources
#define IDR_MANIFEST 1
// The daybook's manifest, activated by the program itself once its window is up (see main_win.cpp).
#define IDR_DIALOG_MANIFEST 2
#define IDI_SAVER 100             // icon 100; the main icon is the resource named "Tavrin"
#define IDB_DAY_PICTURE_BASE 2000 // day pictures are 2000 + month * 100 + day
#define IDB_FALLBACK_PICTURE 2100 // the common picture of the days without their own
#define IDB_ABOUT_PICTURE 99
#define IDB_ABOUT_FIRST_FRAME 1101 // the About animation: 1101 to 1133
#define IDB_ABOUT_FRAME_COUNT 33
#define IDB_DRIVER_PICTURE 1021
#define IDB_SYSINFO_PICTURE 1092  // image above its mask
#define IDB_LOGO_FIRST_FRAME 4700 // the logo animation: 4700 to 4717
#define IDB_LOGO_FRAME_COUNT 18
#define IDB_LOGO_PICTURE 9050
#define IDB_SAVER_SETUP_PICTURE 8502 // in the daybook's file, shown by the saver's setup
#define IDB_SAVER_PREVIEW 8503       // in the saver's own file

// String table
#define IDS_COPY_NOTICE 103 // replaces text copied from the calendar
#define IDS_PROGRAM_TITLE 104
#define IDS_SUPPORT_CONTACT 106
#define IDS_DOCUMENT_ERROR 109  // any document that could not be opened
#define IDS_MANUAL_WARNING 113  // the warning box before the browser opens
#define IDS_COLOUR_SENTENCE 114 // System Information: "... up to %s colours ..."
#define IDS_LOGO_NOTICE 116
#define IDS_SCREEN_TOO_SMALL 117
#define IDS_CREDITS_HEADING 3000
#define IDS_CREDITS_TRADEMARKS 3001
#define IDS_CREDITS_COPYRIGHT 3002

// The About box's own lines (they stand in its dialog template) and the notice line it adds
#define TEXT_ABOUT_COPYRIGHT "\251 2026 the Tavrin project"
#define TEXT_ABOUT_WEB_PAGE "More in the documents installed with the daybook"
#define TEXT_MARKETER_NOTICE "Made and published by the Tavrin project"

// Main window: child controls
#define IDC_MAIN_DATE 101
#define IDC_MAIN_ENTRY 102
#define IDC_MAIN_TIME 103
#define IDC_MAIN_WEEKDAY 105
#define IDC_MAIN_PICTURE 107

// Main window: commands (also sent by the context menu)
#define CMD_EXIT 1
#define CMD_MANUAL 138
#define CMD_SYSTEM_INFORMATION 139
#define CMD_ABOUT 201
#define CMD_SETUP 202
#define CMD_CALENDAR 203

// Main window: system menu items
#define SYS_ABOUT 100
#define SYS_SETUP 101
#define SYS_CALENDAR 102
#define SYS_MANUAL 103
#define SYS_SYSTEM_INFORMATION 104

// Main window: timers
#define TIMER_CLOCK 1
#define TIMER_STAY_ON_TOP 2
#define TIMER_LOGO 3

// Calendar dialog
#define IDC_CALENDAR_HELP 101
#define IDC_CALENDAR_TEXT 102
#define IDC_CALENDAR_DATE 103
#define IDC_CALENDAR_PICTURE 107
#define IDC_CALENDAR_YEARS 201
#define IDC_CALENDAR_MONTHS 202
#define IDC_CALENDAR_FRAME 699

// Setup dialog: the page "SetupPropertyOne". The settings table names these controls too.
#define IDC_SETUP_SHOW_STARTUP_WINDOW 105
#define IDC_SETUP_WARN_SHOW_MANUAL 108
#define IDC_SETUP_CLICK_TO_CLOSE 111
#define IDC_SETUP_DELAY_TIME 112
#define IDC_SETUP_ONCE_PER_DAY 113
#define IDC_SETUP_STAY_ON_TOP 114
#define IDC_SETUP_SHOW_DRIVER_MESSAGE 115
#define IDC_SETUP_TINT 116
#define IDC_SETUP_SPIN_OFFSET 10000 // an up-down control's id is its edit box's id plus this
#define IDC_SETUP_DELAY_SPIN (IDC_SETUP_DELAY_TIME + IDC_SETUP_SPIN_OFFSET) // 10112

// Warning box before a document opens
#define IDC_WARNING_TEXT 101
#define IDC_WARNING_SHOW_AGAIN 102
#define IDC_WARNING_HELP 9

// Startup logo window
#define IDC_LOGO_PICTURE 10
#define IDC_LOGO_NOTICE 11
#define IDC_LOGO_ANIMATION 6100
#define WM_LOGO_SET_FONT (WM_USER + 99) // 1123: the logo makes its font and gives it to 11
#define TIMER_LOGO_ANIMATION 6

// About box, template 5001, and the credits box, template 5003
#define IDD_ABOUT 5001
#define IDD_CREDITS 5003
#define IDC_ABOUT_TITLE 101
#define IDC_ABOUT_COPYRIGHT 102
#define IDC_ABOUT_WEB_PAGE 103
#define IDC_ABOUT_SUPPORT 105
#define IDC_ABOUT_PICTURE 99
#define IDC_ABOUT_ANIMATION 106
#define IDC_ABOUT_CREDITS 108
#define IDC_NOTICE_LINE 1999
#define WM_NOTICE_SET_COLOUR (WM_USER + 101) // 1125: lParam is the notice line's colour
#define TIMER_ABOUT_ANIMATION 1
#define IDC_CREDITS_TEXT 101

// System Information, "SysInfoBox"
#define IDC_SYSINFO_HELP 9
#define IDC_SYSINFO_WIDTH 101
#define IDC_SYSINFO_HEIGHT 102
#define IDC_SYSINFO_NETWORK 103
#define IDC_SYSINFO_SLOW 104
#define IDC_SYSINFO_VERSION 105
#define IDC_SYSINFO_OWNER 106
#define IDC_SYSINFO_ORGANIZATION 107
#define IDC_SYSINFO_COLOURS 110
#define IDC_SYSINFO_PICTURE 1092

// Display check, "ChangeDriverBox"
#define IDC_DRIVER_HELP 9
#define IDC_DRIVER_SHOW_AGAIN 101
#define IDC_DRIVER_PICTURE 102
#define IDC_DRIVER_TEXT 103

// Screen saver: its own file holds the setup template 2003, bitmap 8503, icon 100 and string 1
#define IDS_SAVER_NAME 1 // the name Windows lists the saver by
#define IDD_SAVER_SETUP 2003
#define IDC_SAVER_ABOUT 101
#define IDC_SAVER_SPEED 103
#define IDC_SAVER_PICTURE 104
#define IDC_SAVER_MANUAL 105
#define TIMER_SAVER_STEP 10
#define TIMER_SAVER_CLOCK 11                 // once a second, for the panel's clock
#define WM_SAVER_CLOCK_TICK (WM_USER + 54)   // 1078: the panel follows the clock
#define WM_SAVER_END_REQUEST (WM_USER + 200) // 1224: input asks the saver to end
#define WM_SAVER_RESUME (WM_USER + 201)      // 1225: the password was refused
