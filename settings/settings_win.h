// The Windows side of the settings file: the calls the writer makes, replaceable by tests that
// make one of them fail.
#pragma once

#include <windows.h>

#include <cstdio>

struct SettingsFileCalls {
    UINT(WINAPI* tempFileName)(LPCSTR directory, LPCSTR prefix, UINT unique, LPSTR name);
    BOOL(WINAPI* moveFile)(LPCSTR from, LPCSTR to, DWORD flags);
    FILE* (*open)(const char* path, const char* mode);
    int (*close)(FILE* file);
};
extern SettingsFileCalls SettingsFiles;
extern const SettingsFileCalls RealSettingsFiles;
