#include "tests/wine/wine_fixtures.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/day_display_win.h"
#include "app/main_window_win.h"
#include "app/shared_ui_win.h"
#include "app/start_rules.h"
#include "database/database.h"
#include "database/day_entries.h"
#include "tests/core/test_files.h"

namespace {
// The system may swallow a fault in a window procedure it calls (64-bit Windows and Wine both
// can), so a read through a null pointer there would pass unseen: any such access ends the test
// program at once, with the place on stderr. Only the lowest 64 KiB count, which no valid
// pointer reaches.
LONG CALLBACK StopAtNullAccess(EXCEPTION_POINTERS* fault) {
    const EXCEPTION_RECORD* record = fault->ExceptionRecord;
    if (record->ExceptionCode == EXCEPTION_ACCESS_VIOLATION && record->NumberParameters >= 2 &&
        record->ExceptionInformation[1] < 0x10000) {
        fprintf(stderr, "Access to address %#lx from code at %p\n",
                static_cast<unsigned long>(record->ExceptionInformation[1]),
                record->ExceptionAddress);
        fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 5);
    }
    return EXCEPTION_CONTINUE_SEARCH;
}
const PVOID NullAccessWatch = AddVectoredExceptionHandler(1, StopAtNullAccess);
} // namespace

void UseResourcesOf(const char* programFile) {
    static HMODULE module = LoadLibraryExA(programFile, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ResourceModule = module;
}

size_t FreeGdiSlots() {
    std::vector<HPEN> pens;
    while (pens.size() < 200000) {
        HPEN pen = CreatePen(PS_SOLID, 1, RGB(pens.size() & 0xFF, 0, 0));
        if (pen == nullptr)
            break;
        pens.push_back(pen);
    }
    for (HPEN pen : pens)
        DeleteObject(pen);
    return pens.size();
}

void DrainMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

namespace {
BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, CountChild, count);
    return TRUE;
}

// Every window of this thread, children included.
int WindowCount() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}
} // namespace

// The kernel handle a new object would get: the lowest free one, which a handle kept by every
// round would take. (Wine 8 does not count a process's handles.)
static uintptr_t FreeHandleSlot() {
    HANDLE probe = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    CloseHandle(probe);
    return reinterpret_cast<uintptr_t>(probe);
}

void ExpectNothingLeftBehind(const char* what, const std::function<void()>& action, int warmUps,
                             int rounds) {
    SCOPED_TRACE(what);
    // A mutation run asks for fewer rounds: an object kept each time shows in any number of them.
    if (const char* chosen = getenv("TAVRIN_ROUNDS"))
        rounds = std::min(rounds, atoi(chosen));
    size_t slots = 0;
    int windows = 0;
    uintptr_t handles = 0;
    for (int i = -warmUps; i < rounds; ++i) {
        if (i == 0) {
            DrainMessages();
            slots = FreeGdiSlots();
            windows = WindowCount();
            handles = FreeHandleSlot();
        }
        action();
        if (::testing::Test::HasFatalFailure())
            return;
    }
    DrainMessages();
    EXPECT_EQ(FreeGdiSlots(), slots);
    EXPECT_EQ(WindowCount(), windows);
    EXPECT_EQ(FreeHandleSlot(), handles) << "a kernel handle (file, key, process) kept";
}

bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds) {
    for (DWORD waited = 0; waited < milliseconds; waited += 20) {
        if (condition())
            return true;
        Sleep(20);
    }
    return condition();
}

bool WaitUntilGone(HWND window, DWORD milliseconds) {
    return WaitUntil([window] { return !IsWindow(window); }, milliseconds);
}

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down, so row 0 is the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&pixels_),
                               nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
    Fill(0x00808080);
}

Canvas::~Canvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void Canvas::Fill(uint32_t value) {
    std::fill(pixels_, pixels_ + width_ * height_, value);
}

std::vector<uint32_t> Canvas::Pixels() {
    GdiFlush();
    return std::vector<uint32_t>(pixels_, pixels_ + width_ * height_);
}

