// The screen saver started as Windows starts it, in this Wine prefix, beside the daybook's file,
// and driven from outside through its windows.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "resource.h"
#include "saver/orbit_path.h"
#include "tests/core/test_files.h"
#include "tests/wine/wine_fixtures.h"

namespace {

const char Directory[] = "C:\\tavrin-saver";
const char DaybookTime[] = "Tue Dec 08 07:00:00 2026";

std::string SaverRows(const char* path) {
    return std::string("ApplicationPath = ") + path + "\r\nLastTime = " + DaybookTime + "\r\n";
}

// The saver beside the daybook and its database, with a settings file that names their folder.
class SaverTest : public InstalledPrograms {
  protected:
    SaverTest()
        : InstalledPrograms(Directory,
                            {{TAVRIN_MORVSAVE_FILE, "morvsave.scr"},
                             {TAVRIN_MORVEST_FILE, "morvest.exe"},
                             {TAVRIN_DATABASE_FILE, "MORVEST.DAT"}},
                            SaverRows("C:\\tavrin-saver\\")) {}
    void SetUp() override {
        InstalledPrograms::SetUp();
        ASSERT_TRUE(PutSettings("AnimationSpeed = 40\r\n"));
    }
    // The full-screen window and its panel, once the panel is there.
    HWND StartFullScreen(HWND* panel) {
        Start("/s");
        HWND saver = WaitForWindow("WindowsScreenSaverClass", "Screen Saver.TavrinMorvest");
        // The window can be found while it is still being made: its panel comes a moment later.
        *panel = nullptr;
        WaitUntil(
            [&] {
                *panel = FindWindowExA(saver, nullptr, "TavrinSaverMoving", nullptr);
                return saver != nullptr && *panel != nullptr;
            },
            3000);
        return saver;
    }
    DWORD PressAKey(HWND saver) { return PostAndWaitForExit(saver, WM_KEYDOWN, 'A'); }
    static void ExpectWrittenBySaver(const std::string& settings) {
        EXPECT_EQ(SettingsRow(settings, "VersionNumber"), "65") << settings;
        EXPECT_EQ(settings.find("BuildDate"), std::string::npos) << settings;
        EXPECT_EQ(SettingsRow(settings, "LastTime"), DaybookTime) << settings;
    }
};

// Without the daybook, full screen still blanks the screen, with no panel and no message; setup
// and the password change report it. The exit code is 0 and the settings file stays as it was.
TEST_F(SaverTest, WithoutTheDaybookFullScreenIsBlackAndOtherModesReportIt) {
    // An empty path leaves the name to the system's search, which starts beside the saver.
    for (const char* path : {"C:\\nowhere\\", ""}) {
        if (path[0] == '\0')
            DeleteFileA(Installed("morvest.exe").c_str());
        ASSERT_TRUE(WriteFileBytes(SettingsFile(), "[TavrinAMorvestDaybook]\r\n" + SaverRows(path) +
                                                       "AnimationSpeed = 40\r\n"));
        std::string before = SettingsText();
        for (const char* mode : {"/c", "/a", "/s"}) {
            SCOPED_TRACE(std::string(path) + " " + mode);
            Start(mode);
            bool full = mode[1] == 's';
            HWND window = WaitForWindow(full ? "WindowsScreenSaverClass" : "#32770",
                                        full ? nullptr : "Message");
            ASSERT_NE(window, nullptr);
            EXPECT_EQ(ControlText(window, 0xFFFF), full ? "" : "Error loading libraries");
            EXPECT_EQ(FindWindowExA(window, nullptr, "TavrinSaverMoving", nullptr), nullptr);
            EXPECT_EQ(PostAndWaitForExit(window, full ? WM_KEYDOWN : WM_COMMAND, IDOK), 0u);
            EXPECT_EQ(SettingsText(), before);
        }
    }
}

TEST_F(SaverTest, ModesWithoutAWindowRewriteTheFileAsTheSaverAndLeaveLastTime) {
    for (const char* arguments : {"/x", "/p", "/p 0"}) {
        ASSERT_TRUE(PutSettings("TintSelection = 9\r\n"));
        Start(arguments);
        EXPECT_EQ(WaitForExit(), 1u) << arguments;
        std::string settings = SettingsText();
        ExpectWrittenBySaver(settings);
        EXPECT_EQ(SettingsRow(settings, "TintSelection"), "9");
    }
}

TEST_F(SaverTest, FullScreenShowsThePanelStepByStepAlongTheOrbitAndParksThePointer) {
    // The daybook shows no display check on a palette display: nothing but the saver is to act on
    // the pointer. A slow step leaves the test time to see every one of them.
    ASSERT_TRUE(PutSettings("AnimationSpeed = 150\r\nStayOnTop = 1\r\n"
                            "ShowStartupWindow = 0\r\nShowDriverMessage = 0\r\n"));
    RunningProgram daybook;
    ASSERT_TRUE(daybook.Start(Installed("morvest.exe"), "", Directory));
    ASSERT_NE(daybook.WaitForWindow("TavrinApplication"), nullptr);
    // The saver puts the pointer back where it found it. Under X11 a place set by a program with
    // no window of its own may not reach the X server, so the place to expect is read back just
    // before the saver starts, as the saver reads it.
    SetCursorPos(100, 120);
    POINT before;
    WaitUntil([&] { return GetCursorPos(&before) && before.x == 100 && before.y == 120; }, 2000);
    HWND panel;
    HWND saver = StartFullScreen(&panel);
    ASSERT_NE(saver, nullptr);
    ASSERT_NE(panel, nullptr);
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    RECT frame, panelFrame;
    GetWindowRect(saver, &frame); // every monitor: the primary screen's size when there is one
    EXPECT_TRUE(frame.left == GetSystemMetrics(SM_XVIRTUALSCREEN) &&
                frame.top == GetSystemMetrics(SM_YVIRTUALSCREEN) &&
                frame.right - frame.left == GetSystemMetrics(SM_CXVIRTUALSCREEN) &&
                frame.bottom - frame.top == GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_TRUE(WaitUntil( // made topmost right after it appears
        [saver] { return (GetWindowLongA(saver, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }, 3000));
    EXPECT_FALSE(WaitUntil( // and the daybook, kept on top, stays under it
        [&] {
            DWORD owner = 0;
            GetWindowThreadProcessId(WindowFromPoint({width / 2, height / 2}), &owner);
            return owner != program_.id();
        },
        3000));
    GetWindowRect(panel, &panelFrame);
    EXPECT_EQ(panelFrame.right - panelFrame.left, 760);
    EXPECT_EQ(panelFrame.bottom - panelFrame.top, 520);
    EXPECT_NE(ControlText(panel, IDC_MAIN_ENTRY), "");
    POINT parked;
    GetCursorPos(&parked);
    EXPECT_TRUE(parked.x == width - 1 && parked.y == height - 1) << parked.x << "," << parked.y;
    EXPECT_FALSE(parked.x == before.x && parked.y == before.y);

    // Every new position is the next point of the path that differs from the last one.
    OrbitPath path = BuildOrbitPathFor(width, height);
    ASSERT_GT(path.count, 0);
    auto indexOf = [&](POINT p, int32_t from) {
        for (int32_t i = 0, at = from; i < path.count; ++i, at = NextOrbitIndex(path, at))
            if (path.points[at].x == p.x && path.points[at].y == p.y)
                return at;
        return int32_t{-1};
    };
    POINT last = PlaceOf(panel);
    int32_t index = indexOf(last, 0);
    ASSERT_GE(index, 0);
    int moves = 0;
    for (int polls = 0; polls < 4000 && moves < 12; ++polls) {
        POINT now = PlaceOf(panel);
        if (now.x == last.x && now.y == last.y) {
            Sleep(2);
            continue;
        }
        int32_t next = NextOrbitIndex(path, index);
        while (path.points[next].x == last.x && path.points[next].y == last.y)
            next = NextOrbitIndex(path, next);
        ASSERT_EQ(now.x, path.points[next].x) << "move " << moves;
        ASSERT_EQ(now.y, path.points[next].y) << "move " << moves;
        index = next;
        last = now;
        ++moves;
    }
    EXPECT_EQ(moves, 12);
    FreeOrbitPath(&path);

    EXPECT_EQ(PressAKey(saver), 1u);
    // Headless, the pointer comes back exactly. Under X11 (a screen of known depth) the test's own
    // move may never reach the X server, so the saver may have found the pointer elsewhere: there
    // it must at least leave the parked corner. The new place takes a moment to read back.
    bool onX = getenv("TAVRIN_SCREEN_DEPTH") != nullptr;
    POINT back;
    EXPECT_TRUE(WaitUntil(
        [&] {
            return GetCursorPos(&back) && (onX ? back.x != parked.x || back.y != parked.y
                                               : back.x == before.x && back.y == before.y);
        },
        2000))
        << back.x << "," << back.y << " not " << before.x << "," << before.y;
    ExpectWrittenBySaver(SettingsText());
}

// A second monitor, right of the primary one in the two-monitor run, goes black behind the saver
// whatever it showed, and a move of the pointer there ends the saver.
TEST_F(SaverTest, ASecondMonitorIsCoveredAndAMoveThereEndsTheSaver) {
    if (GetSystemMetrics(SM_CMONITORS) < 2)
        GTEST_SKIP() << "one monitor";
    POINT there = {GetSystemMetrics(SM_CXSCREEN) + 100, 100};
    HWND shown = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, there.x - 50, 50, 100, 100,
                                 nullptr, nullptr, nullptr, nullptr);
    HDC screen = GetDC(nullptr);
    auto black = [&] { return GetPixel(screen, there.x, there.y) == RGB(0, 0, 0); };
    EXPECT_TRUE(WaitUntil([&] { return UpdateWindow(shown) && !black(); }, 3000));
    HWND panel;
    HWND saver = StartFullScreen(&panel);
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return WindowFromPoint(there) == saver && black(); }, 3000));
    ReleaseDC(nullptr, screen);
    SetCursorPos(there.x, there.y);
    SetCursorPos(there.x + 1, there.y);
    EXPECT_EQ(WaitForExit(), 1u);
    DestroyWindow(shown);
}

