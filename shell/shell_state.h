// The shell's process-wide state: set once at start-up, read by the window procedures, released by the
// teardown in the entry point.
#pragma once

#include <windows.h>

#include "quizdata/quiz_document.h"

extern QuizDocument* quizDocument; // the one document; owned by the shell
extern HWND headerPanelWindow;
extern HWND questionPanelWindow;
extern HBRUSH windowBrush; // the main window's own colour, behind the footer label

constexpr COLORREF kWindowColour = RGB(212, 208, 200);

// The module the program's windows and resources belong to.
inline HINSTANCE ProgramInstance() {
    return GetModuleHandleA(nullptr);
}
