// A damaged quiz program (pictures cut short, bytes that are no picture, a PNG whose image data fails
// half-way, damaged reward pictures): the real question panel builds with the picture missing, says
// so only for the PNG, and goes on judging. Resources in damaged.rc.
#include <windows.h>

#include <gtest/gtest.h>

#include "judging/answer_judge.h"
#include "judging/verdict.h"
#include "media/picture_loader.h"
#include "questionpanel/panel_ids.h"
#include "shell/shell_state.h"
#include "tests/pictures/picture_test_support.h"
#include "tests/questionpanel/panel_fixture.h"

namespace {

constexpr const char* kPngMessage = "Error: couldn't decode PNG resource";

class DamagedPicturesTest : public PanelTest {};

// A whole picture is 300 x 150 in its frame, a missing one leaves a 300 x 0 frame. A small BMP cut after
// its headers is the system loader's to judge: Wine draws it with the pixels it lacks, Windows may refuse.
enum Outcome { kMissing, kShown, kLoaderDecides };
const struct {
    const char* what;
    int question;
    Outcome outcome;
} kQuestions[] = {
    {"a 4 x 2 BMP cut after its headers", 1, kLoaderDecides},
    {"bytes that are no picture", 2, kMissing},
    {"a PNG whose image data fails half-way", 3, kMissing},
    {"a BMP cut to one byte", 4, kMissing},
    {"a whole BMP", 5, kShown},
    {"a whole BMP", 6, kShown},
    {"a 3000 x 3000 BMP cut after its headers", 7, kMissing},
};

SIZE FrameSize(HWND panel, int question) {
    RECT rect{};
    GetWindowRect(GetDlgItem(panel, kPictureFrameBase + question), &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

TEST_F(DamagedPicturesTest, LoaderAnswersNoBitmapForEachDamagedPicture) {
    for (const auto& q : kQuestions) {
        SCOPED_TRACE(q.what);
        MessageRecorder recorder;
        HBITMAP bitmap = LoadPictureResource(GetModuleHandleA(nullptr), 400 + q.question, "IMG", 300, 300);
        if (q.outcome != kLoaderDecides) {
            EXPECT_EQ(bitmap != nullptr, q.outcome == kShown);
        }
        if (bitmap) DeleteObject(bitmap);
        ASSERT_EQ(recorder.Messages().size(), q.question == 3 ? 1u : 0u);
        if (q.question == 3) {
            EXPECT_EQ(recorder.Messages()[0].text, kPngMessage);
        }
    }
    EXPECT_EQ(LoadPictureResource(GetModuleHandleA(nullptr), 10406, "IMG", 300, 300), nullptr);
}

TEST_F(DamagedPicturesTest, PanelBuildsWithMissingPicturesAndKeepsThemThroughDamagedRewards) {
    MessageRecorder recorder;
    Build(kQuizPictures, 1, 3, {{"Paris"}, {"Rome"}, {"Oslo"}, {"Lima"}, {"Quito"}, {"Bogota"}, {"Sucre"}});
    ASSERT_NE(panel, nullptr);
    ASSERT_EQ(recorder.Messages().size(), 1u) << "only the PNG's failure is reported";
    EXPECT_EQ(recorder.Messages()[0].text, kPngMessage);
    for (const auto& q : kQuestions) {
        SCOPED_TRACE(q.what);
        const HWND frame = Item(kPictureFrameBase + q.question);
        ASSERT_NE(frame, nullptr);
        const bool holds = SendMessageA(frame, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0;
        if (q.outcome != kLoaderDecides) {
            EXPECT_EQ(holds, q.outcome == kShown);
        }
        const SIZE size = FrameSize(panel, q.question);
        EXPECT_EQ(size.cx, 300);
        EXPECT_EQ(size.cy, holds ? 150 : 0) << "the frame is as tall as what it holds";
    }

    // Found questions whose reward is missing or damaged keep what their frame holds.
    const HBITMAP shown =
        reinterpret_cast<HBITMAP>(SendMessageA(Item(kPictureFrameBase + 6), STM_GETIMAGE, IMAGE_BITMAP, 0));
    const char* answers[] = {"Paris", "Rome", "Oslo", "Lima", "Quito", "Bogota", "Sucre"};
    for (int question = 1; question <= 7; ++question) {
        SetDlgItemTextA(panel, 4000 + question, answers[question - 1]);
        JudgeAnswer(quizDocument, panel, 4000 + question);
        EXPECT_EQ(Text(5000 + question), kVerdictRight) << question;
    }
    EXPECT_EQ(
        reinterpret_cast<HBITMAP>(SendMessageA(Item(kPictureFrameBase + 6), STM_GETIMAGE, IMAGE_BITMAP, 0)),
        shown);
    EXPECT_TRUE(BitmapExists(shown));
    EXPECT_EQ(FrameSize(panel, 3).cy, 0);
}

// A question restored found shows its reward, so its picture is sized from its header and never decoded:
// the same failing PNG as question 3 is reported for question 3 only.
TEST_F(DamagedPicturesTest, PictureUnderARestoredRewardIsNeverDecoded) {
    WriteAnswersFile("\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nCusco\r\n");
    MessageRecorder recorder;
    Build(kQuizPictures, 1, 1,
          {{"Paris"},
           {"Rome"},
           {"Oslo"},
           {"Lima"},
           {"Quito"},
           {"Bogota"},
           {"Sucre"},
           {"Tunja"},
           {"Cali"},
           {"Cusco"}});
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(Text(5010), kVerdictRight);
    ASSERT_EQ(recorder.Messages().size(), 1u);
    EXPECT_EQ(recorder.Messages()[0].text, kPngMessage);
    const SIZE reward = BitmapSize(
        reinterpret_cast<HBITMAP>(SendMessageA(Item(kPictureFrameBase + 10), STM_GETIMAGE, IMAGE_BITMAP, 0)));
    EXPECT_EQ(reward.cx * 1000 + reward.cy, 300 * 1000 + 75) << "the 8 x 2 reward, fitted";
    DestroyPanel();
    DeleteFileA(OwnAnswersFile().c_str());
}

} // namespace
