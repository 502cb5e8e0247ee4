// The strip along the top of the main window (dialog template 1002): title, author, link and score.
#pragma once

#include <windows.h>

// The panel's background and its labels' background, RGB(128, 128, 255); made when the panel
// initialises, deleted when it is destroyed. There is one header panel per process.
extern HBRUSH headerBrush;

constexpr COLORREF kHeaderColour = RGB(128, 128, 255);
constexpr COLORREF kLinkColour = RGB(50, 50, 255);

// Reads the quiz from the shell's document.
INT_PTR CALLBACK HeaderPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);
