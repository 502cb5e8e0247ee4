// The score line and score code, counted from the verdict labels as they stand.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <vector>

#include "header/header_ids.h"
#include "judging/score_line.h"
#include "judging/verdict.h"
#include "questionpanel/panel_ids.h"
#include "tests/judging/test_quiz_panel.h"

namespace {

TEST(RefreshScore, CountsQuestionsWhoseLabelsAllReadBravo) {
    const char* const B = kVerdictRight;
    const struct {
        int perQuestion, questions, built; // built: questions whose labels exist
        std::vector<const char*> labels;
        const char *line, *code;
    } cases[] = {
        {1, 10, 10, {"FAUX", "?", "Presque"}, " 0 / 10", "      "},
        {2, 3, 3, {B, "FAUX", B, B, "?", B}, " 1 / 3", "code 1"}, // one field of two counts nothing
        {1, 3, 3, {B, B, B}, " 3 / 3", "code 3"},
        {1, 2, 2, {"bravo", B}, " 1 / 2", "code 1"},
        {1, 3, 1, {B}, " 1 / 3", "code 1"}, // labels not built yet are not right
        {1, 0, 0, {}, " 0 / 0", "      "},
    };
    for (const auto& c : cases) {
        TestQuizPanel quiz(
            {c.perQuestion, 0, std::vector<std::vector<const char*>>(c.questions, {"a", "b"}), c.built});
        for (int k = 0; k < kMaxQuestions; ++k)
            std::snprintf(quiz.document.scoreMessages[k], kTextSize, "code %d", k + 1);
        SetDlgItemTextA(quiz.header, kCodeFieldId, "previous code");
        for (int n = 1; n <= static_cast<int>(c.labels.size()); ++n)
            SetDlgItemTextA(quiz.panel, kVerdictLabelBase + n, c.labels[n - 1]);
        RefreshScore(&quiz.document, quiz.panel);
        EXPECT_EQ(quiz.ScoreLine(), c.line) << c.line;
        EXPECT_EQ(quiz.ScoreCode(), c.code) << c.line;
    }
    // Without a header panel nothing is written, and nothing breaks.
    TestQuizPanel quiz({1, 0, {{"a"}}});
    SetDlgItemTextA(quiz.panel, kVerdictLabelBase + 1, B);
    quiz.document.headerPanel = nullptr;
    RefreshScore(&quiz.document, quiz.panel);
    EXPECT_EQ(quiz.ScoreLine(), " 0 / 0");
}

TEST(RefreshScore, HeldWhileTheBlocksAreBuiltThenMadeOnceOnlyIfAVerdictChanged) {
    TestQuizPanel quiz({1, 0, {{"a"}, {"b"}}});
    SetDlgItemTextA(quiz.header, kCodeFieldId, "");
    HoldScoreRefresh();
    ReleaseScoreRefresh(&quiz.document, quiz.panel); // nothing judged: the header stays as it was made
    EXPECT_EQ(quiz.ScoreCode(), "");

    HoldScoreRefresh();
    SetDlgItemTextA(quiz.panel, kVerdictLabelBase + 2, kVerdictRight);
    RefreshScore(&quiz.document, quiz.panel);
    EXPECT_EQ(quiz.ScoreCode(), "") << "held: not written yet";
    ReleaseScoreRefresh(&quiz.document, quiz.panel);
    EXPECT_EQ(quiz.ScoreLine(), " 1 / 2");
    RefreshScore(&quiz.document, quiz.panel); // released: refreshes at once again
    SetDlgItemTextA(quiz.panel, kVerdictLabelBase + 1, kVerdictRight);
    RefreshScore(&quiz.document, quiz.panel);
    EXPECT_EQ(quiz.ScoreLine(), " 2 / 2");
}

} // namespace
