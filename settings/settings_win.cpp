// The settings file in the Windows directory.
#include <windows.h>

#include "settings/settings_win.h"

#include "settings/settings.h"
#include "settings/text_values.h"

static bool BuildSettingsPath(char* directory, size_t directorySize, char* path, size_t pathSize) {
    UINT length = GetWindowsDirectoryA(directory, static_cast<UINT>(directorySize));
    if (length == 0 || length >= directorySize)
        return false;
    return SettingsFilePath(directory, path, pathSize);
}

const SettingsFileCalls RealSettingsFiles = {GetTempFileNameA, MoveFileExA, fopen, fclose};
SettingsFileCalls SettingsFiles = RealSettingsFiles;

// The values as the file was last read, for the merge before writing.
static SettingsSnapshot SettingsAsRead;
static bool SettingsWereRead;

void ReadSettings() {
    char directory[SettingTextSize + 1], path[MAX_PATH + SettingTextSize];
    if (!BuildSettingsPath(directory, sizeof directory, path, sizeof path))
        return;
    if (FILE* file = fopen(path, "rb")) {
        ReadSettingsStream(SettingsTable, file);
        fclose(file);
    }
    TakeSettingsSnapshot(SettingsTable, &SettingsAsRead);
    SettingsWereRead = true;
}

void WriteSettings() {
    char directory[SettingTextSize + 1], path[MAX_PATH + SettingTextSize];
    if (!BuildSettingsPath(directory, sizeof directory, path, sizeof path))
        return;
    // A file the user made read-only is kept as it is. Windows refuses to replace it anyway;
    // Wine would not, so the program asks first.
    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return;
    // The new file is written beside the old one and then put in its place in one step, so a
    // failure half-way (a full disk, a crash) leaves the previous settings intact.
    if (SettingsWereRead) {
        if (FILE* current = fopen(path, "rb")) {
            MergeSettingsStream(SettingsTable, &SettingsAsRead, current);
            fclose(current);
        }
    }
    char timeText[TimeTextLength + 1];
    CurrentTimeText(timeText);
    char temporary[MAX_PATH];
    FILE* file = nullptr;
    if (SettingsFiles.tempFileName(directory, "mrv", 0, temporary) != 0) {
        file = SettingsFiles.open(temporary, "wb");
        if (file == nullptr)
            DeleteFileA(temporary);
    }
    if (file == nullptr) {
        // No new file may be made beside it: the settings file itself is rewritten, so that the
        // settings are still kept where only that file is writable.
        if (FILE* inPlace = SettingsFiles.open(path, "wb")) {
            WriteSettingsStream(SettingsTable, inPlace, timeText);
            SettingsFiles.close(inPlace);
        }
        return;
    }
    bool written = WriteSettingsStream(SettingsTable, file, timeText);
    written = SettingsFiles.close(file) == 0 && written;
    if (!written || !SettingsFiles.moveFile(temporary, path,
                                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        DeleteFileA(temporary);
}
