// The panel's colours: each verdict's box, the labels on the quiz's background (white on dark only),
// the question texts and the panel itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "panel_fixture.h"
#include "questionpanel/panel_ids.h"
#include "questionpanel/panel_state.h"
#include "questionpanel/question_blocks.h"
#include "shell/shell_state.h"

namespace {

class PanelColoursTest : public PanelTest {
  protected:
    // The panel's answer to WM_CTLCOLORSTATIC for control `id`, with the text colour and background mode
    // it left in the device context.
    HBRUSH Colour(int id, COLORREF* text = nullptr, int* mode = nullptr) {
        HDC dc = GetDC(Item(id));
        SetBkMode(dc, OPAQUE);
        SetTextColor(dc, RGB(1, 2, 3));
        auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
            panel, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Item(id))));
        if (text) *text = GetTextColor(dc);
        if (mode) *mode = GetBkMode(dc);
        ReleaseDC(Item(id), dc);
        return brush;
    }
    bool IsOurBrush(HBRUSH brush) const {
        const QuizDocument* d = quizDocument;
        for (HBRUSH own :
             {rightAnswerBrush, d->wrongBrush, d->anagramBrush, d->hintBrush, d->questionBrush, d->backgroundBrush})
            if (brush == own) return true;
        return false;
    }
};

TEST_F(PanelColoursTest, EachVerdictTextHasItsBoxAndTheEmptyVerdictKeepsTheSystemsColours) {
    ASSERT_TRUE(Build(kQuizText, 1, 0, {{"Paris"}}));
    const QuizDocument* d = quizDocument;
    const std::pair<const char*, HBRUSH> cases[] = {
        {"BRAVO", rightAnswerBrush},
        {"FAUX", d->wrongBrush},
        {"Anagramme", d->anagramBrush},
        {"?", nullptr},
        {"Pas loin", d->hintBrush},
        {"y a de l'id\xE9"
         "e",
         d->hintBrush},
        {"bravo", d->hintBrush}, // exact and case-sensitive
    };
    for (const auto& [verdict, expected] : cases) {
        SetDlgItemTextA(panel, kVerdictLabelBase + 1, verdict);
        const HBRUSH brush = Colour(kVerdictLabelBase + 1);
        EXPECT_TRUE(expected ? brush == expected : !IsOurBrush(brush)) << verdict;
    }
    LOGBRUSH green{};
    GetObjectA(rightAnswerBrush, sizeof green, &green);
    EXPECT_EQ(green.lbColor, RGB(0, 255, 0));
    EXPECT_EQ(Colour(kQuestionTextId), d->questionBrush);
    EXPECT_EQ(
        reinterpret_cast<HBRUSH>(SendMessageA(panel, WM_CTLCOLORDLG, 0, reinterpret_cast<LPARAM>(panel))),
        d->backgroundBrush);
}

// backgroundColour holds red, blue, green; only red and green decide.
TEST_F(PanelColoursTest, LabelsOnTheBackgroundAreTransparentAndWhiteOnlyWhenRedAndGreenAreDark) {
    const struct {
        uint8_t red, green, blue;
        COLORREF text;
    } cases[] = {{40, 40, 200, RGB(255, 255, 255)},
                 {69, 69, 255, RGB(255, 255, 255)},
                 {70, 0, 0, RGB(0, 0, 0)},
                 {40, 200, 40, RGB(0, 0, 0)}};
    ASSERT_TRUE(Build(kQuizPictures, 2, 2, {{"a", "b"}, {"c", "d"}}));
    for (const auto& c : cases) {
        const uint8_t stored[3] = {c.red, c.blue, c.green};
        std::copy(stored, stored + 3, quizDocument->backgroundColour);
        for (int id : {kNumberLabelBase + 2, kAnswerRowLabelId, kRevealLabelBase + 1}) {
            COLORREF text = 0;
            int mode = 0;
            EXPECT_EQ(Colour(id, &text, &mode), quizDocument->backgroundBrush) << id;
            EXPECT_EQ(text, c.text) << id << " on " << int(c.red) << ", " << int(c.green) << ", "
                                    << int(c.blue);
            EXPECT_EQ(mode, TRANSPARENT) << id;
        }
    }
    EXPECT_FALSE(IsOurBrush(Colour(kPictureFrameBase + 1))) << "a picture frame keeps the default";
}

} // namespace
