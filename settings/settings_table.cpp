// The settings variables and the two programs' settings tables.
#include "settings/settings.h"

#include "resources/resource.h"

uint32_t AnimationSpeed;
SettingText ApplicationPath;
SettingText BuildDate;
uint32_t ClickToClose;
uint32_t DelayTime;
SettingText LastTime;
uint32_t LogoDelay;
uint32_t OncePerDay;
uint32_t ShowDriverMessage;
uint32_t ShowStartupWindow;
uint32_t StayOnTop;
uint32_t TintSelection;
uint32_t VersionNumber;
uint32_t WarnShowManual;

// The compiler's date form ("Aug  7 2002") of this build.
static const char ThisBuildDate[] = __DATE__;

// clang-format off
// One macro per kind of row: a number (with its Setup control, or 0), a choice from a table, and
// a text.
#define NUMBER_ROW(key, kind, control, value) {#key, &key, kind, control, nullptr, value, nullptr},
#define CHOICE_ROW(key, kind, control, choices, value) {#key, &key, kind, control, choices, value, nullptr},
#define TEXT_ROW(key, kind, value) {#key, &key, kind, 0, nullptr, 0, value},
#define END_ROW {nullptr, nullptr, 0, 0, nullptr, 0, nullptr},

// Both programs keep the same rows in the same order; only the daybook writes its build date,
// and each writes its own version number. The daybook owns ApplicationPath (its own location)
// and LastTime (the end of its run); the saver leaves both as the file holds them, so that a
// saver run never counts as the daybook's start of the day.
#define SETTINGS_ROWS(BUILD_DATE_ROW, version, PATH_KIND, LAST_TIME_KIND)                            \
    NUMBER_ROW(AnimationSpeed,    KindInteger,               0,                              400)   \
    TEXT_ROW  (ApplicationPath,   KindString | PATH_KIND,                                    "")    \
    BUILD_DATE_ROW                                                                                  \
    NUMBER_ROW(ClickToClose,      KindBoolean,               IDC_SETUP_CLICK_TO_CLOSE,       0)     \
    NUMBER_ROW(DelayTime,         KindInteger | KindSpin,    IDC_SETUP_DELAY_TIME,           0)     \
    TEXT_ROW  (LastTime,          KindString | LAST_TIME_KIND,                               "")    \
    NUMBER_ROW(LogoDelay,         KindInteger,               0,                              8000)  \
    NUMBER_ROW(OncePerDay,        KindBoolean,               IDC_SETUP_ONCE_PER_DAY,         0)     \
    NUMBER_ROW(ShowDriverMessage, KindBoolean,               IDC_SETUP_SHOW_DRIVER_MESSAGE,  1)     \
    NUMBER_ROW(ShowStartupWindow, KindBoolean,               IDC_SETUP_SHOW_STARTUP_WINDOW,  1)     \
    NUMBER_ROW(StayOnTop,         KindBoolean,               IDC_SETUP_STAY_ON_TOP,          0)     \
    CHOICE_ROW(TintSelection,     KindInteger | KindChoice,  IDC_SETUP_TINT, TintTable,      DefaultTintIndex) \
    NUMBER_ROW(VersionNumber,     KindInteger | KindWriteOnly, 0,                            version) \
    NUMBER_ROW(WarnShowManual,    KindBoolean,               IDC_SETUP_WARN_SHOW_MANUAL,     1)     \
    END_ROW

const SettingRow MainSettingsTable[] = {
    SETTINGS_ROWS(TEXT_ROW(BuildDate, KindString | KindWriteOnly, ThisBuildDate), 67, KindOwned,
                  KindOwned | KindStamped)};

const SettingRow SaverSettingsTable[] = {SETTINGS_ROWS(, 65, 0, 0)};
// clang-format on

const SettingRow* SettingsTable = MainSettingsTable;
