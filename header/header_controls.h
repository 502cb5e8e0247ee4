// The header panel's controls: created once from the quiz document, the right-hand group kept at its
// distance from the right edge whenever the panel is resized.
#pragma once

#include <windows.h>

#include "quizdata/quiz_document.h"

// Control ids of the header panel.
constexpr int kLinkLabelId = 24;
constexpr int kByLabelId = 25;
constexpr int kAuthorLabelId = 26;
constexpr int kSaveButtonId = 27;
constexpr int kExplanationLabelId = 28;
constexpr int kTitleLabelId = 29;
constexpr int kCodeFieldId = 30;
constexpr int kCodeLabelId = 31;
constexpr int kScoreLabelId = 32;
constexpr int kHideBoxId = 33;
constexpr int kScoreRuleId = 120;  // under the score
constexpr int kCornerRuleId = 121; // right of the score corner
constexpr int kGroupRuleId = 122;  // left of the right-hand group

// Creates every control in its place, with its font; the hide box only in a picture quiz. A null
// document gives empty texts and a score out of 0.
void CreateHeaderControls(HWND panel, const QuizDocument* document);

// Moves title, explanation and the right-hand group for the panel's current client width.
void PlaceHeaderControls(HWND panel);
