// The header panel's controls: created once from the quiz document, the right-hand group kept at its
// distance from the right edge whenever the panel is resized.
#pragma once

#include <windows.h>

#include "header/header_ids.h"
#include "quizdata/quiz_document.h"

// Creates every control in its place, with its font; the hide box only in a picture quiz. A null
// document gives empty texts and a score out of 0.
void CreateHeaderControls(HWND panel, const QuizDocument* document);

// Moves title, explanation and the right-hand group for the panel's current client width.
void PlaceHeaderControls(HWND panel);
