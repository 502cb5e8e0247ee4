// Text operations on NUL-terminated Windows-1252 byte strings: normalising and comparing answers, the
// word-count hint and reading saved answers line by line. No allocation, no locale.
#pragma once

#include <cstdint>

#include "quizdata/quiz_document.h"

// Longest text the comparisons look at: a 260-byte buffer less its terminator.
constexpr int kMaxTextLength = kTextSize - 1;
// Longest line ReadLine gives: what an answer field holds.
constexpr int kMaxAnswerLength = 55;

// Removes the leading and trailing spaces (byte 0x20 only; tabs and no-break spaces stay).
void TrimSpaces(char* text);

// a..z and 0xE0..0xFF become upper case by subtracting 0x20; every other byte stays.
void UpperCase(char* text);

// Sorts the bytes in ascending order, compared as signed 8-bit numbers.
void SortLetters(char* text);

// Levenshtein distance with unit costs. Only the first kMaxTextLength characters of each text count.
// Bit-parallel: about 11 KB of stack (match masks for 256 bytes), no table, safe on any thread.
int32_t EditDistance(const char* first, const char* second);

// Whether the shorter text occurs in the longer one, by a forward scan that never steps back (so an
// occurrence starting inside a partial match is missed). Both are kTextSize-byte buffers; their contents
// are exchanged when the second is the shorter. Answers 2 found, 1 shorter text empty, 0 not found;
// negated when the contents were exchanged.
int32_t FindInLonger(char* first, char* second);

// One more than the number of spaces, apostrophes and hyphens; the character after '!' is passed over.
int32_t CountWords(const char* text);

// Copies the line starting at *position (at most kMaxAnswerLength characters, up to CR) into
// destination (kMaxAnswerLength + 1 bytes), and moves *position past the next LF. The buffer need not
// be NUL-terminated: size bounds every read.
void ReadLine(const char* buffer, int32_t size, int32_t* position, char* destination);
