// The answers file mapped while the panel builds its fields, which take its lines by RestoreAnswers.
#pragma once

#include <windows.h>

#include <cstdint>

#include "judging/text_ops.h"

struct SavedAnswers {
    HANDLE file;
    HANDLE mapping;
    const char* bytes; // the mapped file; null when there is nothing to read
    int32_t size;
};

// Opens the answers file named after the program in the current directory and maps it. A missing,
// empty or unmappable file leaves `bytes` null; nothing is reported.
void OpenSavedAnswers(SavedAnswers* saved);

void CloseSavedAnswers(SavedAnswers* saved);
