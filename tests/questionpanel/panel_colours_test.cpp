// The panel's colours: each verdict's box, the labels on the quiz's background (white on dark), the
// question texts and the panel itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "judging/panel_texts.h"
#include "panel_fixture.h"
#include "questionpanel/panel_state.h"
#include "questionpanel/question_blocks.h"
#include "shell/shell_state.h"

namespace {

class PanelColoursTest : public PanelTest {
  protected:
    // The panel's answer to WM_CTLCOLORSTATIC for control `id`, painted on a fresh device context.
    HBRUSH Colour(int id, COLORREF* textColour = nullptr, int* backgroundMode = nullptr) {
        HWND label = Item(id);
        HDC dc = GetDC(label);
        SetBkMode(dc, OPAQUE);
        SetTextColor(dc, RGB(1, 2, 3));
        auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
            panel, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)));
        if (textColour) *textColour = GetTextColor(dc);
        if (backgroundMode) *backgroundMode = GetBkMode(dc);
        ReleaseDC(label, dc);
        return brush;
    }
    bool IsOurBrush(HBRUSH brush) const {
        for (HBRUSH own :
             {rightBrush, quizDocument->wrongBrush, quizDocument->anagramBrush, quizDocument->hintBrush,
              quizDocument->questionBrush, quizDocument->backgroundBrush})
            if (brush == own) return true;
        return false;
    }
};

TEST_F(PanelColoursTest, EachVerdictTextHasItsBoxColourAndTheEmptyVerdictTheSystemsOwn) {
    ASSERT_TRUE(Build({kQuizText, 1, 0, {{"Paris"}}}));
    const struct {
        const char* verdict;
        HBRUSH expected; // null: the system's default colours
    } cases[] = {
        {"BRAVO", rightBrush},
        {"FAUX", quizDocument->wrongBrush},
        {"Anagramme", quizDocument->anagramBrush},
        {"?", nullptr},
        {"Pas loin", quizDocument->hintBrush},
        {"Quasiment", quizDocument->hintBrush},
        {"y a de l'id\xE9"
         "e",
         quizDocument->hintBrush},
        {"bravo", quizDocument->hintBrush}, // exact and case-sensitive
    };
    for (const auto& c : cases) {
        SetDlgItemTextA(panel, kVerdictLabelBase + 1, c.verdict);
        const HBRUSH brush = Colour(kVerdictLabelBase + 1);
        if (c.expected) {
            EXPECT_EQ(brush, c.expected) << c.verdict;
        } else {
            EXPECT_FALSE(IsOurBrush(brush)) << c.verdict;
        }
    }
    EXPECT_EQ(GetObjectType(rightBrush), static_cast<DWORD>(OBJ_BRUSH));
    LOGBRUSH green{};
    GetObjectA(rightBrush, sizeof green, &green);
    EXPECT_EQ(green.lbColor, RGB(0, 255, 0));
    EXPECT_EQ(Colour(kQuestionTextId), quizDocument->questionBrush);
    EXPECT_EQ(
        reinterpret_cast<HBRUSH>(SendMessageA(panel, WM_CTLCOLORDLG, 0, reinterpret_cast<LPARAM>(panel))),
        quizDocument->backgroundBrush);
}

// backgroundColour holds red, blue, green; only red and green decide.
TEST_F(PanelColoursTest, LabelsOnTheBackgroundAreTransparentAndWhiteOnlyWhenRedAndGreenAreDark) {
    const struct {
        uint8_t red, green, blue;
        COLORREF text;
    } cases[] = {
        {40, 40, 200, RGB(255, 255, 255)},
        {69, 69, 255, RGB(255, 255, 255)},
        {70, 0, 0, RGB(0, 0, 0)},
        {40, 200, 40, RGB(0, 0, 0)},
    };
    ASSERT_TRUE(Build({kQuizPictures, 2, 2, {{"a", "b"}, {"c", "d"}}}));
    for (const auto& c : cases) {
        quizDocument->backgroundColour[0] = c.red;
        quizDocument->backgroundColour[1] = c.blue;
        quizDocument->backgroundColour[2] = c.green;
        for (int id : {kNumberLabelBase + 1, kNumberLabelBase + 2, kAnswerRowLabelId, kRevealLabelBase + 1}) {
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
