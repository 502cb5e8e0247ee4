// The blocks of every quiz kind, placed, styled and filled as the panel builds them; saved answers
// restored and judged; pictures attached, kept and released with the panel.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "judging/verdict.h"
#include "media/media_host.h"
#include "panel_fixture.h"
#include "questionpanel/panel_ids.h"
#include "questionpanel/panel_state.h"
#include "questionpanel/question_blocks.h"
#include "shell/shell_state.h"

namespace {

struct Expected {
    int id;
    LONG x, y, width, height;
    const char* text; // null: not checked
    DWORD style;      // bits that must be set
    int nth = 0;      // among the controls sharing the id, in creation order
};

constexpr DWORD kBox = WS_VISIBLE | WS_BORDER | SS_CENTER | SS_CENTERIMAGE;
// The edit control draws its own border: it takes WS_BORDER off its style when created.
constexpr DWORD kField = WS_VISIBLE | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL;
constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP | BS_ICON | BS_DEFPUSHBUTTON;

class QuestionBlocksTest : public PanelTest {
  protected:
    HWND Nth(int id, int nth) const {
        for (HWND child = GetWindow(panel, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (GetDlgCtrlID(child) == id && nth-- == 0) return child;
        return nullptr;
    }
    void ExpectControls(std::initializer_list<Expected> controls) const {
        for (const Expected& e : controls) {
            SCOPED_TRACE("control " + std::to_string(e.id) + " #" + std::to_string(e.nth));
            HWND control = Nth(e.id, e.nth);
            ASSERT_NE(control, nullptr);
            char className[16] = "", text[kTextSize] = "";
            GetClassNameA(control, className, sizeof className);
            const int group = e.id / 1000;
            EXPECT_STRCASEEQ(className, group == 4 ? "Edit" : group == 6 || group == 7 ? "Button" : "Static");
            RECT place{};
            GetWindowRect(control, &place);
            MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&place), 2);
            EXPECT_EQ(place.left, e.x);
            EXPECT_EQ(place.top, e.y);
            EXPECT_EQ(place.right - place.left, e.width);
            EXPECT_EQ(place.bottom - place.top, e.height);
            EXPECT_EQ(GetWindowLongPtrA(control, GWL_STYLE) & e.style, static_cast<LONG_PTR>(e.style));
            GetWindowTextA(control, text, sizeof text);
            EXPECT_STREQ(text, e.text ? e.text : text);
        }
    }
    HFONT Font(int id) const {
        return reinterpret_cast<HFONT>(SendDlgItemMessageA(panel, id, WM_GETFONT, 0, 0));
    }
    HBITMAP Picture(int n) const {
        return reinterpret_cast<HBITMAP>(
            SendDlgItemMessageA(panel, kPictureFrameBase + n, STM_GETIMAGE, IMAGE_BITMAP, 0));
    }
    LONG PictureHeight(int n) const {
        BITMAP info{};
        return Picture(n) && GetObjectA(Picture(n), sizeof info, &info) ? info.bmHeight : -1;
    }
};

TEST_F(QuestionBlocksTest, TextListLinesStand25PixelsApartAndATwoAnswerListGetsOneFieldPerQuestion) {
    ASSERT_TRUE(Build(kQuizText, 2, 0, {{"Paris", "x"}, {"Rome"}, {"Madrid"}}));
    for (int n = 1; n <= 3; ++n) {
        const LONG y = 5 + 25 * (n - 1);
        const std::string number = std::to_string(n) + ".", question = "Q" + std::to_string(n);
        ExpectControls({{kNumberLabelBase, 26, y + 2, 19, 17, number.c_str(), WS_VISIBLE | SS_RIGHT, n - 1},
                        {kQuestionTextId, 50, y, 550, 20, question.c_str(), kBox, n - 1},
                        {kAnswerFieldBase + n, 610, y, 170, 20, "", kField},
                        {kVerdictLabelBase + n, 790, y, 100, 20, "?", kBox}});
        EXPECT_EQ(Font(kAnswerFieldBase + n), quizDocument->answerFont);
        EXPECT_EQ(SendDlgItemMessageA(panel, kAnswerFieldBase + n, EM_GETLIMITTEXT, 0, 0), 55);
    }
    EXPECT_EQ(Font(kQuestionTextId), quizDocument->answerFont);
    EXPECT_EQ(Font(kVerdictLabelBase + 1), nullptr);
    LOGFONTA font{};
    ASSERT_TRUE(GetObjectA(quizDocument->answerFont, sizeof font, &font));
    EXPECT_EQ(font.lfHeight * 1000 + font.lfWeight, 15 * 1000 + 100);
    EXPECT_EQ(Item(kAnswerFieldBase + 4), nullptr);
    EXPECT_EQ(quizDocument->answersPerQuestion, 1) << "judge, colours, F1, score and save count one field";
    EXPECT_EQ(quizDocument->contentWidth, 900);
    EXPECT_EQ(quizDocument->contentHeight, 80);
}

// 401 and 404 are 300 x 150, 402 is 150 x 300, 403 is missing: the first row is 300 high.
TEST_F(QuestionBlocksTest, PictureGridCentresEachPictureInItsCellAndStartsEachRowBelowTheTallest) {
    ASSERT_TRUE(Build(kQuizPictures, 1, 0, {{"a"}, {"b"}, {"c"}, {"d"}}));
    ExpectControls(
        {{kPictureFrameBase + 1, 46, 80, 300, 150, nullptr, WS_BORDER | SS_BITMAP | SS_CENTERIMAGE},
         {kPictureFrameBase + 2, 451, 5, 150, 300, nullptr, SS_BITMAP},
         {kPictureFrameBase + 3, 706, 155, 300, 0, nullptr, SS_BITMAP},
         {kNumberLabelBase + 1, 18, 317, 27, 17, "1.", SS_RIGHT},
         {kAnswerFieldBase + 1, 46, 315, 300, 20, "", kField},
         {kVerdictLabelBase + 1, 46, 334, 300, 20, "?", kBox},
         {kAnswerFieldBase + 3, 706, 315, 300, 20, "", kField},
         {kPictureFrameBase + 4, 46, 375, 300, 150, nullptr, SS_BITMAP},
         {kAnswerFieldBase + 4, 46, 535, 300, 20, "", kField}});
    EXPECT_EQ(Item(kRevealLabelBase + 1), nullptr);
    EXPECT_EQ(Item(kAnswerRowLabelId), nullptr);
    EXPECT_EQ(PictureHeight(1), 150);
    EXPECT_EQ(PictureHeight(2), 300);
    EXPECT_EQ(Picture(3), nullptr);
    EXPECT_EQ(quizDocument->rowHeights[0] * 1000 + quizDocument->rowHeights[1], 300 * 1000 + 150);
    EXPECT_EQ(quizDocument->contentWidth, 1030);
    EXPECT_EQ(quizDocument->contentHeight, 595);
}

TEST_F(QuestionBlocksTest, TwoAnswerPictureGridAddsRowLabelsHiddenRevealsAndHidesADashSecondField) {
    ASSERT_TRUE(Build(kQuizPictures, 2, 2, {{"a", "b", "vu"}, {"c", "-"}}));
    ExpectControls({{kAnswerRowLabelId, 4, 317, 95, 20, "Titre", WS_VISIBLE, 0},
                    {kAnswerRowLabelId, 3, 337, 95, 20, "Auteur", WS_VISIBLE, 1},
                    {kPictureFrameBase + 1, 106, 80, 300, 150, nullptr, SS_BITMAP},
                    {kNumberLabelBase + 2, 408, 317, 27, 17, "2.", SS_RIGHT},
                    {kAnswerFieldBase + 1, 106, 315, 241, 20, "", kField},
                    {kVerdictLabelBase + 1, 346, 315, 60, 20, "?", kBox},
                    {kAnswerFieldBase + 2, 106, 334, 241, 20, "", kField},
                    {kVerdictLabelBase + 2, 346, 334, 60, 20, "?", kBox},
                    {kRevealLabelBase + 1, 106, 361, 300, 65, "vu", SS_CENTER},
                    {kAnswerFieldBase + 4, 436, 334, 241, 20, "-", WS_TABSTOP},
                    {kVerdictLabelBase + 4, 676, 334, 60, 20, kVerdictRight, WS_BORDER}});
    EXPECT_EQ(Nth(kAnswerRowLabelId, 2), nullptr) << "once, beside the first column";
    for (int id : {kRevealLabelBase + 1, kRevealLabelBase + 2, kAnswerFieldBase + 4, kVerdictLabelBase + 4})
        EXPECT_FALSE(IsWindowVisible(Item(id))) << id;
    for (int id : {kAnswerRowLabelId, kRevealLabelBase + 1, kVerdictLabelBase + 1})
        EXPECT_EQ(Font(id), GetStockObject(DEFAULT_GUI_FONT)) << id;
    EXPECT_EQ(quizDocument->contentWidth, 1090);
    EXPECT_EQ(quizDocument->contentHeight, 315 + 140);
}

// Players need the media host: COM and the hosting library. An audio block's fields start at its row's
// top, so its rows stand 60 pixels apart.
TEST_F(QuestionBlocksTest, AudioGridPlacesButtonsBesideTwoFieldsAndGivesEveryBlockAPlayer) {
    quizDocument = new QuizDocument;
    quizDocument->quizKind = kQuizAudio;
    InstallMediaHost();
    ASSERT_TRUE(Build(kQuizAudio, 2, 0, {{"a", "b"}, {"c", "d"}, {"e", "f"}, {"g", "h"}}));
    for (int n = 1; n <= 4; ++n) {
        const LONG x = 106 + 330 * ((n - 1) % 3), y = n <= 3 ? 5 : 65;
        ExpectControls({{kPictureFrameBase + n, x, y, 0, 0, "", WS_VISIBLE | WS_BORDER},
                        {kPlayButtonBase + n, x, y, 20, 20, "", kButton},
                        {kStopButtonBase + n, x, y + 20, 20, 19, "", kButton},
                        {kNumberLabelBase + n, x - 28, y + 2, 27, 17, nullptr, SS_RIGHT},
                        {kAnswerFieldBase + 2 * n - 1, x + 20, y, 221, 20, "", kField},
                        {kAnswerFieldBase + 2 * n, x + 20, y + 19, 221, 20, "", kField},
                        {kVerdictLabelBase + 2 * n - 1, x + 240, y, 60, 20, "?", kBox},
                        {kVerdictLabelBase + 2 * n, x + 240, y + 19, 60, 20, "?", kBox}});
        EXPECT_EQ(mediaSlots[n].host, Item(kPictureFrameBase + n));
        EXPECT_NE(mediaSlots[n].player, nullptr);
        EXPECT_NE(SendDlgItemMessageA(panel, kStopButtonBase + n, BM_GETIMAGE, IMAGE_ICON, 0), 0);
    }
    EXPECT_EQ(quizDocument->contentWidth, 1090);
    EXPECT_EQ(quizDocument->contentHeight, 125);
    ShutdownMediaHost(panel); // the players go with the panel
    panel = nullptr;
}

TEST_F(QuestionBlocksTest, VideoFieldsStandBelowTheFilmAndWordCountsShowFromTheStart) {
    quizDocument = new QuizDocument;
    quizDocument->quizKind = kQuizVideo;
    InstallMediaHost();
    ASSERT_TRUE(Build(kQuizVideo, 1, 5, {{"tour de France", "", "cache"}, {"l'ami!-x"}, {"Paris"}}));
    ExpectControls({{kPictureFrameBase + 1, 46, 5, 300, 200, "", WS_VISIBLE | WS_BORDER},
                    {kPlayButtonBase + 1, 46, 215, 20, 20, "", kButton},
                    {kAnswerFieldBase + 1, 66, 215, 280, 20, "", kField},
                    {kVerdictLabelBase + 1, 66, 234, 280, 20, "?", kBox},
                    {kRevealLabelBase + 1, 46, 261, 300, 65, "en 3 mots", WS_VISIBLE | SS_CENTER},
                    {kRevealLabelBase + 2, 376, 261, 300, 65, "en 2 mots", WS_VISIBLE},
                    {kRevealLabelBase + 3, 706, 261, 300, 65, "en 1 mot", WS_VISIBLE}});
    EXPECT_EQ(quizDocument->contentHeight, 215 + 140);
    ShutdownMediaHost(panel);
    panel = nullptr;
}

// Each field takes the next saved line and is judged at once. A kind the panel does not know builds
// nothing and takes no line.
TEST_F(QuestionBlocksTest, SavedAnswersAreRestoredLineByLineAndJudged) {
    const char* fiftyFive = "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA";
    const struct {
        std::string file; // empty: no file
        const char* fields[3];
    } cases[] = {
        {"Paris\r\nRoma\r\n\r\nextra\r\n", {"Paris", "Roma", ""}},
        {std::string(fiftyFive) + "AAAAA\r\nRome\r\n", {fiftyFive, "Rome", ""}},
        {"Paris\r\n", {"Paris", "", ""}},
        // Lines beginning with byte 0xFF come back whole (creation may take such a text for a resource).
        {"\xFFPa\r\n\xFF\r\n", {"\xFFPa", "\xFF", ""}},
        // No carriage return: the whole start is field 1's line (a single-line edit shows it up to its
        // first line break), and nothing is left for the others.
        {"Paris\nRome", {"Paris", "", ""}},
        {"", {"", "", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        if (!c.file.empty()) WriteAnswersFile(c.file);
        ASSERT_TRUE(Build(kQuizText, 1, 0, {{"Paris"}, {"Rome"}, {"Madrid"}}));
        const char* accepted[] = {"Paris", "Rome", "Madrid"};
        for (int k = 1; k <= 3; ++k) {
            const std::string text = Text(kAnswerFieldBase + k);
            EXPECT_EQ(text.substr(0, text.find('\n')), c.fields[k - 1]) << "field " << k;
            EXPECT_EQ(Text(kVerdictLabelBase + k), DecideVerdict(accepted[k - 1], text.c_str()))
                << "field " << k;
        }
        for (int kind : {4, -1}) {
            ASSERT_TRUE(Build(kind, 1, 0, {{"Paris"}, {"Rome"}}));
            EXPECT_EQ(GetWindow(panel, GW_CHILD), nullptr);
            EXPECT_EQ(quizDocument->questionCount, 0) << "score \" 0 / 0\" and an empty save";
            EXPECT_EQ(quizDocument->contentWidth * 1000 + quizDocument->contentHeight, 20 * 1000 + 0);
        }
        DestroyPanel();
        EXPECT_EQ(DeleteFileA(OwnAnswersFile().c_str()), !c.file.empty()) << "closed after the build";
    }
}

// A restored right answer in reveal mode 1: the frame keeps the reward (8 x 2, so 300 x 75). Every
// picture goes with the panel, and so does the green brush.
TEST_F(QuestionBlocksTest, RewardStaysInItsFrameAndThePicturesAndBrushGoWithThePanel) {
    WriteAnswersFile("Paris\r\nfaux\r\n");
    ASSERT_TRUE(Build(kQuizPictures, 1, 1, {{"Paris"}, {"Rome"}}));
    EXPECT_EQ(Text(kVerdictLabelBase + 1), kVerdictRight);
    EXPECT_EQ(PictureHeight(1), 75);
    EXPECT_EQ(PictureHeight(2), 300);
    const HGDIOBJ objects[] = {Picture(1), Picture(2), rightAnswerBrush};
    EXPECT_EQ(GetObjectType(rightAnswerBrush), static_cast<DWORD>(OBJ_BRUSH));
    DestroyPanel();
    for (HGDIOBJ object : objects)
        EXPECT_EQ(GetObjectType(object), 0u);
    EXPECT_EQ(rightAnswerBrush, nullptr);
}

} // namespace
