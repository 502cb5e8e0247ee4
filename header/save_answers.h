// Writes every answer field's text to the answers file, one line per field.
#pragma once

#include <windows.h>

#include "quizdata/quiz_document.h"

// Replaces the answers file (named after the program, in the current directory) with the texts of
// answer fields 4001 .. 4000 + N x M of the document's question panel. The old file is replaced only
// once the new one is complete, so a failed save keeps the previous answers. Nothing is reported.
void SaveAnswers(QuizDocument* document);

// The one write of the new file's bytes: WriteFile, replaced by tests to fail as a full disk does.
using SaveWriteFileProc = BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);
extern SaveWriteFileProc saveWriteFile;
