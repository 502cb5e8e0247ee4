// The panel's colours: its own background, the labels that sit on it, and the verdict labels, which
// show their verdict as a coloured box.
#pragma once

#include <windows.h>

#include "quizdata/quiz_document.h"

// WM_CTLCOLORDLG: the quiz's background brush.
INT_PTR PanelBackground(const QuizDocument* document);

// WM_CTLCOLORSTATIC for `label` painted on `dc`: the brush to paint it with, or FALSE for the system's
// default colours. Decided afresh at every repaint from the label's id and, for a verdict, its text.
INT_PTR PanelLabelColour(const QuizDocument* document, HDC dc, HWND label);
