// Small helpers every window of both programs uses.
#pragma once

#include <windows.h>

// The module all shared code loads its resources from: the daybook itself, or, in the screen
// saver, the daybook's file mapped as a module.
extern HINSTANCE ResourceModule;

// A string-table text in one shared 1024-byte buffer that each call overwrites.
const char* LoadText(UINT id);

// Moves a window to the centre of the whole screen and to the top of the z-order.
void CentreOnScreen(HWND window);

// Gives every descendant window the font, without redrawing.
void SetChildFonts(HWND window, HFONT font);

// A system component loaded from the system directory only: a file of the same name in the
// current directory or on the PATH must never run inside the programs.
HMODULE LoadSystemLibrary(const char* name);

// An export, as a plain function pointer for the caller to give its real type; nullptr when the
// library or the export is missing.
typedef void (*AnyFunction)();
AnyFunction SystemFunction(HMODULE library, const char* name);

// Registers the common-control classes asked for. The common controls serve Setup and the
// saver's setup alone, so they are loaded at the first such call rather than at every start,
// by name, so that the program's manifest picks the version with visual styles. False when
// they cannot be had.
bool InitControlClasses(DWORD classes);

// The common controls' module once InitControlClasses has loaded it, else nullptr.
HMODULE CommonControls();

// A font of the face and cell height, in the default character set; FW_DONTCARE leaves the
// weight to the face.
HFONT CreateFaceFont(const char* face, int height, int weight = FW_DONTCARE);

// The desktop window manager's attribute setter (DwmSetWindowAttribute), or a stand-in.
typedef HRESULT(WINAPI* WindowAttributeSetter)(HWND, DWORD, LPCVOID, DWORD);

// The user's apps theme (AppsUseLightTheme of the personal theme settings): false when it is
// missing or not a number.
bool ReadAppsUseLightTheme(DWORD* value);

// Asks the setter for a dark caption on the window; false without a setter or when it fails.
bool AskForDarkCaption(HWND window, WindowAttributeSetter setter);

// Gives a black window a dark caption when the user's apps are in dark mode on a Windows that
// offers it; light mode and older systems keep the caption they have. The window manager's
// setter is loaded at run time, once, so that Windows XP still runs the program.
void FollowDarkMode(HWND window);
// The setter FollowDarkMode asks: the window manager's, once looked up, or a stand-in put here
// before the first window.
extern WindowAttributeSetter CaptionAttributeSetter;

// A message box as the programs show them: caption "Message", the information icon.
void ShowMessage(HWND owner, const char* text);

// The display's colour depth for the daybook's purposes: its bits per pixel when 8 or less (a
// palette display), else 24. The logo and About animations run only above 8.
unsigned ScreenColourDepth();
