// Small helpers the panels share: plain labels, the link look, and wheel notches as scroll codes.
#pragma once

#include <windows.h>

// A visible "Static" child in the stock GUI font.
HWND CreateLabel(HWND parent, const char* text, int x, int y, int width, int height, int id);

// Underlined font three quarters of the control's height, and the hand cursor for its window class
// (so every static control that answers hit-tests shows the hand from then on). The font lives until
// the process ends.
void ApplyLinkStyle(HWND control);

// Posts ScrollWheelUp for one notch away from the user (+120) and ScrollWheelDown for one notch toward
// the user (-120) to `panel`; any other delta (high-resolution wheels) does nothing.
void WheelToScrollCode(HWND panel, WPARAM wParam);
