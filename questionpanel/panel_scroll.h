// Scrolling and layout of the question panel: scroll ranges from the content size, the panel's scroll,
// wheel and size messages, and the closing-up of found questions in a picture quiz ("Cacher").
#pragma once

#include <windows.h>

#include "quizdata/quiz_document.h"

// Sets both scroll bars from the document's content size and the panel's client size; positions fall
// back to 0 when the content fits. Called at the end of the build and on every WM_SIZE.
void SetPanelScrollRanges(QuizDocument* document, HWND panel);

// The panel's WM_VSCROLL, WM_HSCROLL, WM_MOUSEWHEEL and WM_SIZE handling (each answers 0).
void ScrollPanelVertically(QuizDocument* document, HWND panel, WPARAM wParam);
void ScrollPanelHorizontally(HWND panel, WPARAM wParam);
void ResizePanel(QuizDocument* document, HWND panel);

// Collapses the found questions when the header's hide box (control 33) is ticked, restores every block
// when it is not; then re-applies the scroll ranges. Changes no window before the panel is stored in the
// document.
void CollapseFoundQuestions(QuizDocument* document);

// Moves, shows or hides the controls of block n (modes 1 to 5); the distance moved is distance x
// direction pixels, direction -1 (up) or +1 (down).
void MoveBlock(QuizDocument* document, int mode, int showCommand, HWND panel, int distance, int direction,
               int question);
