// The judge on real controls: verdict labels, found questions, every reveal mode, reward pictures, the
// full reveal and the score, with one and two answers per question.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "judging/answer_judge.h"
#include "judging/verdict.h"
#include "quizdata/user_message.h"
#include "tests/judging/test_quiz_panel.h"

namespace {

// 10401 holds a 4 x 2 picture: fitted into the 300 x 300 box it becomes 300 x 150.
constexpr LONG kRewardWidth = 300;
constexpr LONG kRewardHeight = 150;

void RecordMessage(const char*, const char*, unsigned) {}

class JudgeAnswerTest : public testing::Test {
  protected:
    void SetUp() override { userMessageHook = RecordMessage; } // a real box would block the run
    void TearDown() override { userMessageHook = nullptr; }
};

bool HoldsReward(const TestQuizPanel& quiz, int question) {
    const SIZE size = BitmapSize(quiz.FramePicture(question));
    return size.cx == kRewardWidth && size.cy == kRewardHeight;
}

TEST_F(JudgeAnswerTest, ShowsEachVerdictInTheFieldsLabel) {
    const struct {
        const char* accepted;
        const char* typed;
        const char* verdict;
    } cases[] = {
        {"Paris", "paris ", kVerdictRight},
        {"Rome", "   ", kVerdictEmpty},
        {"CHARLEMAGNE", "charlemange", kVerdictAnagram},
        {"La Revolution francaise", "la revolusion fransaize", kVerdictSomeIdea}, // an accented verdict
        {"Napoleon", "napoleon bonaparte", kVerdictTooLong},
        {"oui", "ouii", kVerdictWrong},
    };
    for (const auto& c : cases) {
        TestQuizPanel quiz({1, 0, {{c.accepted, ""}}});
        quiz.Answer(1, c.typed);
        EXPECT_EQ(quiz.Verdict(1), c.verdict) << c.accepted << " / " << c.typed;
    }
}

TEST_F(JudgeAnswerTest, JudgingAgainWithoutChangeDoesNothing) {
    TestQuizPanel quiz({1, 3, {{"Paris", ""}, {"Rome", ""}}});
    quiz.Answer(1, "paris");
    ASSERT_EQ(quiz.Verdict(1), kVerdictRight);
    ASSERT_TRUE(quiz.RevealShown(1));
    ASSERT_TRUE(HoldsReward(quiz, 1));
    const HBITMAP reward = quiz.FramePicture(1);

    // Enter pressed again: no new picture, no reveal, no score refresh.
    quiz.SetRevealShown(1, false);
    quiz.SetScoreLine("untouched");
    quiz.Judge(1);
    EXPECT_FALSE(quiz.RevealShown(1));
    EXPECT_EQ(quiz.FramePicture(1), reward);
    EXPECT_EQ(quiz.ScoreLine(), "untouched");

    // The same holds for a wrong verdict with accented letters: the label's text is compared exactly.
    quiz.Answer(2, "Rame de Paris, la belle");
    ASSERT_EQ(quiz.Verdict(2), kVerdictWrong);
    quiz.Answer(1, "parisienne du soir");
    ASSERT_EQ(quiz.Verdict(1), kVerdictClose);
    quiz.SetRevealShown(1, true);
    quiz.SetScoreLine("untouched");
    quiz.Judge(1);
    EXPECT_TRUE(quiz.RevealShown(1));
    EXPECT_EQ(quiz.ScoreLine(), "untouched");
}

TEST_F(JudgeAnswerTest, EachRevealModeShowsAndWithdrawsItsOwnParts) {
    const struct {
        int mode;
        bool labelExists;
        bool shownWhenFound;
        bool rewardWhenFound;
        bool shownAfterWrong; // the label was showing before the wrong answer
    } modes[] = {
        {0, false, false, false, false}, {1, false, false, true, false}, {2, true, true, false, false},
        {3, true, true, true, false},    {4, true, false, false, false}, {5, true, true, false, true},
        {6, true, false, false, false},
    };
    for (const auto& m : modes) {
        SCOPED_TRACE("reveal mode " + std::to_string(m.mode));
        TestQuizPanel quiz({1, m.mode, {{"Paris", ""}, {"Rome", ""}}});
        const HBITMAP placeholder = quiz.PlaceholderPicture(1);
        ASSERT_EQ(quiz.RevealExists(1), m.labelExists);

        quiz.Answer(1, "PARIS");
        EXPECT_EQ(quiz.document.questionAt(0)->solved, 1);
        EXPECT_EQ(quiz.RevealShown(1), m.shownWhenFound);
        EXPECT_EQ(HoldsReward(quiz, 1), m.rewardWhenFound);
        // A replaced placeholder is destroyed; a kept one stays in the frame.
        EXPECT_EQ(GetObjectType(placeholder) == OBJ_BITMAP, !m.rewardWhenFound);

        if (m.labelExists) quiz.SetRevealShown(1, true);
        quiz.Answer(1, "Lyon");
        EXPECT_EQ(quiz.RevealShown(1), m.shownAfterWrong);
        EXPECT_EQ(HoldsReward(quiz, 1), m.rewardWhenFound); // a reward once shown stays
        EXPECT_EQ(quiz.document.questionAt(0)->solved, 1);  // and so does `solved`
        EXPECT_EQ(quiz.document.allRevealed, 0);
    }
}

TEST_F(JudgeAnswerTest, MissingRewardPictureKeepsTheFramesPicture) {
    TestQuizPanel quiz({1, 1, {{"Paris", ""}, {"Rome", ""}}}); // no resource 10402
    quiz.Answer(2, "rome");
    EXPECT_EQ(quiz.document.questionAt(1)->solved, 1);
    EXPECT_EQ(quiz.FramePicture(2), quiz.PlaceholderPicture(2));
    EXPECT_EQ(GetObjectType(quiz.PlaceholderPicture(2)), static_cast<DWORD>(OBJ_BITMAP));
}

TEST_F(JudgeAnswerTest, TwoAnswerQuestionIsFoundWhenBothFieldsAreRight) {
    TestQuizPanel quiz({2, 2, {{"Paris", "France"}, {"Rome", "-"}}});
    quiz.document.scoreMessages[0][0] = 'U';
    std::strcpy(quiz.document.scoreMessages[1], "DEUX");

    quiz.Answer(1, "paris");
    EXPECT_EQ(quiz.Verdict(1), kVerdictRight);
    EXPECT_EQ(quiz.document.questionAt(0)->solved, 0);
    EXPECT_FALSE(quiz.RevealShown(1));
    EXPECT_EQ(quiz.ScoreLine(), " 0 / 2");

    quiz.Answer(2, "france ");
    EXPECT_EQ(quiz.Verdict(2), kVerdictRight);
    EXPECT_EQ(quiz.document.questionAt(0)->solved, 1);
    EXPECT_TRUE(quiz.RevealShown(1));
    EXPECT_EQ(quiz.ScoreLine(), " 1 / 2");
    EXPECT_EQ(quiz.ScoreCode(), "U");

    // The hidden second field of a "-" answer is right at once; its first field then finds the question.
    quiz.Answer(4, "-");
    EXPECT_EQ(quiz.Verdict(4), kVerdictRight);
    EXPECT_EQ(quiz.document.questionAt(1)->solved, 0);
    quiz.Answer(3, "ROME");
    EXPECT_EQ(quiz.document.questionAt(1)->solved, 1);
    EXPECT_TRUE(quiz.RevealShown(2));
    EXPECT_EQ(quiz.ScoreLine(), " 2 / 2");
    EXPECT_EQ(quiz.ScoreCode(), "DEUX");
}

TEST_F(JudgeAnswerTest, FoundQuestionIsDecidedByTheFieldsTextsNotTheirLabels) {
    {
        TestQuizPanel quiz({2, 2, {{"Paris", "France"}}});
        quiz.Type(2, "Espagne");
        quiz.SetVerdict(2, kVerdictRight); // a stale label must not make the question found
        quiz.Answer(1, "paris");
        EXPECT_EQ(quiz.document.questionAt(0)->solved, 0);
        EXPECT_FALSE(quiz.RevealShown(1));
    }
    {
        TestQuizPanel quiz({2, 2, {{"Paris", "France"}}});
        quiz.Type(2, "  france"); // right, though not judged yet
        quiz.Answer(1, "paris");
        EXPECT_EQ(quiz.document.questionAt(0)->solved, 1);
        EXPECT_TRUE(quiz.RevealShown(1));
    }
    {
        // An empty accepted answer is never right, in its own field or when the question is re-read.
        TestQuizPanel quiz({2, 2, {{"Paris", ""}}});
        quiz.Answer(1, "paris");
        EXPECT_EQ(quiz.document.questionAt(0)->solved, 0);
    }
}

TEST_F(JudgeAnswerTest, FullRevealWaitsForEveryFieldAndWithdrawsOneQuestion) {
    TestQuizPanel quiz({1, 4, {{"Paris", ""}, {"Rome", ""}}});
    quiz.Answer(1, "paris");
    EXPECT_FALSE(quiz.RevealShown(1));
    EXPECT_EQ(quiz.document.allRevealed, 0);

    quiz.Answer(2, "rome");
    EXPECT_TRUE(quiz.RevealShown(1));
    EXPECT_TRUE(quiz.RevealShown(2));
    EXPECT_EQ(quiz.document.allRevealed, 1);

    quiz.Answer(1, "Lyon");
    EXPECT_FALSE(quiz.RevealShown(1));
    EXPECT_TRUE(quiz.RevealShown(2));
    EXPECT_EQ(quiz.document.allRevealed, 0);

    quiz.Answer(1, "Paris");
    EXPECT_TRUE(quiz.RevealShown(1));
    EXPECT_EQ(quiz.document.allRevealed, 1);
}

TEST_F(JudgeAnswerTest, FullRevealCountsLabelsNotBuiltYetAsNotRight) {
    TestQuizPanel quiz({1, 4, {{"Paris", ""}, {"Rome", ""}}, 1}); // question 2 not built yet
    quiz.Answer(1, "paris");
    EXPECT_EQ(quiz.Verdict(1), kVerdictRight);
    EXPECT_FALSE(quiz.RevealShown(1));
    EXPECT_EQ(quiz.document.allRevealed, 0);
    EXPECT_EQ(quiz.ScoreLine(), " 1 / 2");
}

TEST_F(JudgeAnswerTest, ScoreFollowsEveryChangedVerdict) {
    TestQuizPanel quiz({1, 0, {{"Paris", ""}, {"Rome", ""}}});
    std::strcpy(quiz.document.scoreMessages[0], "UN");
    std::strcpy(quiz.document.scoreMessages[1], "DEUX");
    const struct {
        int field;
        const char* typed;
        const char* line;
        const char* code;
    } steps[] = {
        {1, "paris", " 1 / 2", "UN"}, {2, "rome", " 2 / 2", "DEUX"}, {1, "Lyon", " 1 / 2", "UN"},
        {2, "", " 0 / 2", "      "},  {1, "paris", " 1 / 2", "UN"},
    };
    for (const auto& step : steps) {
        quiz.Answer(step.field, step.typed);
        EXPECT_EQ(quiz.ScoreLine(), step.line) << "after \"" << step.typed << "\"";
        EXPECT_EQ(quiz.ScoreCode(), step.code) << "after \"" << step.typed << "\"";
    }
}

TEST_F(JudgeAnswerTest, FieldIdsOutsideTheQuizChangeNothing) {
    TestQuizPanel quiz({1, 2, {{"Paris", ""}, {"Rome", ""}}});
    quiz.SetScoreLine("untouched");
    for (int field : {0, -5, 3, 1000})
        JudgeAnswer(&quiz.document, quiz.panel, 4000 + field);
    JudgeAnswer(nullptr, quiz.panel, 4001);
    EXPECT_EQ(quiz.ScoreLine(), "untouched");
    EXPECT_EQ(quiz.Verdict(1), "?");
}

// A thread with a stack far below the 270 KB of the distance table judges a whole quiz of long answers.
// Wine gives every thread at least 1 MB whatever is asked, so the depth the judge reaches is measured
// too: the stack below is painted first, and the deepest byte the judge changed tells.
constexpr size_t kPaintedStack = 512 * 1024;
constexpr unsigned char kPaint = 0x5A;

// The frame is probed page by page on entry, so every painted page is committed.
__attribute__((noinline)) uintptr_t PaintStackBelow() {
    volatile unsigned char area[kPaintedStack];
    for (size_t i = 0; i < kPaintedStack; ++i)
        area[i] = kPaint;
    return reinterpret_cast<uintptr_t>(&area[0]);
}

size_t UnpaintedDepth(uintptr_t paintedBottom, uintptr_t top) {
    auto* byte = reinterpret_cast<volatile const unsigned char*>(paintedBottom);
    size_t offset = 0;
    while (offset < kPaintedStack && byte[offset] == kPaint)
        ++offset;
    return top - (paintedBottom + offset);
}

struct SmallStackRun {
    std::string verdicts[3];
    int32_t solved = 0;
    size_t judgeDepth = 0;
};

DWORD WINAPI JudgeLongAnswers(void* argument) {
    auto* run = static_cast<SmallStackRun*>(argument);
    const std::string accepted(kTextSize - 1, 'A');
    const std::string nearly = std::string(54, 'A') + "B";
    auto quiz = std::make_unique<TestQuizPanel>(
        TestQuizSpec{1, 2, {{accepted.c_str(), ""}, {"La Revolution francaise", ""}, {"Paris", ""}}});
    quiz->Type(1, nearly.c_str());
    quiz->Type(2, "la revolusion fransaize");
    quiz->Type(3, "paris");

    volatile char top = 0;
    const uintptr_t paintedBottom = PaintStackBelow();
    for (int field = 1; field <= 3; ++field)
        quiz->Judge(field);
    run->judgeDepth = UnpaintedDepth(paintedBottom, reinterpret_cast<uintptr_t>(&top));

    for (int field = 1; field <= 3; ++field)
        run->verdicts[field - 1] = quiz->Verdict(field);
    run->solved = quiz->document.questionAt(2)->solved;
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
    EXPECT_EQ(run.verdicts[1], kVerdictSomeIdea);
    EXPECT_EQ(run.verdicts[2], kVerdictRight);
    EXPECT_EQ(run.solved, 1);
    EXPECT_LT(run.judgeDepth, 64u * 1024u) << "bytes of stack the judge used";
}

} // namespace