int Canvas::Changed() {
    int changed = 0;
    for (uint32_t pixel : Pixels())
        changed += (pixel & 0xFFFFFF) != 0x808080;
    return changed;
}

DRAWITEMSTRUCT Canvas::DrawItem(int controlId, HWND control) const {
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = controlId;
    item.hwndItem = control;
    item.hDC = dc_;
    item.rcItem = RECT{0, 0, width_, height_};
    return item;
}

POINT PlaceOf(HWND window) {
    RECT place;
    GetWindowRect(window, &place);
    return POINT{place.left, place.top};
}

std::string FontOf(HFONT font) {
    LOGFONTA described = {};
    if (GetObjectA(font, sizeof described, &described) != sizeof described)
        return "no font";
    return std::string(described.lfFaceName) + " " + std::to_string(described.lfHeight) + " " +
           std::to_string(described.lfWeight) +
           (described.lfEscapement != 0 || described.lfOrientation != 0 ? " turned" : "") +
           (described.lfItalic || described.lfUnderline || described.lfStrikeOut ? " styled" : "");
}

std::string FontOf(HWND window, int controlId) {
    return FontOf(
        reinterpret_cast<HFONT>(SendDlgItemMessageA(window, controlId, WM_GETFONT, 0, 0)));
}

RECT PlaceInParent(HWND control) {
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

static int DrawnOn(HWND window, int controlId, int width, int height,
                   std::vector<uint32_t>* pixels) {
    RECT client;
    GetClientRect(GetDlgItem(window, controlId), &client);
    Canvas canvas(width > 0 ? width : client.right, height > 0 ? height : client.bottom);
    DRAWITEMSTRUCT item = canvas.DrawItem(controlId, GetDlgItem(window, controlId));
    SendMessageA(window, WM_DRAWITEM, controlId, reinterpret_cast<LPARAM>(&item));
    if (pixels != nullptr)
        *pixels = canvas.Pixels();
    return canvas.Changed();
}

int Drawn(HWND window, int controlId, int width, int height) {
    return DrawnOn(window, controlId, width, height, nullptr);
}

std::vector<uint32_t> DrawnPixels(HWND window, int controlId, int width, int height) {
    std::vector<uint32_t> pixels;
    DrawnOn(window, controlId, width, height, &pixels);
    return pixels;
}

std::vector<uint32_t> ShownPixels(HWND window, int width, int height) {
    Canvas seen(width, height);
    HDC dc = GetDC(window);
    BitBlt(seen.dc(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    return seen.Pixels();
}

bool ScreenReadsBack() {
    const char* made = getenv("TAVRIN_SCREEN_DEPTH");
    return made == nullptr || atoi(made) > 16;
}

bool MovesWithin(HWND window, DWORD milliseconds) {
    POINT was = PlaceOf(window);
    return WaitUntil([&] { return PlaceOf(window).x != was.x || PlaceOf(window).y != was.y; },
                     milliseconds);
}

const TemplateControl* DialogTemplate::Control(int id) const {
    for (const TemplateControl& control : controls)
        if (control.id == id)
            return &control;
    return nullptr;
}

namespace {
// Reads the words of a stored template in order.
struct TemplateReader {
    const WORD* word;
    DWORD Dword() {
        DWORD value = word[0] | (word[1] << 16);
        word += 2;
        return value;
    }
    // A text, or a number: the predefined control classes may be stored as atoms 0x80 to 0x85.
    std::string Text() {
        static const char* const classes[] = {"Button",  "Edit",      "Static",
                                              "ListBox", "ScrollBar", "ComboBox"};
        std::string text;
        if (*word == 0xFFFF) {
            text = word[1] >= 0x80 && word[1] <= 0x85 ? classes[word[1] - 0x80]
                                                      : "#" + std::to_string(word[1]);
            word += 2;
            return text;
        }
        while (*word != 0)
            text += static_cast<char>(*word++);
        ++word;
        return text;
    }
    void Place(int* x, int* y, int* cx, int* cy) {
        *x = static_cast<short>(word[0]);
        *y = static_cast<short>(word[1]);
        *cx = static_cast<short>(word[2]);
        *cy = static_cast<short>(word[3]);
        word += 4;
    }
};
} // namespace

bool ReadDialogTemplate(HMODULE module, const char* name, DialogTemplate* out) {
    HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(5)); // RT_DIALOG
    if (found == nullptr)
        return false;
    TemplateReader reader = {static_cast<const WORD*>(LockResource(LoadResource(module, found)))};
    if (reader.word == nullptr || reader.word[1] == 0xFFFF) // the extended form is not used here
        return false;
    out->style = reader.Dword();
    reader.Dword();
    int count = *reader.word++;
    reader.Place(&out->x, &out->y, &out->cx, &out->cy);
    reader.Text(); // menu
    reader.Text(); // class
    out->caption = reader.Text();
    out->pointSize = 0;
    if (out->style & DS_SETFONT) {
        out->pointSize = *reader.word++;
        out->font = reader.Text();
    }
    out->controls.clear();
    for (int i = 0; i < count; ++i) {
        while (reinterpret_cast<uintptr_t>(reader.word) % 4 != 0)
            ++reader.word;
        TemplateControl control;
        control.style = reader.Dword();
        control.extendedStyle = reader.Dword();
        reader.Place(&control.x, &control.y, &control.cx, &control.cy);
        control.id = *reader.word++;
        control.className = reader.Text();
        control.text = reader.Text();
        reader.word += 1 + *reader.word / 2; // creation data
        out->controls.push_back(control);
    }
    return true;
}

namespace {
struct ProcessRequest {
    DWORD process;
    std::vector<HWND> windows;
};

BOOL CALLBACK AddProcessWindow(HWND window, LPARAM parameter) {
    ProcessRequest* request = reinterpret_cast<ProcessRequest*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == request->process && IsWindowVisible(window))
        request->windows.push_back(window);
    return TRUE;
}

// The visible top-level windows of a process, topmost first.
std::vector<HWND> ProcessWindows(DWORD process = GetCurrentProcessId()) {
    ProcessRequest request = {process, {}};
    EnumWindows(AddProcessWindow, reinterpret_cast<LPARAM>(&request));
    return request.windows;
}
} // namespace

HWND FindProcessWindow(DWORD process, const char* className, const char* title) {
    for (HWND window : ProcessWindows(process)) {
        char type[64] = "", caption[256] = "";
        GetClassNameA(window, type, sizeof type);
        GetWindowTextA(window, caption, sizeof caption);
        if (strcmp(type, className) == 0 && (title == nullptr || strcmp(caption, title) == 0))
            return window;
    }
    return nullptr;
}

namespace {
struct OwnedRequest {
    HWND owner, found;
};
BOOL CALLBACK MatchOwned(HWND window, LPARAM parameter) {
    OwnedRequest* request = reinterpret_cast<OwnedRequest*>(parameter);
    if (GetWindow(window, GW_OWNER) != request->owner || !IsWindowVisible(window))
        return TRUE;
    request->found = window;
    return FALSE;
}
} // namespace

HWND WaitForOwnedWindow(HWND owner, DWORD milliseconds) {
    OwnedRequest request = {owner, nullptr};
    WaitUntil(
        [&request] {
            EnumWindows(MatchOwned, reinterpret_cast<LPARAM>(&request));
            return request.found != nullptr;
        },
        milliseconds);
    return request.found;
}

HWND OpenTestMainWindow() {
    CreateEntryFonts();
    static bool registered = RegisterMainWindowClass(GetModuleHandleA(nullptr));
    HWND window = registered ? CreateMainWindow(GetModuleHandleA(nullptr)) : nullptr;
    if (window == nullptr)
        return nullptr;
    SetChildFonts(window, EntryFont);
    RefreshDisplay(window, TRUE, nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    return window;
}

void CloseTestMainWindow(HWND window) {
    DestroyWindow(window);
    DrainMessages();
    DeleteEntryFonts();
}

RunningProgram::~RunningProgram() {
    End();
}

void RunningProgram::End() {
    if (process_.hProcess == nullptr)
        return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(process_.hProcess, 99);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    process_ = {};
}

bool RunningProgram::Start(const std::string& program, const std::string& arguments,
                           const std::string& directory) {
    End();
    std::string commandLine = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    return CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          directory.c_str(), &startup, &process_) != FALSE;
}

HWND RunningProgram::WaitForWindow(const char* className, const char* title, DWORD milliseconds) {
    for (DWORD waited = 0; waited < milliseconds; waited += 50) {
        if (HWND found = FindProcessWindow(process_.dwProcessId, className, title))
            return found;
        if (WaitForSingleObject(process_.hProcess, 50) == WAIT_OBJECT_0)
            return nullptr;
    }
    return nullptr;
}

DWORD RunningProgram::WaitForExit(DWORD milliseconds) {
    WaitForSingleObject(process_.hProcess, milliseconds);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

std::string WindowsFile(const char* name) {
    char directory[MAX_PATH];
    GetWindowsDirectoryA(directory, MAX_PATH);
    return std::string(directory) + "\\" + name;
}

std::string SystemFile(const char* name) {
    char directory[MAX_PATH];
    GetSystemDirectoryA(directory, MAX_PATH);
    return std::string(directory) + "\\" + name;
}

std::string SettingsFile() {
    return WindowsFile("MORVEST.INI");
}

std::string TodaysEntry(const char* databaseFile) {
    if (!LoadDatabaseFile(databaseFile)) {
        ADD_FAILURE() << "no database in " << databaseFile;
        return "(no database)";
    }
    DayDate today = TodayDate();
    std::string entry = GetEntryText(today.month - 1, today.day);
    FreeDatabase();
    return entry.empty() || entry[0] != '*' ? entry : entry.substr(1);
}

InstalledPrograms::InstalledPrograms(std::string folder,
                                     std::vector<std::pair<const char*, const char*>> files,
                                     std::string firstRows)
    : folder_(std::move(folder)), files_(std::move(files)), firstRows_(std::move(firstRows)) {}

void InstalledPrograms::SetUp() {
    DeleteFileA(SettingsFile().c_str());
    if (!files_.empty())
        CreateDirectoryA(folder_.c_str(), nullptr);
    for (const auto& [source, name] : files_)
        ASSERT_TRUE(CopyFileA(source, Installed(name).c_str(), FALSE)) << name;
}

void InstalledPrograms::TearDown() {
    program_.End();
    DeleteFileA(SettingsFile().c_str());
    RemoveTree(folder_);
}

void InstalledPrograms::Start(const std::string& arguments) {
    ASSERT_TRUE(program_.Start(Installed(files_.at(0).second), arguments, folder_));
}

DWORD InstalledPrograms::PostAndWaitForExit(HWND window, UINT message, WPARAM wParam) {
    PostMessageA(window, message, wParam, 0);
    return WaitForExit();
}

bool InstalledPrograms::PutSettings(const std::string& rows) const {
    return WriteFileBytes(SettingsFile(), "[TavrinAMorvestDaybook]\r\n" + firstRows_ + rows);
}

std::string InstalledPrograms::SettingsText() {
    return ReadFileBytes(SettingsFile());
}

std::string InstalledPrograms::SettingsRow(const std::string& settings, const char* key) {
    size_t at = settings.find("\r\n" + std::string(key) + " = ");
    if (at == std::string::npos)
        return "(missing)";
    at += 5 + strlen(key);
    return settings.substr(at, settings.find("\r\n", at) - at);
}

std::string ControlText(HWND window, int id) {
    char text[2048] = "";
    SendDlgItemMessageA(window, id, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

static BOOL CALLBACK ExpectReachableAndNamed(HWND control, LPARAM) {
    char kind[64] = "", text[256] = "";
    GetClassNameA(control, kind, sizeof kind);
    GetWindowTextA(control, text, sizeof text);
    LONG style = GetWindowLongA(control, GWL_STYLE), type = style & BS_TYPEMASK;
    bool button = strcmp(kind, "Button") == 0, picture = button && type == BS_OWNERDRAW;
    bool acts = button ? !picture && type != BS_GROUPBOX
                       : strstr("ComboBox Edit msctls_trackbar32", kind) != nullptr;
    EXPECT_TRUE(!picture || text[0] != '\0') << "picture " << GetDlgCtrlID(control);
    EXPECT_TRUE(!acts || !(style & WS_VISIBLE) || (style & WS_TABSTOP)) << kind << " " << text;
    return TRUE;
}

void ExpectDialogConventions(HWND window, int focusedId) {
    EnumChildWindows(window, ExpectReachableAndNamed, 0);
    if (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)
        return; // a page: the focus may be on its sheet's buttons
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
    EXPECT_TRUE(IsChild(window, thread.hwndFocus)) << "no control of the window has the focus";
    if (focusedId != 0) {
        EXPECT_EQ(GetDlgCtrlID(thread.hwndFocus), focusedId) << "the focus is elsewhere";
    }
    RECT frame;
    GetWindowRect(window, &frame);
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2);
}

namespace {
BOOL CALLBACK AddChildText(HWND child, LPARAM text) {
    char line[256] = "";
    if (GetWindowTextA(child, line, sizeof line) > 0)
        *reinterpret_cast<std::string*>(text) += std::string(" | ") + line;
    return TRUE;
}

// Every visible window of this process that was not there before, described and asked to close
// as Escape and the close box would.
std::string CloseWindowsSince(const std::vector<HWND>& before) {
    std::string left;
    for (HWND window : ProcessWindows()) {
        if (std::find(before.begin(), before.end(), window) != before.end())
            continue;
        char caption[256] = "", type[64] = "";
        GetWindowTextA(window, caption, sizeof caption);
        GetClassNameA(window, type, sizeof type);
        left += std::string("\n  ") + type + " \"" + caption + "\"";
        EnumChildWindows(window, AddChildText, reinterpret_cast<LPARAM>(&left));
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    return left;
}
} // namespace

WhenWindowAppears::WhenWindowAppears(const char* className, const char* title,
                                     std::function<void(HWND)> act)
    : returned_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    std::vector<HWND> before = ProcessWindows();
    DWORD tester = GetCurrentThreadId();
    thread_ = std::thread([this, className, title, act, before, tester] {
        HWND window = nullptr;
        for (int waited = 0; window == nullptr && waited < 10000; waited += 20) {
            if (WaitForSingleObject(returned_, 20) == WAIT_OBJECT_0)
                return; // the call came back without the window
            window = FindProcessWindow(GetCurrentProcessId(), className, title);
        }
        if (window != nullptr) {
            // Answered once the dialog's own loop runs, so its initialisation is over.
            DWORD_PTR answer = 0;
            SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer);
            Sleep(20);
            act(window);
            acted_ = true;
        }
        if (WaitForSingleObject(returned_, 5000) == WAIT_OBJECT_0)
            return;
        std::string left = CloseWindowsSince(before);
        ADD_FAILURE() << (window != nullptr ? "still open after the test acted:"
                                            : "the window awaited never came; open instead:")
                      << left;
        // A box that ignores both ends with the modal loop that runs it.
        if (WaitForSingleObject(returned_, 3000) != WAIT_OBJECT_0)
            PostThreadMessageA(tester, WM_QUIT, 0, 0);
        if (WaitForSingleObject(returned_, 3000) != WAIT_OBJECT_0) {
            fprintf(stderr, "A modal window could not be closed:%s\n", left.c_str());
            fflush(stderr);
            TerminateProcess(GetCurrentProcess(), 3);
        }
    });
}

WhenWindowAppears::~WhenWindowAppears() {
    Acted();
    CloseHandle(returned_);
}

bool WhenWindowAppears::Acted() {
    SetEvent(returned_);
    if (thread_.joinable())
        thread_.join();
    return acted_;
}

namespace {
const char FakeType[] = "TavrinTest.Document";

std::string DefaultValue(HKEY root, const char* key) {
    char value[256] = "";
    LONG size = sizeof value;
    return RegQueryValueA(root, key, value, &size) == ERROR_SUCCESS ? value : "";
}
} // namespace

RegistryValue::RegistryValue(const char* key, const char* name, HKEY root) : name_(name) {
    RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
    DWORD size = 0;
    had_ = RegQueryValueExA(key_, name, nullptr, &type_, nullptr, &size) == ERROR_SUCCESS;
    before_.resize(size);
    if (had_ && size > 0)
        RegQueryValueExA(key_, name, nullptr, &type_, before_.data(), &size);
}

RegistryValue::~RegistryValue() {
    if (had_)
        RegSetValueExA(key_, name_.c_str(), 0, type_, before_.data(),
                       static_cast<DWORD>(before_.size()));
    else
        RegDeleteValueA(key_, name_.c_str());
    RegCloseKey(key_);
}

void RegistryValue::Set(DWORD type, const void* data, DWORD size) {
    RegSetValueExA(key_, name_.c_str(), 0, type, static_cast<const BYTE*>(data), size);
}

FakeBrowser::FakeBrowser() {
    previousType_ = DefaultValue(HKEY_CLASSES_ROOT, ".htm");
    char directory[MAX_PATH];
    GetTempPathA(MAX_PATH, directory);
    record_ = std::string(directory) + "tavrin-browser-command.txt";
    SetEnvironmentVariableA("TAVRIN_RECORD_FILE", record_.c_str());
    DeleteFileA(record_.c_str());
}

FakeBrowser::~FakeBrowser() {
    RegSetValueA(HKEY_CLASSES_ROOT, ".htm", REG_SZ, previousType_.c_str(), 0);
    RegDeleteKeyA(HKEY_CLASSES_ROOT, "TavrinTest.Document\\shell\\open\\command");
    RegDeleteKeyA(HKEY_CLASSES_ROOT, "TavrinTest.Document\\shell\\open");
    RegDeleteKeyA(HKEY_CLASSES_ROOT, "TavrinTest.Document\\shell");
    RegDeleteKeyA(HKEY_CLASSES_ROOT, FakeType);
    DeleteFileA(record_.c_str());
}

bool FakeBrowser::InstallIn(const std::string& directory) {
    CreateDirectoryA(directory.c_str(), nullptr);
    program_ = directory + "\\recorder.exe";
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string source = self;
    source = source.substr(0, source.find_last_of('\\') + 1) + "record_command.exe";
    if (!CopyFileA(source.c_str(), program_.c_str(), FALSE))
        return false;
    std::string command = "\"" + program_ + "\" \"%1\"";
    return RegSetValueA(HKEY_CLASSES_ROOT, ".htm", REG_SZ, FakeType, 0) == ERROR_SUCCESS &&
           RegSetValueA(HKEY_CLASSES_ROOT, "TavrinTest.Document\\shell\\open\\command", REG_SZ,
                        command.c_str(), 0) == ERROR_SUCCESS;
}

void FakeBrowser::Unregister() {
    RegSetValueA(HKEY_CLASSES_ROOT, ".htm", REG_SZ, "TavrinTest.Nothing", 0);
}

std::string FakeBrowser::NextCommandLine(DWORD milliseconds) {
    for (DWORD waited = 0; waited < milliseconds; waited += 20) {
        HANDLE file =
            CreateFileA(record_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            char line[2048] = "";
            DWORD read = 0;
            ReadFile(file, line, sizeof line - 1, &read, nullptr);
            CloseHandle(file);
            DeleteFileA(record_.c_str());
            return std::string(line, read);
        }
        Sleep(20);
    }
    return "";
}
