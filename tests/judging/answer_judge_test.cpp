// The judge on real controls: verdict labels, found questions, every reveal mode, reward pictures, the
// full reveal and the score, with one and two answers per question.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "header/header_ids.h"
#include "judging/answer_judge.h"
#include "judging/verdict.h"
#include "questionpanel/panel_ids.h"
#include "quizdata/user_message.h"
#include "tests/judging/test_quiz_panel.h"

namespace {

class JudgeAnswerTest : public testing::Test {
  protected:
    // A real message box would block the run.
    void SetUp() override {
        userMessageHook = [](const char*, const char*, unsigned) {};
    }
    void TearDown() override { userMessageHook = nullptr; }
};

// Resource 10401 is a 4 x 2 picture: fitted into the 300 x 300 box it is 300 x 150.
bool HoldsReward(const TestQuizPanel& quiz, int question) {
    const SIZE size = BitmapSize(quiz.FramePicture(question));
    return size.cx == 300 && size.cy == 150;
}

TEST_F(JudgeAnswerTest, JudgingAgainWithoutChangeDoesNothing) {
    TestQuizPanel quiz({1, 3, {{"Paris"}, {"La Revolution francaise"}}});
    quiz.Answer(1, "paris");
    ASSERT_TRUE(quiz.RevealShown(1) && HoldsReward(quiz, 1));
    const HBITMAP reward = quiz.FramePicture(1);
    quiz.ShowReveal(1, false);
    SetDlgItemTextA(quiz.header, kScoreLabelId, "untouched");
    quiz.Judge(1); // Enter again: no reveal, no new picture, no score
    EXPECT_FALSE(quiz.RevealShown(1));
    EXPECT_EQ(quiz.FramePicture(1), reward);
    EXPECT_EQ(quiz.ScoreLine(), "untouched");

    // The same for a hint with an accented letter: the label's text is compared exactly.
    quiz.Answer(2, "la revolusion fransaize");
    ASSERT_EQ(quiz.Verdict(2), kVerdictSomeIdea);
    quiz.ShowReveal(2, true);
    SetDlgItemTextA(quiz.header, kScoreLabelId, "untouched");
    quiz.Judge(2);
    EXPECT_TRUE(quiz.RevealShown(2));
    EXPECT_EQ(quiz.ScoreLine(), "untouched");
}

TEST_F(JudgeAnswerTest, EachRevealModeShowsAndWithdrawsItsOwnParts) {
    const struct {
        int mode;
        bool shownWhenFound, rewardWhenFound, shownAfterWrong; // the label was showing before
    } modes[] = {{0, false, false, false}, {1, false, true, false},  {2, true, false, false},
                 {3, true, true, false},   {4, false, false, false}, {5, true, false, true},
                 {6, false, false, false}};
    for (const auto& m : modes) {
        SCOPED_TRACE("reveal mode " + std::to_string(m.mode));
        TestQuizPanel quiz({1, m.mode, {{"Paris"}, {"Rome"}}});
        quiz.Answer(1, "PARIS");
        EXPECT_EQ(quiz.document.questionAt(0)->solved, 1);
        EXPECT_EQ(quiz.RevealShown(1), m.shownWhenFound);
        EXPECT_EQ(HoldsReward(quiz, 1), m.rewardWhenFound);
        // The picture the reward replaces is destroyed; one that stays is kept alive.
        EXPECT_EQ(GetObjectType(quiz.placeholders[0]) == OBJ_BITMAP, !m.rewardWhenFound);

        quiz.ShowReveal(1, true);
        quiz.Answer(1, "Lyon");
        EXPECT_EQ(quiz.RevealShown(1), m.shownAfterWrong && m.mode > 1);
        EXPECT_EQ(HoldsReward(quiz, 1), m.rewardWhenFound); // a reward once shown stays
        EXPECT_EQ(quiz.document.questionAt(0)->solved, 1);  // and so does `solved`

        quiz.Answer(2, "rome"); // no resource 10402: the frame keeps its picture
        EXPECT_EQ(quiz.FramePicture(2), quiz.placeholders[1]);
    }
}

TEST_F(JudgeAnswerTest, QuestionIsFoundByItsFieldsTextsNotTheirLabels) {
    TestQuizPanel quiz({2, 2, {{"Paris", "France"}, {"Rome", "-"}, {"Oslo", "Norvege"}, {"Lima", ""}}});
    std::strcpy(quiz.document.scoreMessages[0], "UN");
    quiz.Answer(1, "paris");
    EXPECT_EQ(quiz.Verdict(1), kVerdictRight);
    EXPECT_FALSE(quiz.document.questionAt(0)->solved || quiz.RevealShown(1));
    quiz.Answer(2, "france ");
    EXPECT_TRUE(quiz.document.questionAt(0)->solved && quiz.RevealShown(1));
    EXPECT_EQ(quiz.ScoreLine(), " 1 / 4");
    EXPECT_EQ(quiz.ScoreCode(), "UN");

    // The hidden second field of a "-" answer reads "-" and is right: the first field finds the question.
    quiz.Answer(4, "-");
    quiz.Answer(3, "ROME");
    EXPECT_TRUE(quiz.document.questionAt(1)->solved && quiz.RevealShown(2));

    // A stale "BRAVO" does not make a question found; a right text not judged yet does.
    quiz.Type(6, "Suede");
    SetDlgItemTextA(quiz.panel, kVerdictLabelBase + 6, kVerdictRight);
    quiz.Answer(5, "oslo");
    EXPECT_FALSE(quiz.document.questionAt(2)->solved);
    quiz.Type(6, "norvege");
    SetDlgItemTextA(quiz.panel, kVerdictLabelBase + 5, "?");
    quiz.Judge(5);
    EXPECT_TRUE(quiz.document.questionAt(2)->solved);

    quiz.Answer(7, "lima"); // an empty accepted answer is never right, not even an empty field
    EXPECT_FALSE(quiz.document.questionAt(3)->solved);
}

TEST_F(JudgeAnswerTest, FullRevealWaitsForEveryFieldAndWithdrawsOneQuestion) {
    const struct {
        int field;
        const char* typed;
        bool shown1, shown2;
        int32_t allRevealed;
    } steps[] = {{1, "paris", false, false, 0},
                 {2, "rome", true, true, 1},
                 {1, "Lyon", false, true, 0},
                 {1, "Paris", true, true, 1}};
    TestQuizPanel quiz({1, 4, {{"Paris"}, {"Rome"}}});
    for (const auto& step : steps) {
        quiz.Answer(step.field, step.typed);
        EXPECT_EQ(quiz.RevealShown(1), step.shown1) << step.typed;
        EXPECT_EQ(quiz.RevealShown(2), step.shown2) << step.typed;
        EXPECT_EQ(quiz.document.allRevealed, step.allRevealed) << step.typed;
    }
    // While the panel is being built, labels not made yet count as not right.
    TestQuizPanel building({1, 4, {{"Paris"}, {"Rome"}}, 1});
    building.Answer(1, "paris");
    EXPECT_FALSE(building.RevealShown(1));
    EXPECT_EQ(building.ScoreLine(), " 1 / 2");
}

TEST_F(JudgeAnswerTest, ScoreFollowsEveryChangedVerdict) {
    TestQuizPanel quiz({1, 0, {{"Paris"}, {"Rome"}}});
    std::strcpy(quiz.document.scoreMessages[0], "UN");
    std::strcpy(quiz.document.scoreMessages[1], "DEUX");
    const char* steps[][4] = {{"1", "paris", " 1 / 2", "UN"},
                              {"2", "rome", " 2 / 2", "DEUX"},
                              {"1", "Lyon", " 1 / 2", "UN"},
                              {"2", "", " 0 / 2", "      "}};
    for (const auto& step : steps) {
        quiz.Answer(std::atoi(step[0]), step[1]);
        EXPECT_EQ(quiz.ScoreLine(), step[2]) << "after \"" << step[1] << "\"";
        EXPECT_EQ(quiz.ScoreCode(), step[3]) << "after \"" << step[1] << "\"";
    }
    SetDlgItemTextA(quiz.header, kScoreLabelId, "untouched");
    for (int field : {0, -5, 3})
        JudgeAnswer(&quiz.document, quiz.panel, kAnswerFieldBase + field); // not in quiz
    JudgeAnswer(nullptr, quiz.panel, kAnswerFieldBase + 1);
    EXPECT_EQ(quiz.ScoreLine(), "untouched");
}

// Wine gives every thread at least 1 MB whatever is asked, so the depth the judge reaches on the small
// thread is measured too: the stack below is painted first, and the deepest byte changed tells.
constexpr size_t kPaintedStack = 512 * 1024;

// The frame is probed page by page on entry, so every painted page is committed.
__attribute__((noinline)) uintptr_t PaintStackBelow() {
    volatile unsigned char area[kPaintedStack];
    for (size_t i = 0; i < kPaintedStack; ++i)
        area[i] = 0x5A;
    return reinterpret_cast<uintptr_t>(&area[0]);
}

struct SmallStackRun {
    std::string verdicts[2];
    size_t depth = 0;
};

DWORD WINAPI JudgeLongAnswers(void* argument) {
    auto* run = static_cast<SmallStackRun*>(argument);
    const std::string longest(kTextSize - 1, 'A');
    auto quiz = std::make_unique<TestQuizPanel>(TestQuizLayout{1, 2, {{longest.c_str()}, {"Paris"}}});
    quiz->Type(1, (std::string(54, 'A') + "B").c_str());
    quiz->Type(2, "paris");
    volatile char top = 0;
    const uintptr_t bottom = PaintStackBelow();
    quiz->Judge(1);
    quiz->Judge(2);
    size_t untouched = 0;
    while (untouched < kPaintedStack && reinterpret_cast<volatile unsigned char*>(bottom)[untouched] == 0x5A)
        ++untouched;
    run->depth = reinterpret_cast<uintptr_t>(&top) - (bottom + untouched);
    run->verdicts[0] = quiz->Verdict(1);
    run->verdicts[1] = quiz->Verdict(2);
    return 0;
}

TEST_F(JudgeAnswerTest, JudgesOnASmallStackThread) {
    SmallStackRun run;
    HANDLE thread =
        CreateThread(nullptr, 64 * 1024, JudgeLongAnswers, &run, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    ASSERT_NE(thread, nullptr);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    EXPECT_EQ(run.verdicts[0], kVerdictWrong);
    EXPECT_EQ(run.verdicts[1], kVerdictRight);
    EXPECT_LT(run.depth, 64u * 1024u) << "bytes of stack the judge used";
}

// The kept handles answer as GetDlgItem would, however the panel's controls come, go or change id.
TEST(FindPanelControl, AnswersAsGetDlgItemWhileControlsComeAndGo) {
    auto makeWindow = [](HWND parent, int id) {
        return CreateWindowExA(0, "Static", "", parent ? WS_CHILD : WS_POPUP, 0, 0, 10, 10, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    };
    HWND panelA = makeWindow(nullptr, 0);
    HWND panelB = makeWindow(nullptr, 0);
    HWND firstField = makeWindow(panelA, 4001);
    HWND firstRowLabel = makeWindow(panelA, 156);
    makeWindow(panelA, 156); // a second control with the same id: the first is the answer
    auto expectLikeGetDlgItem = [](HWND panel, int id, HWND expected, const char* when) {
        SCOPED_TRACE(when);
        EXPECT_EQ(GetDlgItem(panel, id), expected);
        EXPECT_EQ(FindPanelControl(panel, id), expected);
        EXPECT_EQ(FindPanelControl(panel, id), expected) << "asked again";
    };
    expectLikeGetDlgItem(panelA, 4001, firstField, "found once");
    expectLikeGetDlgItem(panelB, 4001, nullptr, "the same id in a panel without it");
    HWND otherField = makeWindow(panelB, 4001);
    expectLikeGetDlgItem(panelB, 4001, otherField, "created after a miss");
    expectLikeGetDlgItem(panelA, 4001, firstField, "the first panel's own");
    DestroyWindow(firstField);
    expectLikeGetDlgItem(panelA, 4001, nullptr, "destroyed");
    HWND secondField = makeWindow(panelA, 4001);
    expectLikeGetDlgItem(panelA, 4001, secondField, "created again");
    SetWindowLongPtrA(secondField, GWLP_ID, 4002);
    expectLikeGetDlgItem(panelA, 4001, nullptr, "its id changed");
    expectLikeGetDlgItem(panelA, 4002, secondField, "under its new id");
    expectLikeGetDlgItem(panelA, 156, firstRowLabel, "an id shared by two controls");
    // Kept as the build keeps them, at creation: of two controls with one id, the first stays the answer.
    HWND firstNumber = makeWindow(panelA, 2000);
    KeepPanelControl(panelA, 2000, firstNumber);
    HWND secondNumber = makeWindow(panelA, 2000);
    KeepPanelControl(panelA, 2000, secondNumber);
    expectLikeGetDlgItem(panelA, 2000, firstNumber, "kept at creation, id shared");
    DestroyWindow(firstNumber);
    expectLikeGetDlgItem(panelA, 2000, secondNumber, "the first one kept destroyed");
    KeepPanelControl(panelB, 2000, makeWindow(panelB, 2000));
    expectLikeGetDlgItem(panelA, 2000, secondNumber, "another panel kept the same id");
    // While a panel is built its controls are found as kept; once built, unkept ones by a search again.
    BeginPanelBuild(panelB);
    HWND builtField = makeWindow(panelB, 4003);
    KeepPanelControl(panelB, 4003, builtField);
    EXPECT_EQ(FindPanelControl(panelB, 4003), builtField) << "created during the build";
    EndPanelBuild();
    HWND laterField = makeWindow(panelB, 4004);
    expectLikeGetDlgItem(panelB, 4004, laterField, "created unkept after the build");
    DestroyWindow(panelA);
    DestroyWindow(panelB);
}

} // namespace
