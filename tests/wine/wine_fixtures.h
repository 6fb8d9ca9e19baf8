// Fixtures the Windows tests share: the daybook's file as the resource module, a memory canvas,
// GDI object counting, dialog templates as stored, windows found by process and waited for, and
// the programs installed into a scratch folder and started from there.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

// Loads a program file as data and makes it the ResourceModule for the whole test program.
void UseResourcesOf(const char* programFile);

// How many more GDI objects this process may create now: filled up with pens, then emptied.
// (Wine's GetGuiResources always answers 0, so the objects are counted this way.)
size_t FreeGdiSlots();

// Removes every waiting message of this thread, so that pending paints run or go.
void DrainMessages();

// Runs the action a number of times after some rounds of warming up (the first windows of a
// process may make objects the system keeps for good): the free GDI slots and the windows of
// this thread must be where they were after the warm-up.
void ExpectNothingLeftBehind(const char* what, const std::function<void()>& action, int warmUps = 3,
                             int rounds = 100);

// Polls until the condition holds; false when it still does not after the time given.
bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds);
// Waits for a window to be destroyed; false when it is still there.
bool WaitUntilGone(HWND window, DWORD milliseconds = 5000);

// A 32-bit top-down memory canvas to draw into and read pixels back.
class Canvas {
  public:
    Canvas(int width, int height);
    ~Canvas();
    void Fill(uint32_t value);
    std::vector<uint32_t> Pixels();
    // How many pixels differ from the grey every canvas starts with.
    int Changed();
    // An owner-draw request for the whole canvas, as the button with this id would send it.
    DRAWITEMSTRUCT DrawItem(int controlId, HWND control = nullptr) const;
    HDC dc() const { return dc_; }

  private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    uint32_t* pixels_ = nullptr;
};

// The top-left corner of a window, on the screen, and whether it moves within the time given.
POINT PlaceOf(HWND window);
// A font as "face height weight", with " turned" for a slanted baseline and " styled" for
// italics, underlining or strikeout; with a window and id, the font that control draws with.
std::string FontOf(HFONT font);
std::string FontOf(HWND window, int controlId);
// A child window's rectangle in its parent's client coordinates.
RECT PlaceInParent(HWND control);
// How many pixels a window's owner-draw control changes on a canvas of the size given (0: the
// control's own size).
int Drawn(HWND window, int controlId, int width = 0, int height = 0);
// The pixels it draws there.
std::vector<uint32_t> DrawnPixels(HWND window, int controlId, int width = 0, int height = 0);
// The pixels a window shows on the screen, read back from it (its top-left width by height).
std::vector<uint32_t> ShownPixels(HWND window, int width, int height);
// Whether the screen's pixels read back as drawn: headless, and on virtual screens above 16
// bits (TAVRIN_SCREEN_DEPTH: Wine reads a 16-bit X screen back black, and a palette screen
// back in its nearest colours).
bool ScreenReadsBack();
bool MovesWithin(HWND window, DWORD milliseconds);

// A dialog template as a program stores it (the classic DIALOG form).
struct TemplateControl {
    DWORD style, extendedStyle;
    int x, y, cx, cy;
    int id; // 0xFFFF for an unnamed static
    std::string className, text;
};
struct DialogTemplate {
    DWORD style;
    int x, y, cx, cy;
    std::string caption, font;
    int pointSize;
    std::vector<TemplateControl> controls;
    const TemplateControl* Control(int id) const;
};
bool ReadDialogTemplate(HMODULE module, const char* name, DialogTemplate* out);

// The first visible top-level window of the process with this class (and title, if given).
HWND FindProcessWindow(DWORD process, const char* className, const char* title = nullptr);

// The first visible window of this process owned by the given window, waited for as long as
// given; nullptr when none came.
HWND WaitForOwnedWindow(HWND owner, DWORD milliseconds = 10000);

// The daybook's real main window in this process, filled for today with the entry fonts the
// programs make and shown without activation; closing destroys it and the fonts.
HWND OpenTestMainWindow();
void CloseTestMainWindow(HWND window);

// Waits on a thread of its own for a window of this process to appear and then acts on it, so
// that a test can drive a modal dialog that the test's own thread is running. A watchdog: when
// the modal call has not come back a few seconds after the action (or when no such window came),
// the windows opened since are closed and the test fails with their captions and texts; if they
// cannot be closed, the test program ends at once rather than hang until its timeout.
class WhenWindowAppears {
  public:
    WhenWindowAppears(const char* className, const char* title, std::function<void(HWND)> act);
    ~WhenWindowAppears(); // the modal call is over: waits for the action to finish
    bool Acted();         // the same; false when no such window appeared

