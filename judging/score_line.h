// The header's score line and score code, counted afresh from the verdict labels.
#pragma once

#include <windows.h>

#include "quizdata/quiz_document.h"

// Counts the questions whose verdict labels in `panel` all read "BRAVO" (a missing label does not) and
// writes " S / N" and the code of score S into the header panel (nothing when it has none).
void RefreshScore(QuizDocument* document, HWND panel);

// While the question panel builds its blocks it judges every restored answer, and counting every label
// after each of them costs N x M label reads per field (seconds under Wine for 192 fields). The build
// holds the refresh, then releases it once at its end, which refreshes when a verdict changed meanwhile.
void HoldScoreRefresh();
void ReleaseScoreRefresh(QuizDocument* document, HWND panel);