TEST_F(SaverTest, PressesAndMovesEndTheSaverButReleasesAndTheCloseCommandDoNot) {
    struct {
        const char* what;
        UINT message;
        WPARAM wParam;
        bool toPanel, ends;
    } inputs[] = {
        {"key up", WM_KEYUP, 'A', false, false},
        {"close command", WM_SYSCOMMAND, SC_CLOSE, false, false},
        {"another saver start", WM_SYSCOMMAND, SC_SCREENSAVE, false, false},
        {"button up", WM_LBUTTONUP, 0, true, false},
        {"a move message, the pointer still", WM_MOUSEMOVE, 0, false, false},
        {"key down", WM_KEYDOWN, VK_SHIFT, false, true},
        {"Alt+F4", WM_SYSKEYDOWN, VK_F4, false, true},
        {"click on the panel", WM_LBUTTONDOWN, MK_LBUTTON, true, true},
        {"right button", WM_RBUTTONDOWN, MK_RBUTTON, false, true},
        {"a one-pixel move", 0, 0, false, true},
        {"monitors came or went", WM_DISPLAYCHANGE, 32, false, true},
    };
    for (const auto& input : inputs) {
        SCOPED_TRACE(input.what);
        HWND panel;
        HWND saver = StartFullScreen(&panel);
        ASSERT_NE(panel, nullptr);
        Sleep(300);
        if (input.message == 0) {
            POINT at;
            GetCursorPos(&at);
            SetCursorPos(at.x - 1, at.y);
        } else {
            PostMessageA(input.toPanel ? panel : saver, input.message, input.wParam, 0);
        }
        DWORD code = WaitForExit(input.ends ? 15000 : 1000);
        EXPECT_EQ(code, input.ends ? 1u : static_cast<DWORD>(STILL_ACTIVE));
        if (!input.ends) {
            EXPECT_EQ(PressAKey(saver), 1u);
        }
    }
}

