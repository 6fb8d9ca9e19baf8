#include "settings/install_path.h"

#include <cstdio>
#include <cstring>

#include "settings/settings.h"

void ProgramDirectory(const char* programFile, char* out, size_t outSize) {
    if (outSize == 0)
        return;
    // Everything up to the last separator; a bare drive ("C:name.exe") keeps its drive.
    size_t keep = 0;
    for (size_t i = 0; programFile[i] != '\0'; ++i) {
        if (programFile[i] == '\\' || programFile[i] == '/' || (i == 1 && programFile[i] == ':'))
            keep = i + 1;
    }
    snprintf(out, outSize, "%.*s", static_cast<int>(keep), programFile);
    size_t length = strlen(out);
    if (length > 0 && out[length - 1] != '\\' && out[length - 1] != '/' && length + 1 < outSize) {
        out[length] = '\\';
        out[length + 1] = '\0';
    }
}

const char* InstallPath(const char* fileName) {
    static char path[sizeof(SettingText) + 260];
    JoinPath(ApplicationPath, fileName, path, sizeof path);
    return path;
}
