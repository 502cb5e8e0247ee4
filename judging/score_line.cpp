#include "judging/score_line.h"

#include "judging/panel_texts.h"

namespace {

// What the code field shows before the first question is found.
constexpr char kNoScoreCode[] = "      ";

} // namespace

void RefreshScore(QuizDocument* document, HWND panel) {
    if (!document) return;
    const int perQuestion = AnswersPerQuestionOf(document);
    const int questions = QuestionCountOf(document);
    int score = 0;
    for (int question = 1; question <= questions; ++question) {
        int right = 0;
        for (int slot = 1; slot <= perQuestion; ++slot)
            if (VerdictLabelIsRight(panel, (question - 1) * perQuestion + slot)) ++right;
        if (right == perQuestion) ++score;
    }

    HWND header = document->headerPanel;
    if (header) {
        char line[32];
        wsprintfA(line, " %d / %d", score, questions);
        SetDlgItemTextA(header, kScoreLineId, line);
        SetDlgItemTextA(header, kScoreCodeId, score == 0 ? kNoScoreCode : document->scoreMessages[score - 1]);
    }

    // Next, the question panel closes up the questions found when "Cacher" is ticked:
    // CollapseFoundQuestions (document) is called here once the scrolling code provides it.
}
