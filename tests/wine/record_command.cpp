// A stand-in for the web browser: writes the command line it was started with to the file that
// TAVRIN_RECORD_FILE names, then ends.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH] = "";
    if (GetEnvironmentVariableA("TAVRIN_RECORD_FILE", path, sizeof path) == 0)
        return 2;
    // Written under another name first, so that a reader never sees half a line.
    char partial[MAX_PATH + 8];
    wsprintfA(partial, "%s.part", path);
    HANDLE file = CreateFileA(partial, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 3;
    const char* line = GetCommandLineA();
    DWORD written = 0;
    WriteFile(file, line, lstrlenA(line), &written, nullptr);
    CloseHandle(file);
    return MoveFileExA(partial, path, MOVEFILE_REPLACE_EXISTING) ? 0 : 4;
}
