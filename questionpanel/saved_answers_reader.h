// Reading back the answers file while the panel builds its fields: one line per field, in field order.
#pragma once

#include <windows.h>

#include <cstdint>

#include "judging/text_ops.h"

struct SavedAnswers {
    HANDLE file;
    HANDLE mapping;
    const char* bytes; // the mapped file; null when there is nothing to read
    int32_t size;
    int32_t position;
};

// Opens the answers file named after the program in the current directory and maps it. A missing,
// empty or unmappable file leaves a reader that gives empty lines; nothing is reported.
void OpenSavedAnswers(SavedAnswers* saved);

// The next line (at most kMaxAnswerLength characters) into `text` (kMaxAnswerLength + 1 bytes).
void TakeSavedAnswer(SavedAnswers* saved, char* text);

// Passes over `count` lines (none when count is not positive), stopping early at the end of the file.
void SkipSavedAnswers(SavedAnswers* saved, int count);

void CloseSavedAnswers(SavedAnswers* saved);
