// The Studio's process-wide state: the one document, the main window, and what the checks and the
// answer tryer keep between calls.
#pragma once

#include <windows.h>

#include <vector>

#include "quizdata/quiz_document.h"
#include "tools/studio/studio_document.h"
#include "tools/studio/studio_problems.h"

extern StudioDocument* studioDocument;
extern HWND studioWindow;
extern MediaChecks* mediaChecks;                   // media verdicts by file, cleared when files may change
extern std::vector<StudioProblem>* studioProblems; // as the problems list shows them
extern QuizDocument* judgeDocument;                // one question: the player's colours for the verdict
extern bool fillingControls;                       // true while the document is copied into the controls
extern HBRUSH sampleBrush;                         // the quiz's background colour, behind the colour sample

constexpr int kStudioMinimumWidth = 900;
constexpr int kStudioMinimumHeight = 620;
