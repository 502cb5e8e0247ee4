#include "questionpanel/panel_scroll.h"

// Placeholder bodies until the scrolling code lands: the panel shows its content unscrolled.
void SetPanelScrollRanges(QuizDocument*, HWND) {}
void ScrollPanelVertically(QuizDocument*, HWND, WPARAM) {}
void ScrollPanelHorizontally(HWND, WPARAM) {}
void ResizePanel(QuizDocument*, HWND) {}
void CollapseFoundQuestions(QuizDocument*) {}
void MoveBlock(QuizDocument*, int, int, HWND, int, int, int) {}
