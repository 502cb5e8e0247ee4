// The controls of the Studio's main window: made once, placed again whenever the window's size changes.
#pragma once

#include <windows.h>

void CreateStudioControls(HWND window);
void LayoutStudio(HWND window);

// The fields of the editor are usable only while a question is selected, the second answer only in a
// two-answer quiz, the labels only where the player shows them.
void EnableStudioFields(HWND window);