  private:
    std::thread thread_;
    HANDLE returned_;
    bool acted_ = false;
};

// A program started in this prefix and watched from outside; still running at the end, it is
// ended.
class RunningProgram {
  public:
    ~RunningProgram();
    bool Start(const std::string& program, const std::string& arguments,
               const std::string& directory);
    // A visible window of the program with this class (and title), waited for.
    HWND WaitForWindow(const char* className, const char* title = nullptr,
                       DWORD milliseconds = 20000);
    // The exit code, or STILL_ACTIVE when the program still runs after the wait.
    DWORD WaitForExit(DWORD milliseconds = 15000);
    DWORD id() const { return process_.dwProcessId; }
    // Ends the program if it still runs.
    void End();

  private:
    PROCESS_INFORMATION process_ = {};
};

// A file of the Windows directory and of the system directory.
std::string WindowsFile(const char* name);
std::string SystemFile(const char* name);

// The settings file both programs share, in the Windows directory.
std::string SettingsFile();

// Today's entry of the database file as the day display shows it, without its small-print star.
std::string TodaysEntry(const char* databaseFile);

// The programs and the database copied into a scratch folder of this prefix, with no settings
// file, and a program started from the folder and watched from outside. At the end the program
// is ended, and the folder and the settings file are gone.
class InstalledPrograms : public ::testing::Test {
  protected:
    // Each file is copied from its source under its name in the folder (no files: the folder is
    // left for the test to make); the first is the program Start runs. Every settings file that
    // PutSettings writes begins with the given rows.
    InstalledPrograms(std::string folder,
                      std::vector<std::pair<const char*, const char*>> sourcesAndNames,
                      std::string firstRows = "");
    void SetUp() override;
    void TearDown() override;
    std::string Installed(const char* name) const { return folder_ + "\\" + name; }

    // Starts the first program in the folder with these arguments.
    void Start(const std::string& arguments);
    HWND WaitForWindow(const char* className, const char* title = nullptr,
                       DWORD milliseconds = 20000) {
        return program_.WaitForWindow(className, title, milliseconds);
    }
    DWORD WaitForExit(DWORD milliseconds = 15000) { return program_.WaitForExit(milliseconds); }
    // Posts the message to a window of the program and waits for its exit code.
    DWORD PostAndWaitForExit(HWND window, UINT message, WPARAM wParam = 0);

    // Writes the settings file: its section, the first rows, then these rows.
    bool PutSettings(const std::string& rows) const;
    static std::string SettingsText();
    // The value of one row of the settings file or of its text, "(missing)" when there is none.
    static std::string SettingsRow(const std::string& settings, const char* key);
    static std::string SettingsRow(const char* key) { return SettingsRow(SettingsText(), key); }

    const std::string folder_;
    RunningProgram program_;

  private:
    std::vector<std::pair<const char*, const char*>> files_;
    std::string firstRows_;
};

// The text of a control of a window of any process.
std::string ControlText(HWND window, int id);

// Every control that acts is a Tab stop; every picture button has a name (its text, never drawn);
// a window (not a page) has the focus on one of its controls (this one, where an id is given) and
// stands in the middle of the screen.
void ExpectDialogConventions(HWND window, int focusedId = 0);

// A registry value that a test sets (of the current user's, unless another root is given); it is
// put back as it was, or removed, when this object goes.
class RegistryValue {
  public:
    RegistryValue(const char* key, const char* name, HKEY root = HKEY_CURRENT_USER);
    ~RegistryValue();
    void Set(DWORD type, const void* data, DWORD size);
    void SetText(const std::string& text) {
        Set(REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }

  private:
    HKEY key_ = nullptr;
    std::string name_;
    bool had_ = false;
    DWORD type_ = 0;
    std::vector<BYTE> before_;
};

// A stand-in browser registered for ".htm" in this prefix, at a path of the test's choosing; it
// records the command line it is started with. The previous association comes back at the end.
class FakeBrowser {
  public:
    FakeBrowser();
    ~FakeBrowser();
    // Installs the recorder as the ".htm" program under this directory; false on failure.
    bool InstallIn(const std::string& directory);
    // Makes ".htm" a type without any program.
    void Unregister();
    // The command line of the next start, waited for as long as given; "" when none came.
    std::string NextCommandLine(DWORD milliseconds = 10000);
    std::string program() const { return program_; }

  private:
    std::string program_, record_, previousType_;
};
