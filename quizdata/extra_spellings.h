// The spellings an answer field accepts besides its first one (which its question record holds), read
// from their own coded piece. A quiz without that piece accepts its first spellings only.
//
// The piece's decoded text holds, for every answer field of the quiz in field order (question 1's first
// field, its second when the quiz has two, then question 2 ...), that field's other spellings, one per
// line, then an empty line; every line ends with CR LF. A quiz of two one-answer questions whose first
// accepts "London" too reads: "London" CR LF CR LF CR LF.
#pragma once

#include <cstddef>
#include <cstdint>

#include "quizdata/quiz_document.h"

constexpr int kMaxSpellings = 8;         // accepted spellings of one answer field, the first included
constexpr int kMaxSpellingLength = 55;   // what an answer field holds
constexpr int kMaxSpellingsLength = 259; // the spellings of one field together, like any quiz text

struct ExtraSpellings {
    char* text; // the decoded lines, each ended by a NUL where its CR was; owned
    uint8_t count[kMaxQuestions][2];
    const char* spelling[kMaxQuestions][2][kMaxSpellings - 1]; // into `text`
};

// Reads a decoded text of `questions` x `perQuestion` groups. Null when the text does not hold exactly
// that (a line end other than CR LF, an empty or over-long spelling, too many spellings for one field,
// a NUL byte, fewer or more groups), or when no memory could be had.
ExtraSpellings* ReadExtraSpellings(const uint8_t* text, size_t length, int questions, int perQuestion);
void FreeExtraSpellings(ExtraSpellings* spellings);
