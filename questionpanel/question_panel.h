// The scrolling panel of question blocks (dialog template 1001, a child of the main window).
#pragma once

#include <windows.h>

INT_PTR CALLBACK QuestionPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);
