// The decoded quiz texts read back into a QuizContent: the inverse of SerialiseQuiz and
// SerialiseScoreMessages, strict where the player is lenient, so a damaged program is told apart.
#pragma once

#include <string>

#include "quizdata/quiz_coding.h"

// PATCH 104's text. False with *error at the first byte that does not fit the format.
bool ReadQuizText(const ByteVector& text, QuizContent* quiz, std::string* error);

// PATCH 105's text: one CR LF line per score; empty lines at the end are left out.
void ReadScoreText(const ByteVector& text, std::vector<std::string>* lines);

// PATCH 106's text into the questions' other spellings, with the player's own reader. False when the
// player would refuse it.
bool ReadSpellingsText(const ByteVector& text, QuizContent* quiz);
