// Where the main program is installed, and files beside it.
#pragma once

#include <cstddef>

// The directory part of a program file's full path, with a backslash at the end (for
// "C:\Tavrin\MORVEST.EXE", "C:\Tavrin\"). Written to out, truncated to outSize.
void ProgramDirectory(const char* programFile, char* out, size_t outSize);

// ApplicationPath, a backslash when it is non-empty and lacks one, then the file name; in one
// static buffer that each call overwrites.
const char* InstallPath(const char* fileName);
