// The steps of start-up and shutdown, in the order the entry point runs them. Kept apart from WinMain
// so that tests can run each step on windows of their own.
#pragma once

#include <windows.h>

extern const char kWindowCreationFailed[]; // message of a failed class registration or window creation

// The "Jorvo" class of the main window; 0 when registration fails.
ATOM RegisterMainWindowClass(HINSTANCE instance);

// The 930 x 600 main window titled `title`, not yet shown; null on failure.
HWND CreateMainWindow(HINSTANCE instance, const char* title);

// Centres `window` on `desktop` (both whole-window rectangles); a desktop smaller than the window
// gives negative coordinates, used as they are.
void CentreWindow(HWND window, const RECT& desktop);

// The header panel, then the question panel (which builds its blocks while it is created); stores both
// handles in the shell's state and in the document.
void CreatePanels(HINSTANCE instance, HWND mainWindow);

// Lays out and shows the main window and the question panel, and scrolls the list to its top.
void ShowShell(HWND mainWindow);

// Runs until WM_QUIT; the question panel's dialog manager sees every message first. Answers the
// quit message's exit code.
int RunMessageLoop();

// Releases everything start-up made, in order; every step tolerates what is already gone.
void TearDownShell(HWND mainWindow, HHOOK printScreenFilter);
