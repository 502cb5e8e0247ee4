// The score line and score code, counted from the verdict labels as they stand.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "judging/score_line.h"
#include "judging/verdict.h"
#include "tests/judging/test_quiz_panel.h"

namespace {

TEST(RefreshScore, CountsQuestionsWhoseLabelsAllReadBravo) {
    const char* const B = kVerdictRight;
    const struct {
        const char* name;
        int answersPerQuestion;
        int questions;
        int built; // questions whose labels exist
        std::vector<const char*> labels;
        const char* line;
        const char* code;
    } cases[] = {
        {"no right answer", 1, 10, 10, {"FAUX", "?", "Presque"}, " 0 / 10", "      "},
        {"one of two fields right counts nothing", 2, 3, 3, {B, "FAUX", B, B, "?", B}, " 1 / 3", "code 1"},
        {"every question found", 1, 3, 3, {B, B, B}, " 3 / 3", "code 3"},
        {"lower case is not the verdict", 1, 2, 2, {"bravo", B}, " 1 / 2", "code 1"},
        {"labels not built yet are not right", 1, 3, 1, {B}, " 1 / 3", "code 1"},
        {"two answers, labels not built yet", 2, 2, 1, {B, B}, " 1 / 2", "code 1"},
        {"an empty quiz", 1, 0, 0, {}, " 0 / 0", "      "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestQuizSpec spec{c.answersPerQuestion, 0, {}, c.built};
        for (int q = 0; q < c.questions; ++q)
            spec.questions.push_back({"Paris", "France"});
        TestQuizPanel quiz(spec);
        for (int k = 0; k < kMaxQuestions; ++k)
            std::snprintf(quiz.document.scoreMessages[k], kTextSize, "code %d", k + 1);
        SetDlgItemTextA(quiz.header, kScoreCodeId, "previous code");
        for (size_t field = 1; field <= c.labels.size(); ++field)
            quiz.SetVerdict(static_cast<int>(field), c.labels[field - 1]);

        RefreshScore(&quiz.document, quiz.panel);
        EXPECT_EQ(quiz.ScoreLine(), c.line);
        EXPECT_EQ(quiz.ScoreCode(), c.code);
    }
}

TEST(RefreshScore, WithoutHeaderPanelTouchesNothing) {
    TestQuizPanel quiz({1, 0, {{"Paris", ""}}});
    quiz.SetVerdict(1, kVerdictRight);
    quiz.SetScoreLine("untouched");
    quiz.document.headerPanel = nullptr;
    RefreshScore(&quiz.document, quiz.panel);
    EXPECT_EQ(quiz.ScoreLine(), "untouched");
    quiz.document.headerPanel = quiz.header;
    RefreshScore(&quiz.document, quiz.panel);
    EXPECT_EQ(quiz.ScoreLine(), " 1 / 1");
}

} // namespace
