// The Studio's files: the quiz source (new, open, save, save as), a Jorvo program opened by unpacking it,
// and the media files chosen or dropped.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

// Asks what to do with unsaved changes; false when the author cancels (or a save fails).
bool ConfirmDiscard(HWND window);

void NewQuiz(HWND window);
void OpenQuizDialog(HWND window);
void OpenProgramDialog(HWND window);
// Opens a quiz source, or unpacks a Jorvo program (a .exe) into a folder the author picks and opens it.
// Unsaved changes are asked about first. False, with a message, when nothing was opened.
bool OpenStudioFile(HWND window, const std::string& path);
bool SaveQuiz(HWND window);
bool SaveQuizAs(HWND window);

// Lets the author pick the media file of field `fieldId` (kMediaEdit or kRewardEdit).
void BrowseMediaFile(HWND window, int fieldId);

// Files dropped on the window: media files become questions (or the media of the field they fell on),
// a .quiz or .exe opens.
void TakeDroppedFiles(HWND window, HDROP drop);

// A UTF-8 path as a message shows it (Windows-1252).
std::string PathInMessage(const std::string& utf8);
