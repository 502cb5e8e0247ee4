// Start-up and teardown of the Studio, shared by its entry point and its tests.
#pragma once

#include <windows.h>

// The process-wide state, the window class and the common controls. False when the class cannot be
// registered.
bool StartStudio(HINSTANCE instance);
// The main window with a new quiz, or with `path` (UTF-8; a .quiz or a Jorvo .exe) opened; shown.
HWND OpenStudioWindow(HINSTANCE instance, const char* path, int showCommand);
HACCEL CreateStudioAccelerators();
// Menus' and controls' keys first: accelerators, then the dialog keys (Tab, mnemonics). True when the
// message was taken.
bool TakeStudioKey(HWND window, HACCEL accelerators, MSG* message);
void StopStudio();
