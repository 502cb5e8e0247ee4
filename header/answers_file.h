// The answers file: its name and its bytes. The writer (SaveAnswers) and the reader (the question panel,
// at start-up) both take the name from ProgramAnswersFileName, so they always agree; the writer builds
// the bytes with AnswersFileBytes. Only ProgramAnswersFileName is Windows code (answers_file_win32.cpp).
#pragma once

#include <cstddef>

// The program file's name (after the last '\' or '/') with its last three characters replaced by "txt":
// "C:\jeux\jeu.exe" gives "jeu.txt", "JEU.EXE" gives "JEU.txt". A name of fewer than three characters
// gets ".txt" appended instead. Writes the name with its terminator into `name` (`size` bytes) and
// answers true; answers false, with `name` empty, when the path names no file or the name does not fit.
bool AnswersFileName(const char* modulePath, char* name, size_t size);

// Windows: AnswersFileName of the running program's own path. False, with `name` empty, when the path
// does not fit the 1024 bytes read (a cut path would name the wrong file) or the name does not fit.
bool ProgramAnswersFileName(char* name, size_t size);

// The file's content: every field's text byte for byte, each followed by CR LF, nothing else. Writes at
// most `capacity` bytes to `out` (which may be null when `capacity` is 0) and answers the whole
// content's length, so a first call with no room tells the size to allocate.
size_t AnswersFileBytes(const char* const* fieldTexts, int fieldCount, char* out, size_t capacity);
