// The screen saver's windows and modes: full screen with the moving panel, the preview, the
// setup dialog and the password change, over the daybook's file mapped for its resources.
#pragma once

#include <windows.h>

#include <cstdint>

#include "saver/orbit_path.h"

// The saver's own file: its setup template and its preview picture. Everything else comes from
// the ResourceModule, the daybook's file once it is mapped.
extern HINSTANCE OwnModule;
extern HWND SaverWindow;

// Maps the file named by InstallPath of "MORVEST.EXE" for its resources only (no code of it
// ever runs) and makes it the ResourceModule; non-zero when it is mapped, at once when it
// already was. FreeMainProgram releases it.
int LoadMainProgram();
int FreeMainProgram();

// Runs the mode the command line asks for; returns 0 or the quit message's parameter.
int SaverMain(const char* commandLine);

// Registers one of the saver's window classes: the saver's own, black, with its icon, no cursor.
bool RegisterSaverClass(const char* name, WNDPROC procedure);

LRESULT CALLBACK SaverWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK PreviewWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
int RunFullScreen();
int RunPreview(HWND parent);

// The panel: the day in the daybook's five controls, moved one orbit point per step, its clock
// kept by the saver window's one-second timer.
extern OrbitPath SaverOrbit;
extern int32_t OrbitIndex;
HWND CreatePanel(HWND saver);
void DestroyPanel(HWND saver);
void StepPanel();
void TickPanelClock();
LRESULT CALLBACK PanelWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Input ends the saver after the system's password check, when the user asked for one.
extern uint32_t PasswordCheckActive;
extern POINT LastCursorPos;
LRESULT CALLBACK SaverInputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
int VerifySaverPassword(HWND saver);
void ChangeSaverPassword(uint32_t windowNumber);

// The saver's setup dialog, template 2003 of its own file: the orbit speed, About and Manual.
INT_PTR CALLBACK SaverSetupProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
