// The verdict of one answer field of the quiz: which question and accepted spellings it belongs to, and
// the best verdict over them. Portable: the player's judge and `jorvo-maker results` both decide here.
#pragma once

#include "quizdata/extra_spellings.h"
#include "quizdata/quiz_document.h"

// The document's counts kept to what the panel can hold: 1 or 2 fields per question, 0 to 96 questions.
int AnswersPerQuestionOf(const QuizDocument* document);
int QuestionCountOf(const QuizDocument* document);

// The spellings that field `slot` (1 or 2) of question `question` (from 1) accepts, the first from the
// question's record: their number (at least 1), the texts in `out`.
int AcceptedSpellings(const QuizDocument* document, int question, int slot, const char* out[kMaxSpellings]);

// The question (from 1) and the slot (1 or 2) of answer field `field` (from 1).
void PlaceOfField(const QuizDocument* document, int field, int* question, int* slot);

// The verdict of `typed` in answer field `field`: the best over the spellings its slot accepts.
const char* FieldVerdict(const QuizDocument* document, int field, const char* typed);

// Whether `typed` is right in field `slot` of `question`: trimmed and upper-cased, it equals one of the
// slot's spellings upper-cased.
bool SlotIsRight(const QuizDocument* document, int question, int slot, const char* typed);
