#include "questionpanel/restored_answers.h"

#include <cstring>

#include "judging/field_judging.h"

void SettleDeclaredShape(QuizDocument* document) {
    if (document->quizKind == kQuizText) document->answersPerQuestion = 1;
    if (document->quizKind < kQuizText || document->quizKind > kQuizVideo) document->questionCount = 0;
}

bool HasOneAnswer(const QuestionRecord* record) {
    return record && std::strcmp(record->answer2, "-") == 0;
}

void RestoreAnswers(const QuizDocument* document, const char* bytes, int32_t size,
                    RestoredAnswers* restored) {
    const int perQuestion = AnswersPerQuestionOf(document);
    const int questions = QuestionCountOf(document);
    restored->fieldCount = questions * perQuestion;
    int32_t position = 0;
    for (int field = 1; field <= restored->fieldCount; ++field) {
        char* text = restored->text[field - 1];
        text[0] = '\0';
        if (bytes) ReadLine(bytes, size, &position, text);
        int question = 0, slot = 0;
        PlaceOfField(document, field, &question, &slot);
        if (slot == 2 && HasOneAnswer(document->questionAt(question - 1))) std::strcpy(text, "-");
    }
}
