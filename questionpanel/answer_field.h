// The answer fields' keyboard: Enter and leaving a field judge it, Tab keeps the focused field in view,
// the page keys page the panel, F1 copies an answer into every open field, F2 saves.
#pragma once

#include <windows.h>

#include "quizdata/quiz_document.h"

// Replaces the edit control's procedure with AnswerFieldProc; the system's own is kept in baseEditProc.
void SubclassAnswerField(HWND field);

LRESULT CALLBACK AnswerFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam);

// Puts the text of `source` into every answer field of its panel whose verdict is not "BRAVO", giving
// each the focus in turn (so each is judged when it loses it), then gives the focus back to `source`.
void CopyAnswerToOpenFields(HWND source);

// The content position at which `field` is wholly visible with a 5-pixel margin: the current vertical
// position when it already is, else just far enough down or up, clamped to the panel's range.
// `outOfView` tells whether the field lies partly or wholly outside the panel's client area.
int ScrollTargetFor(const QuizDocument* document, HWND panel, HWND field, bool* outOfView);
