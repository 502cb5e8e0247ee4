#include "judging/panel_texts.h"

#include <cstring>

#include "judging/verdict.h"

int AnswersPerQuestionOf(const QuizDocument* document) {
    return document->answersPerQuestion == 2 ? 2 : 1;
}

int QuestionCountOf(const QuizDocument* document) {
    if (document->questionCount < 0) return 0;
    return document->questionCount > kMaxQuestions ? kMaxQuestions : document->questionCount;
}

void ReadControlText(HWND panel, int id, char* text, int limit) {
    text[0] = '\0';
    HWND control = GetDlgItem(panel, id);
    if (control) GetWindowTextA(control, text, limit);
}

bool VerdictLabelIsRight(HWND panel, int field) {
    char text[kTextSize];
    ReadControlText(panel, kVerdictLabelBase + field, text, kVerdictReadLimit);
    return std::strcmp(text, kVerdictRight) == 0;
}
