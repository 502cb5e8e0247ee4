// The play and stop buttons of an audio or video quiz, and the media clean-up when the panel goes.
#pragma once

#include <windows.h>

#include "quizdata/quiz_document.h"

// WM_COMMAND: play 6000 + n and stop 7000 + n (clicks only, audio and video quizzes only); anything else
// is ignored.
void OnPanelCommand(const QuizDocument* document, HWND panel, WPARAM wParam);

// WM_CLOSE: stops the item started last and deletes its file.
void StopCurrentMedia();

// Stops every player and releases the panel's hold on them, then deletes the media file last written.
void ReleasePanelMedia();
