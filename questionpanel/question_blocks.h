// Building the panel's question blocks from the document, restoring the saved answers and judging them.
#pragma once

#include <windows.h>

#include "quizdata/quiz_document.h"

// Builds every block of the panel (WM_INITDIALOG), filling the fields from the answers file and judging
// each, then sets the scroll ranges. Writes the document's answerFont, contentWidth, contentHeight and
// rowHeights; may correct answersPerQuestion and questionCount of a quiz the panel cannot show as
// declared.
void BuildQuestionBlocks(QuizDocument* document, HWND panel);
