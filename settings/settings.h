// The settings of both programs: one table drives the reader, the writer and the Setup page.
#pragma once

#include <cstdint>
#include <cstdio>

#include "pictures/tints.h"

// Kind bits of a settings row.
enum SettingKind : uint32_t {
    KindBoolean = 0x1,     // decimal number, 0 off, anything else on
    KindString = 0x2,      // text of up to SettingTextSize characters
    KindInteger = 0x4,     // unsigned decimal number
    KindChoice = 0x10,     // integer index into the row's choices
    KindSpin = 0x40,       // integer shown with an up-down control in Setup
    KindWriteOnly = 0x100, // written to the file but never read back
    KindOwned = 0x200,     // always written as this program holds it, never merged
    KindStamped = 0x400    // set to the moment of writing when the file is written
};

const size_t SettingTextSize = 512;
typedef char SettingText[SettingTextSize + 1];

struct SettingRow {
    const char* key; // nullptr ends a table
    void* variable;  // uint32_t* for numbers, SettingText* for strings
    uint32_t kind;
    int32_t controlId; // Setup page control, 0 for none
    const TintRow* choices;
    uint32_t defaultNumber;
    const char* defaultText;
};

// The settings variables, named after their keys.
extern uint32_t AnimationSpeed;
extern SettingText ApplicationPath;
extern SettingText BuildDate;
extern uint32_t ClickToClose;
extern uint32_t DelayTime;
extern SettingText LastTime;
extern uint32_t LogoDelay;
extern uint32_t OncePerDay;
extern uint32_t ShowDriverMessage;
extern uint32_t ShowStartupWindow;
extern uint32_t StayOnTop;
extern uint32_t TintSelection;
extern uint32_t VersionNumber;
extern uint32_t WarnShowManual;

// The main program's table (14 rows) and the screen saver's (no BuildDate, version 65).
extern const SettingRow MainSettingsTable[];
extern const SettingRow SaverSettingsTable[];
// The table of the running program; the screen saver points it at its own table.
extern const SettingRow* SettingsTable;

const char SettingsFileName[] = "MORVEST.INI";
const char SettingsSection[] = "TavrinAMorvestDaybook";
const char ProgramTitle[] = "Tavrin: A Morvest Daybook";

// Puts every variable of the table back to its default.
void ResetSettings(const SettingRow* table);

// The row a line's key selects: the first readable row whose key begins with it, letter case
// significant. An empty key selects nothing.
const SettingRow* FindSettingRow(const SettingRow* table, const char* key, size_t keyLength);

// Applies one piece of the file (at most 511 characters, as read) to the variables. Returns
// true when a row took the value.
bool ReadSettingsLine(const SettingRow* table, const char* piece);

// Reads a whole settings file from a stream opened for reading.
void ReadSettingsStream(const SettingRow* table, FILE* file);

// Writes the whole file to a stream with CR LF line ends; timeText is the moment of writing,
// which also becomes the value of the stamped rows (the daybook's LastTime). Returns false when
// any write failed.
bool WriteSettingsStream(const SettingRow* table, FILE* file, const char* timeText);

// The values of a table's variables at one moment: what the file held when it was last read.
const size_t MaxSettingRows = 16;
struct SettingsSnapshot {
    uint32_t numbers[MaxSettingRows];
    SettingText texts[MaxSettingRows];
};
void TakeSettingsSnapshot(const SettingRow* table, SettingsSnapshot* snapshot);

// Both programs share the file and each rewrites it whole at its end. Before writing, the file
// as it is now is read once more: a row this run has not changed since asRead takes the file's
// current value, so the other program's newer choice survives; a row this run changed, an
// owned row and a write-only row keep this run's value. A key missing from the file keeps it
// too.
void MergeSettingsStream(const SettingRow* table, const SettingsSnapshot* asRead, FILE* current);

// A directory, a backslash unless it is empty or already ends in one, then a file name: the one
// rule for every file the programs find beside each other. False when it does not fit (out then
// holds as much as fits).
bool JoinPath(const char* directory, const char* name, char* out, size_t outSize);

// Path of the settings file in the given Windows directory; false when it does not fit.
bool SettingsFilePath(const char* windowsDirectory, char* out, size_t outSize);

// Read and write MORVEST.INI in the Windows directory with the running program's table; the
// writer merges with the file as it is then. Failures are silent: the defaults stay, or the old
// file stays untouched.
void ReadSettings();
void WriteSettings();
