// Portable half of the answers file: its name and its bytes. The writer (SaveAnswers) and the reader
// (the question panel, at start-up) both take the name from here, so they always agree.
#pragma once

#include <cstddef>

// The program file's name (after the last '\' or '/') with its last three characters replaced by "txt":
// "C:\jeux\jeu.exe" gives "jeu.txt", "JEU.EXE" gives "JEU.txt". A name of fewer than three characters
// gets ".txt" appended instead. Writes the name with its terminator into `name` (`size` bytes) and
// answers true; answers false, with `name` empty, when the path names no file or the name does not fit.
bool AnswersFileName(const char* modulePath, char* name, size_t size);

// The file's content: every field's text byte for byte, each followed by CR LF, nothing else. Writes at
// most `capacity` bytes to `out` (which may be null when `capacity` is 0) and answers the whole
// content's length, so a first call with no room tells the size to allocate.
size_t AnswersFileBytes(const char* const* fieldTexts, int fieldCount, char* out, size_t capacity);
