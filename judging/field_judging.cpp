#include "judging/field_judging.h"

#include "judging/verdict.h"
#include "quizdata/extra_spellings.h"

int AnswersPerQuestionOf(const QuizDocument* document) {
    return document->answersPerQuestion == 2 ? 2 : 1;
}

int QuestionCountOf(const QuizDocument* document) {
    if (document->questionCount < 0) return 0;
    return document->questionCount > kMaxQuestions ? kMaxQuestions : document->questionCount;
}

int AcceptedSpellings(const QuizDocument* document, int question, int slot, const char* out[kMaxSpellings]) {
    const QuestionRecord* record = document->questionAt(question - 1);
    out[0] = !record ? "" : slot == 2 ? record->answer2 : record->answer1;
    int count = 1;
    const ExtraSpellings* extra = document->extraSpellings;
    if (extra && question >= 1 && question <= kMaxQuestions && (slot == 1 || slot == 2)) {
        for (int i = 0; i < extra->count[question - 1][slot - 1]; ++i)
            out[count++] = extra->spelling[question - 1][slot - 1][i];
    }
    return count;
}

void PlaceOfField(const QuizDocument* document, int field, int* question, int* slot) {
    const bool two = AnswersPerQuestionOf(document) == 2;
    *question = two ? (field + 1) / 2 : field;
    *slot = two && field % 2 == 0 ? 2 : 1;
}

const char* FieldVerdict(const QuizDocument* document, int field, const char* typed) {
    int question = 0, slot = 0;
    PlaceOfField(document, field, &question, &slot);
    const char* spellings[kMaxSpellings];
    const int count = AcceptedSpellings(document, question, slot, spellings);
    return DecideVerdictAmong(spellings, count, typed);
}

bool SlotIsRight(const QuizDocument* document, int question, int slot, const char* typed) {
    const char* spellings[kMaxSpellings];
    const int count = AcceptedSpellings(document, question, slot, spellings);
    return IsRightAmong(spellings, count, typed);
}
