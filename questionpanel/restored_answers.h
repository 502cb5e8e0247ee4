// What the question panel's fields hold at start-up: the lines of the answers file, taken in field order.
// Portable: the panel builds its fields from here, and `jorvo-maker results` judges pupils' files alike.
#pragma once

#include <cstdint>

#include "judging/text_ops.h"
#include "quizdata/quiz_document.h"

constexpr int kMaxAnswerFields = 2 * kMaxQuestions;

// Corrects what the panel cannot show as declared, so that the judge, the colours, F1, the score and
// the save count exactly the fields that exist: a text list has one field per question, and a quiz of
// an unknown kind no question.
void SettleDeclaredShape(QuizDocument* document);

struct RestoredAnswers {
    int fieldCount; // questions x fields per question, as the panel builds them
    char text[kMaxAnswerFields][kMaxAnswerLength + 1];
};

// The text of every field from the answers file's `size` bytes (not NUL-terminated; none when `bytes`
// is null): one line per field, at most 55 characters each, an empty text past the end. The hidden
// second field of a one-answer question (second answer "-") reads "-" whatever its line holds.
void RestoreAnswers(const QuizDocument* document, const char* bytes, int32_t size, RestoredAnswers* restored);

// Whether question `question` (from 1) shows a single field: its second answer is "-".
bool HasOneAnswer(const QuestionRecord* record);
