// The strip along the top of the main window (dialog template 1002): title, author, link and score.
#pragma once

#include <windows.h>

INT_PTR CALLBACK HeaderPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);
