#include "judging/score_line.h"

#include "header/header_ids.h"
#include "questionpanel/panel_controls.h"
#include "questionpanel/panel_scroll.h"

namespace {

// What the code field shows before the first question is found.
constexpr char kNoScoreCode[] = "      ";

bool refreshHeld = false;
bool refreshPending = false;

} // namespace

void HoldScoreRefresh() {
    refreshHeld = true;
    refreshPending = false;
}

void ReleaseScoreRefresh(QuizDocument* document, HWND panel) {
    const bool pending = refreshPending;
    refreshHeld = false;
    refreshPending = false;
    if (pending) RefreshScore(document, panel);
}

void RefreshScore(QuizDocument* document, HWND panel) {
    if (!document) return;
    if (refreshHeld) {
        refreshPending = true;
        return;
    }
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
        SetDlgItemTextA(header, kScoreLabelId, line);
        SetDlgItemTextA(header, kCodeFieldId, score == 0 ? kNoScoreCode : document->scoreMessages[score - 1]);
    }

    // With "Cacher" ticked, a question found by this verdict closes up at once.
    CollapseFoundQuestions(document);
}
