// The answer judge: the verdict of one answer field, shown in its verdict label, and what a found
// question reveals.
#pragma once

#include <windows.h>

#include "quizdata/quiz_document.h"

// Judges answer field `fieldId` (4000 + n) of `panel` against its accepted answer. Does nothing at all
// when the verdict is the one its label already shows; otherwise shows it, reveals or withdraws by the
// quiz's reveal mode, and refreshes the score.
void JudgeAnswer(QuizDocument* document, HWND panel, int fieldId);
