// Building the panel's question blocks from the document, restoring the saved answers and judging them.
#pragma once

#include <windows.h>

#include "quizdata/quiz_document.h"

// Control ids of the blocks beside those the judge uses (judging/panel_texts.h); n the question number.
constexpr int kAnswerRowLabelId = 156;    // both labels left of the first column when a question has 2 fields
constexpr int kNumberLabelBase = 2000;    // + n in the grid kinds; 2000 itself for every line of a text list
constexpr int kQuestionTextId = 3000;     // every question text of a text list
constexpr int kPlayButtonBase = 6000;     // + n
constexpr int kStopButtonBase = 7000;     // + n
constexpr int kQuestionPictureBase = 400; // + n: the question's "IMG" resource

// Builds every block of the panel (WM_INITDIALOG), filling the fields from the answers file and judging
// each, then sets the scroll ranges. Writes the document's answerFont, contentWidth, contentHeight and
// rowHeights; may correct answersPerQuestion and questionCount of a quiz the panel cannot show as
// declared.
void BuildQuestionBlocks(QuizDocument* document, HWND panel);
