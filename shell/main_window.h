// The program's only top-level window: it holds the header panel, the question panel and the footer
// label, lays them out, forwards wheel notches to the question panel and saves the answers on close.
#pragma once

#include <windows.h>

constexpr int kFooterLabelId = 8000;

LRESULT CALLBACK MainWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Places the two panels and the footer label for the window's current client size.
void LayoutMainWindow(HWND window);
