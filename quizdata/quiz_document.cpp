#include "quizdata/quiz_document.h"

#include <cstdlib>
#include <cstring>

#include "quizdata/extra_spellings.h"
#include "quizdata/gdi_port.h"

namespace {

void CopyText(char* destination, const char* source) {
    std::strncpy(destination, source ? source : "", kTextSize - 1);
    destination[kTextSize - 1] = '\0';
}

} // namespace

QuizDocument::QuizDocument() {
    // Every field not set below starts as zero, empty text or no handle.
    std::memset(static_cast<void*>(this), 0, sizeof *this);
    firstQuestion = nullptr;
    lastQuestion = nullptr;
    scoreFont = PortCreateFont({25, 400, false, false, "Arial"});
    titleFont = PortCreateFont({-15, 700, true, false, ""});
    quizKind = kQuizText;
    CopyText(title, "nom du jorvo");
    CopyText(author, " createur");
    backgroundColour[0] = 90;  // red
    backgroundColour[1] = 150; // blue
    backgroundColour[2] = 95;  // green
    backgroundBrush = PortCreateSolidBrush(MakeRgb(90, 95, 150));
    revealMode = 0;
    questionCount = 2;
    answersPerQuestion = 1;
    allRevealed = 0;
    wrongBrush = PortCreateSolidBrush(MakeRgb(255, 0, 0));
    anagramBrush = PortCreateSolidBrush(MakeRgb(255, 100, 0));
    hintBrush = PortCreateSolidBrush(MakeRgb(255, 203, 38));
    questionBrush = PortCreateSolidBrush(MakeRgb(255, 255, 192));
    mediaDirectory[0] = '\0';
}

QuizDocument::~QuizDocument() {
    PortDeleteObject(backgroundBrush);
    PortDeleteObject(wrongBrush);
    PortDeleteObject(anagramBrush);
    PortDeleteObject(hintBrush);
    PortDeleteObject(questionBrush);
    PortDeleteObject(titleFont);
    PortDeleteObject(answerFont);
    PortDeleteObject(scoreFont);
    QuestionRecord* record = firstQuestion;
    while (record) {
        QuestionRecord* next = record->next;
        std::free(record);
        record = next;
    }
    firstQuestion = nullptr;
    lastQuestion = nullptr;
    FreeExtraSpellings(extraSpellings);
    extraSpellings = nullptr;
}

void QuizDocument::addQuestion(const char* answer1Text, const char* answer2Text, const char* question) {
    auto* record = static_cast<QuestionRecord*>(std::calloc(1, sizeof(QuestionRecord)));
    if (!record) return; // the list stays shorter; questionAt answers the last record instead
    CopyText(record->answer1, answer1Text);
    CopyText(record->answer2, answer2Text);
    CopyText(record->questionText, question);
    record->prev = lastQuestion;
    if (lastQuestion) lastQuestion->next = record;
    if (!firstQuestion) firstQuestion = record;
    lastQuestion = record;
}

QuestionRecord* QuizDocument::questionAt(int index) const {
    QuestionRecord* record = firstQuestion;
    for (int i = 0; record && i < index && record->next; ++i)
        record = record->next;
    return record;
}
