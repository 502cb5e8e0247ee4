#include "quizdata/quiz_loader_win32.h"

#include "quizdata/builtin_block.h"

void LoadQuiz(QuizDocument* document) {
    LoadQuizFromModule(document, nullptr, kBuiltInBlock, kBuiltInBlockSize);
}
