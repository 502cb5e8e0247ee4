// Between the document and the main window's controls: the document shown, and each edit taken back
// into it at once (so that the problems list and the title bar follow every keystroke).
#pragma once

#include <windows.h>

// Every control from the document: settings, question list, editor, problems and title bar.
void ShowStudioDocument(HWND window);
// The editor (and thumbnail and tried verdict) for the selected question.
void ShowSelectedQuestion(HWND window);
// Selects question `index` (from 0) in the list and the editor.
void SelectQuestion(HWND window, int index);
void RefreshQuestionList(HWND window);
// Runs the checks again and shows them in the problems list and the question list's marks.
void RefreshProblems(HWND window);
void RefreshTitleBar(HWND window);
void RefreshThumbnail(HWND window);
void RefreshColourSample(HWND window);

// Field `id` changed (EN_CHANGE or CBN_SELCHANGE): its value goes into the document.
void TakeFieldEdit(HWND window, int id);

// Takes the author to problem `row` of the problems list: its question selected, its field focused.
void GoToProblem(HWND window, int row);

// The verdict the player would give the tried answer, in the verdict label.
void JudgeTriedAnswer(HWND window);