// The system's password component, with a planted copy beside the saver that must never load.
TEST_F(SaverTest, ARefusedPasswordLetsThePanelMoveOnAndTheNextInputEndsTheSaver) {
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    std::string component = std::string(system) + "\\PASSWORD.CPL";
    ASSERT_TRUE(CopyFileA(TAVRIN_FAKE_PASSWORD, component.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(TAVRIN_FAKE_PASSWORD, Installed("PASSWORD.CPL").c_str(), FALSE));
    char temporary[MAX_PATH];
    GetTempPathA(MAX_PATH, temporary);
    std::string log = std::string(temporary) + "tavrin-password.log";
    DeleteFileA(log.c_str());
    SetEnvironmentVariableA("TAVRIN_PASSWORD_LOG", log.c_str());
    RegistryValue usePassword("Control Panel\\Desktop", "ScreenSaveUsePassword");
    // Windows keeps the switch as text: "0" asks for nothing, though its bytes are not zero.
    usePassword.SetText("0");
    HWND panel;
    HWND saver = StartFullScreen(&panel);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(PressAKey(saver), 1u);
    EXPECT_EQ(GetFileAttributesA(log.c_str()), INVALID_FILE_ATTRIBUTES);

    usePassword.SetText("1");
    saver = StartFullScreen(&panel);
    ASSERT_NE(panel, nullptr);
    Sleep(300);
    PostMessageA(saver, WM_KEYDOWN, 'A', 0);
    Sleep(600);
    EXPECT_EQ(WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_TRUE(MovesWithin(panel, 300)); // moving on after the refusal
    EXPECT_EQ(PressAKey(saver), 1u);

    std::string calls = ReadFileBytes(log);
    calls.erase(std::remove(calls.begin(), calls.end(), '\r'), calls.end());
    std::string expected = component + " still shown\n" + component + " still shown\n";
    EXPECT_EQ(_stricmp(calls.c_str(), expected.c_str()), 0) << calls;
    DeleteFileA(component.c_str());
    DeleteFileA(log.c_str());
    SetEnvironmentVariableA("TAVRIN_PASSWORD_LOG", nullptr);
}

// The preview draws the saver's own picture: without the daybook it still runs, and ends with 0.
TEST_F(SaverTest, ThePreviewFillsTheBoxItIsGivenWithoutAPanel) {
    for (const char* form : {"/p %u", "/p:%u", "/P%u", "/p %u without the daybook"}) {
        bool daybook = strchr(form, 'w') == nullptr;
        if (!daybook)
            DeleteFileA(Installed("morvest.exe").c_str());
        HWND box = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 10, 10, 152, 112,
                                   nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(box, nullptr);
        char arguments[64];
        snprintf(arguments, sizeof arguments, form,
                 static_cast<unsigned>(reinterpret_cast<uintptr_t>(box)));
        Start(arguments);
        HWND preview = nullptr;
        ASSERT_TRUE(WaitUntil(
            [&] {
                return (preview = FindWindowExA(
                            box, nullptr,
                            "WindowsScreenSaverPreviewClassScreen Saver.TavrinMorvest",
                            "Screen Saver.TavrinMorvest")) != nullptr;
            },
            20000))
            << arguments;
        RECT client;
        GetClientRect(preview, &client);
        EXPECT_TRUE(client.right == 152 && client.bottom == 112);
        EXPECT_EQ(FindWindowA("TavrinSaverMoving", nullptr), nullptr);
        EXPECT_EQ(FindWindowA("WindowsScreenSaverClass", nullptr), nullptr);
        DestroyWindow(box); // as the Display settings do, with the preview in it
        EXPECT_EQ(WaitForExit(), daybook ? 1u : 0u) << arguments;
    }
}

TEST_F(SaverTest, SetupShowsTheSpeedOnlyOkEndsItAndAboutIsTheSaversOwn) {
    struct {
        const char* arguments;
        const char* stored;
        LRESULT thumb;
        int moveTo; // 0: leave the thumb
        const char* written;
    } cases[] = {
        {"/c", "5", 10, 0, "10"},
        {"", "400", 400, 0, "400"},
        {"/c:1234", "9999", 500, 0, "500"},
        {"-C", "400", 400, 10, "10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        ASSERT_TRUE(PutSettings(std::string("AnimationSpeed = ") + c.stored + "\r\n"));
        Start(c.arguments);
        HWND setup = WaitForWindow("#32770", "Setup");
        ASSERT_NE(setup, nullptr);
        HWND speed = GetDlgItem(setup, IDC_SAVER_SPEED);
        EXPECT_EQ(SendMessageA(speed, TBM_GETPOS, 0, 0), c.thumb);
        EXPECT_EQ(SendMessageA(speed, TBM_GETRANGEMIN, 0, 0), 10);
        EXPECT_EQ(SendMessageA(speed, TBM_GETRANGEMAX, 0, 0), 500);
        if (c.moveTo != 0)
            SendMessageA(speed, TBM_SETPOS, TRUE, c.moveTo);
        PostMessageA(setup, WM_COMMAND, IDCANCEL, 0);
        PostMessageA(setup, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_EQ(WaitForExit(500), static_cast<DWORD>(STILL_ACTIVE));
        EXPECT_TRUE(IsWindowVisible(setup));
        if (c.stored == std::string("5")) {
            ExpectDialogConventions(setup);
            PostMessageA(setup, WM_COMMAND, IDC_SAVER_ABOUT, 0);
            HWND about = WaitForOwnedWindow(setup);
            ASSERT_NE(about, nullptr);
            DWORD_PTR answer;
            SendMessageTimeoutA(about, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer);
            EXPECT_EQ(ControlText(about, IDC_ABOUT_TITLE),
                      "Tavrin: A Morvest Daybook\231 version 2.0b");
            EXPECT_EQ(GetDlgItem(about, IDC_NOTICE_LINE), nullptr);
            PostMessageA(about, WM_COMMAND, IDOK, 0);
            WaitUntilGone(about);
        }
        EXPECT_EQ(PostAndWaitForExit(setup, WM_COMMAND, IDOK), 1u);
        std::string settings = SettingsText();
        EXPECT_EQ(SettingsRow(settings, "AnimationSpeed"), c.written) << settings;
        ExpectWrittenBySaver(settings);
    }
}

// Wine's MPR.DLL has the export, as a stub that returns at once; a system without the
// component or its export gets the message instead.
TEST_F(SaverTest, ThePasswordChangeOpensTheSystemsDialogOrReportsWhatIsMissing) {
    HMODULE component = LoadLibraryA("MPR.DLL");
    std::string missing = component == nullptr ? "Error loading library"
                          : GetProcAddress(component, "PwdChangePasswordA") == nullptr
                              ? "Damaged library"
                              : "";
    if (component != nullptr)
        FreeLibrary(component);
    Start("/a");
    HWND box = WaitForWindow("#32770", "Message", 3000);
    EXPECT_EQ(box != nullptr ? ControlText(box, 0xFFFF) : "", missing);
    if (box != nullptr)
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(WaitForExit(), 1u);
    ExpectWrittenBySaver(SettingsText());
}

// A speed chosen in the saver's setup while the daybook is open outlives the daybook's exit.
TEST_F(SaverTest, ASpeedChosenWhileTheDaybookRunsIsKeptWhenItCloses) {
    ASSERT_TRUE(
        PutSettings("AnimationSpeed = 400\r\nShowStartupWindow = 0\r\nTintSelection = 5\r\n"));
    RunningProgram daybook;
    ASSERT_TRUE(daybook.Start(Installed("morvest.exe"), "", Directory));
    HWND window = daybook.WaitForWindow("TavrinApplication");
    ASSERT_NE(window, nullptr);
    Start("/c");
    HWND setup = WaitForWindow("#32770", "Setup");
    ASSERT_NE(setup, nullptr);
    SendDlgItemMessageA(setup, IDC_SAVER_SPEED, TBM_SETPOS, TRUE, 123);
    EXPECT_EQ(PostAndWaitForExit(setup, WM_COMMAND, IDOK), 1u);
    PostMessageA(window, WM_COMMAND, CMD_EXIT, 0);
    EXPECT_EQ(daybook.WaitForExit(), 1u);
    std::string settings = SettingsText();
    EXPECT_EQ(SettingsRow(settings, "AnimationSpeed"), "123") << settings;
    EXPECT_EQ(SettingsRow(settings, "TintSelection"), "5") << settings;
    EXPECT_EQ(SettingsRow(settings, "VersionNumber"), "67") << settings;
}

// At the fastest speed the panel keeps pace: the orbit points it passed, counted from where it
// stands (a point missed between two looks still counts), against the time.
TEST_F(SaverTest, AtTheFastestSpeedThePanelKeepsPace) {
    ASSERT_TRUE(PutSettings("AnimationSpeed = 10\r\n"));
    HWND panel;
    HWND saver = StartFullScreen(&panel);
    ASSERT_NE(panel, nullptr);
    OrbitPath path =
        BuildOrbitPathFor(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    auto indexOf = [&](POINT p, int32_t from) {
        for (int32_t i = 0, at = from; i < path.count; ++i, at = NextOrbitIndex(path, at))
            if (path.points[at].x == p.x && path.points[at].y == p.y)
                return std::make_pair(at, i);
        return std::make_pair(int32_t{-1}, int32_t{0});
    };
    int32_t index = indexOf(PlaceOf(panel), 0).first;
    ASSERT_GE(index, 0);
    long steps = 0;
    DWORD started = GetTickCount();
    while (GetTickCount() - started < 5000) {
        Sleep(40); // less than a tenth of the way round at 1024 by 768
        auto [at, ahead] = indexOf(PlaceOf(panel), index);
        ASSERT_GE(at, 0);
        steps += ahead;
        index = at;
    }
    DWORD elapsed = GetTickCount() - started;
    FreeOrbitPath(&path);
    // Timers are coarser than 10 ms on many systems; half the pace is the least a user sees
    // as smooth.
    EXPECT_GE(steps, static_cast<long>(elapsed / 10 / 2)) << steps << " steps in " << elapsed;
    EXPECT_LE(steps, static_cast<long>(elapsed / 10 + 20)) << steps << " steps in " << elapsed;
    EXPECT_EQ(PressAKey(saver), 1u);
}

// Windows keeps savers in its own directory, away from the daybook: the settings file says
// where the daybook is.
TEST_F(SaverTest, FromADirectoryOfItsOwnTheSaverFindsTheDaybookThroughTheSettings) {
    std::string elsewhere = std::string(Directory) + "\\system";
    CreateDirectoryA(elsewhere.c_str(), nullptr);
    std::string saver = elsewhere + "\\morvsave.scr";
    ASSERT_TRUE(CopyFileA(TAVRIN_MORVSAVE_FILE, saver.c_str(), FALSE));
    ASSERT_TRUE(program_.Start(saver, "/s", elsewhere));
    HWND window = WaitForWindow("WindowsScreenSaverClass");
    ASSERT_NE(window, nullptr);
    HWND panel = FindWindowExA(window, nullptr, "TavrinSaverMoving", nullptr);
    ASSERT_NE(panel, nullptr);
    EXPECT_NE(ControlText(panel, IDC_MAIN_DATE), "");
    EXPECT_EQ(PostAndWaitForExit(window, WM_LBUTTONDOWN, MK_LBUTTON), 1u);
}

} // namespace
