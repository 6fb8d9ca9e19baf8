// Reading and writing the settings file, driven by a settings table.
#include "settings/settings.h"

#include <cstring>

#include "settings/text_values.h"

static bool IsString(const SettingRow* row) {
    return (row->kind & KindString) != 0;
}

void ResetSettings(const SettingRow* table) {
    for (const SettingRow* row = table; row->key != nullptr; ++row) {
        if (IsString(row)) {
            char* text = static_cast<char*>(row->variable);
            memset(text, 0, sizeof(SettingText));
            strncpy(text, row->defaultText, SettingTextSize);
        } else {
            *static_cast<uint32_t*>(row->variable) = row->defaultNumber;
        }
    }
}

const SettingRow* FindSettingRow(const SettingRow* table, const char* key, size_t keyLength) {
    if (keyLength == 0)
        return nullptr;
    for (const SettingRow* row = table; row->key != nullptr; ++row) {
        if ((row->kind & KindWriteOnly) == 0 && strncmp(row->key, key, keyLength) == 0)
            return row;
    }
    return nullptr;
}

bool ReadSettingsLine(const SettingRow* table, const char* piece) {
    if (piece[0] == ';')
        return false;
    // The line ends at its first control character: the line end, a tab or anything else.
    char line[SettingTextSize];
    size_t length = 0;
    while (length < sizeof line - 1 && static_cast<unsigned char>(piece[length]) >= 32)
        ++length;
    memcpy(line, piece, length);
    line[length] = '\0';

    size_t keyLength = 0;
    while (static_cast<unsigned char>(line[keyLength]) > 32 && line[keyLength] != '=')
        ++keyLength;
    const SettingRow* row = FindSettingRow(table, line, keyLength);
    if (row == nullptr)
        return false;

    const char* value = line + keyLength;
    while (*value == ' ')
        ++value;
    while (*value == '=')
        ++value;
    while (*value == ' ')
        ++value;
    if (IsString(row)) {
        char* text = static_cast<char*>(row->variable);
        memset(text, 0, sizeof(SettingText));
        strncpy(text, value, SettingTextSize);
    } else {
        *static_cast<uint32_t*>(row->variable) = ReadDecimal(value);
    }
    return true;
}

void ReadSettingsStream(const SettingRow* table, FILE* file) {
    // Lines are taken at most 511 characters at a time; the rest of a longer line comes as a
    // piece of its own.
    char piece[SettingTextSize];
    while (fgets(piece, sizeof piece, file) != nullptr)
        ReadSettingsLine(table, piece);
}

bool WriteSettingsStream(const SettingRow* table, FILE* file, const char* timeText) {
    bool ok = fprintf(file,
                      ";%s configuration file\r\n"
                      ";Nyet! Edit this at your own risk.\r\n"
                      ";%s\r\n"
                      ";Last updated %24.24s\r\n"
                      ";\r\n"
                      "[%s]\r\n",
                      ProgramTitle, ProgramTitle, timeText, SettingsSection) > 0;
    for (const SettingRow* row = table; row->key != nullptr; ++row) {
        if ((row->kind & KindStamped) != 0 && IsString(row)) {
            memset(row->variable, 0, sizeof(SettingText));
            strncpy(static_cast<char*>(row->variable), timeText, SettingTextSize);
        }
        int written;
        if (IsString(row))
            written =
                fprintf(file, "%s = %s\r\n", row->key, static_cast<const char*>(row->variable));
        else
            written = fprintf(file, "%s = %u\r\n", row->key,
                              static_cast<unsigned>(*static_cast<const uint32_t*>(row->variable)));
        ok = ok && written > 0;
    }
    return ok && fflush(file) == 0 && !ferror(file);
}

void TakeSettingsSnapshot(const SettingRow* table, SettingsSnapshot* snapshot) {
    memset(snapshot, 0, sizeof *snapshot);
    for (size_t i = 0; i < MaxSettingRows && table[i].key != nullptr; ++i) {
        if (IsString(&table[i]))
            memcpy(snapshot->texts[i], table[i].variable, sizeof(SettingText));
        else
            snapshot->numbers[i] = *static_cast<const uint32_t*>(table[i].variable);
    }
}

static bool SameValue(const SettingRow* row, const SettingsSnapshot& a, const SettingsSnapshot& b,
                      size_t i) {
    return IsString(row) ? strcmp(a.texts[i], b.texts[i]) == 0 : a.numbers[i] == b.numbers[i];
}

void MergeSettingsStream(const SettingRow* table, const SettingsSnapshot* asRead, FILE* current) {
    static SettingsSnapshot ours; // large: kept out of the stack
    TakeSettingsSnapshot(table, &ours);
    ReadSettingsStream(table, current);
    for (size_t i = 0; i < MaxSettingRows && table[i].key != nullptr; ++i) {
        const SettingRow* row = &table[i];
        bool keepOurs =
            (row->kind & (KindOwned | KindWriteOnly)) != 0 || !SameValue(row, ours, *asRead, i);
        if (!keepOurs)
            continue;
        if (IsString(row))
            memcpy(row->variable, ours.texts[i], sizeof(SettingText));
        else
            *static_cast<uint32_t*>(row->variable) = ours.numbers[i];
    }
}

bool JoinPath(const char* directory, const char* name, char* out, size_t outSize) {
    size_t length = strlen(directory);
    const char* separator = length > 0 && directory[length - 1] != '\\' ? "\\" : "";
    int written = snprintf(out, outSize, "%s%s%s", directory, separator, name);
    return written >= 0 && static_cast<size_t>(written) < outSize;
}

bool SettingsFilePath(const char* windowsDirectory, char* out, size_t outSize) {
    return windowsDirectory[0] != '\0' &&
           JoinPath(windowsDirectory, SettingsFileName, out, outSize);
}
