// Starts programs and measures them from outside, as a user's machine would see them.
//   bench_launcher start COUNT DAYBOOK BASELINE
// starts the two in turn COUNT times each (the order swapping every round) and prints, for
// each, the median time from CreateProcess until its window is visible with text in control
// 102, and the median peak working set at that moment. (The saver's CPU time is read off the
// host by tools/bench.sh: under Wine, GetProcessTimes of another process reads zero.)
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

bool Start(const std::string& commandLine, PROCESS_INFORMATION* process) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    return CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, process) != 0;
}

struct Search {
    DWORD processId;
    HWND found;
};

// A visible top-level window of the process whose control 102 holds text.
BOOL CALLBACK FindShownWindow(HWND window, LPARAM parameter) {
    Search* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window))
        return TRUE;
    HWND text = GetDlgItem(window, 102);
    if (text == nullptr || GetWindowTextLengthA(text) == 0)
        return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK CloseWindowsOf(HWND window, LPARAM processId) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == static_cast<DWORD>(processId))
        PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

void Finish(PROCESS_INFORMATION* process) {
    EnumWindows(CloseWindowsOf, process->dwProcessId);
    if (WaitForSingleObject(process->hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process->hProcess, 0);
    WaitForSingleObject(process->hProcess, 10000);
    CloseHandle(process->hThread);
    CloseHandle(process->hProcess);
}

struct StartFigures {
    double seconds;
    double peakKilobytes;
};

// One start, polled without sleeping; a negative time when the window never came.
StartFigures TimeOneStart(const std::string& commandLine) {
    LARGE_INTEGER begin, now;
    QueryPerformanceCounter(&begin);
    PROCESS_INFORMATION process;
    if (!Start(commandLine, &process))
        return {-1, 0};
    Search search = {process.dwProcessId, nullptr};
    do {
        EnumWindows(FindShownWindow, reinterpret_cast<LPARAM>(&search));
        QueryPerformanceCounter(&now);
    } while (search.found == nullptr && Seconds(begin, now) < 30);
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    Finish(&process);
    return {search.found != nullptr ? Seconds(begin, now) : -1, memory.PeakWorkingSetSize / 1024.0};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n == 0 ? 0 : (n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

int TimeStarts(int count, const std::string& daybook, const std::string& baseline) {
    std::vector<double> times[2], memory[2];
    const std::string lines[2] = {"\"" + daybook + "\"", "\"" + baseline + "\" text"};
    TimeOneStart(lines[0]); // the first start of each fills the system's caches
    TimeOneStart(lines[1]);
    for (int round = 0; round < count; ++round) {
        for (int turn = 0; turn < 2; ++turn) {
            int side = (round + turn) % 2;
            StartFigures start = TimeOneStart(lines[side]);
            if (start.seconds < 0) {
                fprintf(stderr, "no window from %s\n", lines[side].c_str());
                return 1;
            }
            times[side].push_back(start.seconds * 1000);
            memory[side].push_back(start.peakKilobytes);
        }
    }
    printf("start_ms %.1f %.1f\n", Median(times[0]), Median(times[1]));
    printf("peak_kb %.0f %.0f\n", Median(memory[0]), Median(memory[1]));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "start")
        return TimeStarts(atoi(argv[2]), argv[3], argv[4]);
    fprintf(stderr, "usage: bench_launcher start COUNT DAYBOOK BASELINE\n");
    return 2;
}
