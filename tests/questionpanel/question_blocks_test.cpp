// The blocks of every quiz kind, placed and styled as the panel builds them; saved answers restored and
// judged; pictures attached, kept and released.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "judging/panel_texts.h"
#include "judging/verdict.h"
#include "media/media_host.h"
#include "panel_fixture.h"
#include "questionpanel/panel_state.h"
#include "questionpanel/question_blocks.h"
#include "shell/shell_state.h"

namespace {

struct Expected {
    HWND control;
    const char* className;
    LONG x, y, width, height;
    const char* text; // null: not checked
    DWORD style;      // bits that must be set
};

class QuestionBlocksTest : public PanelTest {
  protected:
    void ExpectControls(std::initializer_list<Expected> controls) const {
        for (const Expected& e : controls) {
            ASSERT_NE(e.control, nullptr) << e.className << " at " << e.x << ", " << e.y;
            char className[32] = "";
            GetClassNameA(e.control, className, sizeof className);
            const RECT place = Place(e.control);
            const std::string where =
                std::string(className) + " id " + std::to_string(GetDlgCtrlID(e.control));
            EXPECT_STRCASEEQ(className, e.className) << where;
            EXPECT_EQ(place.left, e.x) << where;
            EXPECT_EQ(place.top, e.y) << where;
            EXPECT_EQ(place.right, e.width) << where;
            EXPECT_EQ(place.bottom, e.height) << where;
            const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(e.control, GWL_STYLE));
            EXPECT_EQ(style & e.style, e.style) << where << " style " << std::hex << style;
            if (e.text) {
                char text[kTextSize] = "";
                GetWindowTextA(e.control, text, sizeof text);
                EXPECT_STREQ(text, e.text) << where;
            }
        }
    }
    HFONT Font(HWND control) const {
        return reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    }
    SIZE FramePictureSize(int n) const {
        auto picture = reinterpret_cast<HBITMAP>(
            SendDlgItemMessageA(panel, kPictureFrameBase + n, STM_GETIMAGE, IMAGE_BITMAP, 0));
        BITMAP info{};
        if (!picture || !GetObjectA(picture, sizeof info, &info)) return {0, 0};
        return {info.bmWidth, info.bmHeight};
    }
};

constexpr DWORD kBox = WS_VISIBLE | WS_BORDER | SS_CENTER | SS_CENTERIMAGE;
// The edit control draws its own border: it takes WS_BORDER off its style when created.
constexpr DWORD kField = WS_VISIBLE | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL;
constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP | BS_ICON | BS_DEFPUSHBUTTON;

TEST_F(QuestionBlocksTest, TextListLinesStand25PixelsApartAndATwoAnswerListGetsOneFieldPerQuestion) {
    ASSERT_TRUE(Build(
        {kQuizText, 2, 0, {{"Paris", "x", "France"}, {"Rome", "", "Italie"}, {"Madrid", "", "Espagne"}}}));
    const auto numbers = ChildrenWithId(panel, kNumberLabelBase);
    const auto questions = ChildrenWithId(panel, kQuestionTextId);
    ASSERT_EQ(numbers.size(), 3u);
    ASSERT_EQ(questions.size(), 3u);
    const char* texts[] = {"France", "Italie", "Espagne"};
    for (int n = 1; n <= 3; ++n) {
        const LONG y = 5 + 25 * (n - 1);
        const std::string number = std::to_string(n) + ".";
        ExpectControls({
            {numbers[n - 1], "Static", 26, y + 2, 19, 17, number.c_str(), WS_VISIBLE | SS_RIGHT},
            {questions[n - 1], "Static", 50, y, 550, 20, texts[n - 1], kBox},
            {Item(kAnswerFieldBase + n), "Edit", 610, y, 170, 20, "", kField},
            {Item(kVerdictLabelBase + n), "Static", 790, y, 100, 20, "?", kBox},
        });
        EXPECT_EQ(Font(questions[n - 1]), quizDocument->answerFont);
        EXPECT_EQ(Font(Item(kAnswerFieldBase + n)), quizDocument->answerFont);
        EXPECT_EQ(SendDlgItemMessageA(panel, kAnswerFieldBase + n, EM_GETLIMITTEXT, 0, 0), 55);
    }
    LOGFONTA font{};
    ASSERT_TRUE(GetObjectA(quizDocument->answerFont, sizeof font, &font));
    EXPECT_EQ(font.lfHeight, 15);
    EXPECT_EQ(font.lfWeight, 100);
    EXPECT_EQ(Item(kAnswerFieldBase + 4), nullptr);
    EXPECT_EQ(quizDocument->answersPerQuestion, 1) << "judge, colours, F1, score and save count one field";
    EXPECT_EQ(quizDocument->contentWidth, 900);
    EXPECT_EQ(quizDocument->contentHeight, 80);
}

// 401 and 404 are 300 x 150, 402 is 150 x 300, 403 is missing: the first row is 300 high.
TEST_F(QuestionBlocksTest, PictureGridOneAnswerCentresEachPictureInItsCellAndRowsFollowTheTallest) {
    ASSERT_TRUE(Build({kQuizPictures, 1, 0, {{"a"}, {"b"}, {"c"}, {"d"}}}));
    ExpectControls({
        {Item(kPictureFrameBase + 1), "Static", 46, 5 + 75, 300, 150, nullptr,
         WS_BORDER | SS_BITMAP | SS_CENTERIMAGE},
        {Item(kPictureFrameBase + 2), "Static", 376 + 75, 5, 150, 300, nullptr, SS_BITMAP},
        {Item(kPictureFrameBase + 3), "Static", 706, 5 + 150, 300, 0, nullptr, SS_BITMAP},
        {Item(kNumberLabelBase + 1), "Static", 18, 317, 27, 17, "1.", SS_RIGHT},
        {Item(kAnswerFieldBase + 1), "Edit", 46, 315, 300, 20, "", kField},
        {Item(kVerdictLabelBase + 1), "Static", 46, 334, 300, 20, "?", kBox},
        {Item(kAnswerFieldBase + 3), "Edit", 706, 315, 300, 20, "", kField},
        // Second row: 60 below the first row's fields, as tall as picture 404.
        {Item(kPictureFrameBase + 4), "Static", 46, 375, 300, 150, nullptr, SS_BITMAP},
        {Item(kAnswerFieldBase + 4), "Edit", 46, 535, 300, 20, "", kField},
    });
    EXPECT_EQ(Item(kRevealLabelBase + 1), nullptr) << "reveal mode 0 has no reveal label";
    EXPECT_EQ(Item(kAnswerRowLabelId), nullptr);
    EXPECT_EQ(FramePictureSize(1).cy, 150);
    EXPECT_EQ(FramePictureSize(2).cx, 150);
    EXPECT_EQ(FramePictureSize(3).cx, 0);
    EXPECT_EQ(quizDocument->rowHeights[0], 300);
    EXPECT_EQ(quizDocument->rowHeights[1], 150);
    EXPECT_EQ(quizDocument->contentWidth, 1030);
    EXPECT_EQ(quizDocument->contentHeight, 595);
}

TEST_F(QuestionBlocksTest, PictureGridTwoAnswersAddsRowLabelsRevealLabelsAndHidesADashSecondField) {
    ASSERT_TRUE(Build({kQuizPictures, 2, 2, {{"a", "b", "", "vu"}, {"c", "-", "", "rien"}}}));
    const auto rowLabels = ChildrenWithId(panel, kAnswerRowLabelId);
    ASSERT_EQ(rowLabels.size(), 2u) << "once per row, beside the first column";
    ExpectControls({
        {rowLabels[0], "Static", 4, 317, 95, 20, "Titre", WS_VISIBLE},
        {rowLabels[1], "Static", 3, 337, 95, 20, "Auteur", WS_VISIBLE},
        {Item(kPictureFrameBase + 1), "Static", 106, 80, 300, 150, nullptr, SS_BITMAP},
        {Item(kNumberLabelBase + 2), "Static", 408, 317, 27, 17, "2.", SS_RIGHT},
        {Item(kAnswerFieldBase + 1), "Edit", 106, 315, 241, 20, "", kField},
        {Item(kVerdictLabelBase + 1), "Static", 346, 315, 60, 20, "?", kBox},
        {Item(kAnswerFieldBase + 2), "Edit", 106, 334, 241, 20, "", kField},
        {Item(kVerdictLabelBase + 2), "Static", 346, 334, 60, 20, "?", kBox},
        {Item(kRevealLabelBase + 1), "Static", 106, 361, 300, 65, "vu", SS_CENTER},
        {Item(kAnswerFieldBase + 4), "Edit", 436, 334, 241, 20, "-", WS_TABSTOP},
        {Item(kVerdictLabelBase + 4), "Static", 676, 334, 60, 20, kVerdictRight, WS_BORDER},
    });
    for (int id : {kRevealLabelBase + 1, kRevealLabelBase + 2, kAnswerFieldBase + 4, kVerdictLabelBase + 4})
        EXPECT_FALSE(IsWindowVisible(Item(id))) << id;
    EXPECT_TRUE(IsWindowVisible(Item(kAnswerFieldBase + 3)));
    EXPECT_EQ(Font(rowLabels[0]), GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(Font(Item(kRevealLabelBase + 1)), GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(Font(Item(kVerdictLabelBase + 1)), GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(quizDocument->contentWidth, 1010 + 80);
    EXPECT_EQ(quizDocument->contentHeight, 315 + 140);
}

// Players need the media host (COM and the hosting library).
TEST_F(QuestionBlocksTest, AudioGridTwoAnswersPlacesButtonsBesideFieldsAndRowsSixtyApart) {
    quizDocument->quizKind = kQuizAudio;
    InstallMediaHost();
    ASSERT_TRUE(Build({kQuizAudio, 2, 0, {{"a", "b"}, {"c", "d"}, {"e", "f"}, {"g", "h"}}}));
    for (int n = 1; n <= 4; ++n) {
        const LONG x = 106 + 330 * ((n - 1) % 3);
        const LONG y = n <= 3 ? 5 : 65; // an audio block's fields start at its row's top
        SCOPED_TRACE("block " + std::to_string(n));
        ExpectControls({
            {Item(kPictureFrameBase + n), "Static", x, y, 0, 0, "", WS_BORDER},
            {Item(kPlayButtonBase + n), "Button", x, y, 20, 20, "", kButton},
            {Item(kStopButtonBase + n), "Button", x, y + 20, 20, 19, "", kButton},
            {Item(kNumberLabelBase + n), "Static", x - 28, y + 2, 27, 17, nullptr, SS_RIGHT},
            {Item(kAnswerFieldBase + 2 * n - 1), "Edit", x + 20, y, 221, 20, "", kField},
            {Item(kAnswerFieldBase + 2 * n), "Edit", x + 20, y + 19, 221, 20, "", kField},
            {Item(kVerdictLabelBase + 2 * n - 1), "Static", x + 240, y, 60, 20, "?", kBox},
            {Item(kVerdictLabelBase + 2 * n), "Static", x + 240, y + 19, 60, 20, "?", kBox},
        });
        EXPECT_EQ(mediaSlots[n].host, Item(kPictureFrameBase + n));
        EXPECT_NE(mediaSlots[n].player, nullptr);
        EXPECT_NE(SendDlgItemMessageA(panel, kPlayButtonBase + n, BM_GETIMAGE, IMAGE_ICON, 0), 0);
    }
    EXPECT_EQ(quizDocument->contentWidth, 1090);
    EXPECT_EQ(quizDocument->contentHeight, 125);
    ShutdownMediaHost(panel); // destroys the panel with its players
    panel = nullptr;
}

TEST_F(QuestionBlocksTest, VideoBlocksPutFieldsBelowTheFilmAndWordCountsStayVisible) {
    quizDocument->quizKind = kQuizVideo;
    InstallMediaHost();
    ASSERT_TRUE(Build({kQuizVideo, 1, 5, {{"tour de France", "", "", "cache"}, {"l'ami!-x"}, {"Paris"}}}));
    ExpectControls({
        {Item(kPictureFrameBase + 1), "Static", 46, 5, 300, 200, "", WS_VISIBLE | WS_BORDER},
        {Item(kPlayButtonBase + 1), "Button", 46, 215, 20, 20, "", kButton},
        {Item(kAnswerFieldBase + 1), "Edit", 66, 215, 280, 20, "", kField},
        {Item(kVerdictLabelBase + 1), "Static", 66, 234, 280, 20, "?", kBox},
        {Item(kRevealLabelBase + 1), "Static", 46, 261, 300, 65, "en 3 mots", WS_VISIBLE | SS_CENTER},
        {Item(kRevealLabelBase + 2), "Static", 376, 261, 300, 65, "en 2 mots", WS_VISIBLE},
        {Item(kRevealLabelBase + 3), "Static", 706, 261, 300, 65, "en 1 mot", WS_VISIBLE},
    });
    EXPECT_EQ(quizDocument->contentHeight, 215 + 140);
    ShutdownMediaHost(panel);
    panel = nullptr;
}

// Each field takes the next saved line and is judged at once; the score follows.
TEST_F(QuestionBlocksTest, SavedAnswersAreRestoredLineByLineAndJudged) {
    const std::string longLine(60, 'A');
    const struct {
        const char* name;
        std::string file;
        const char* fields[3];
    } cases[] = {
        {"one line per field", "Paris\r\nRoma\r\n\r\nextra\r\n", {"Paris", "Roma", ""}},
        {"a line over 55 characters",
         longLine + "\r\nRome\r\n",
         {"AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA", "Rome", ""}},
        {"fewer lines than fields", "Paris\r\n", {"Paris", "", ""}},
        {"no carriage return", "Paris\nRome", {nullptr, "", ""}}, // field 1: see below
        {"an empty file", "", {"", "", ""}},
        {"no file", "", {"", "", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (std::string(c.name) != "no file") WriteAnswersFile(c.file);
        delete quizDocument;
        quizDocument = new QuizDocument;
        ASSERT_TRUE(Build({kQuizText, 1, 0, {{"Paris"}, {"Rome"}, {"Madrid"}}}));
        const char* accepted[] = {"Paris", "Rome", "Madrid"};
        for (int k = 1; k <= 3; ++k) {
            const std::string text = Text(kAnswerFieldBase + k);
            if (c.fields[k - 1]) {
                EXPECT_EQ(text, c.fields[k - 1]) << "field " << k;
            }
            EXPECT_EQ(Text(kVerdictLabelBase + k), DecideVerdict(accepted[k - 1], text.c_str()))
                << "field " << k;
        }
        if (!c.fields[0]) {
            // The whole start of the file is one line; a single-line edit control shows it up to its
            // first line break.
            EXPECT_EQ(Text(kAnswerFieldBase + 1).substr(0, 5), "Paris");
            EXPECT_NE(Text(kVerdictLabelBase + 1), kVerdictEmpty);
        }
        DestroyPanel();
        DeleteFileA(OwnAnswersFile().c_str());
    }
}

TEST_F(QuestionBlocksTest, UnknownKindBuildsNothingScoresNothingAndConsumesNoLine) {
    WriteAnswersFile("Paris\r\n");
    for (int kind : {4, -1}) {
        delete quizDocument;
        quizDocument = new QuizDocument;
        ASSERT_TRUE(Build({kind, 1, 0, {{"Paris"}, {"Rome"}}}));
        EXPECT_EQ(GetWindow(panel, GW_CHILD), nullptr) << kind;
        EXPECT_EQ(quizDocument->questionCount, 0) << kind;
        EXPECT_EQ(quizDocument->contentWidth, 20) << kind;
        EXPECT_EQ(quizDocument->contentHeight, 0) << kind;
        DestroyPanel();
    }
}

// A restored right answer in reveal mode 1: the frame keeps the reward (8 x 2, so 300 x 75). Every
// picture goes with the panel, and the green brush once the panel is destroyed.
TEST_F(QuestionBlocksTest, RewardStaysInItsFrameAndThePicturesAndBrushGoWithThePanel) {
    WriteAnswersFile("Paris\r\nfaux\r\n");
    ASSERT_TRUE(Build({kQuizPictures, 1, 1, {{"Paris"}, {"Rome"}}}));
    EXPECT_EQ(Text(kVerdictLabelBase + 1), kVerdictRight);
    EXPECT_EQ(FramePictureSize(1).cy, 75);
    EXPECT_EQ(FramePictureSize(2).cy, 300);
    HGDIOBJ pictures[] = {
        reinterpret_cast<HGDIOBJ>(
            SendDlgItemMessageA(panel, kPictureFrameBase + 1, STM_GETIMAGE, IMAGE_BITMAP, 0)),
        reinterpret_cast<HGDIOBJ>(
            SendDlgItemMessageA(panel, kPictureFrameBase + 2, STM_GETIMAGE, IMAGE_BITMAP, 0)),
    };
    HGDIOBJ green = rightBrush;
    ASSERT_EQ(GetObjectType(green), static_cast<DWORD>(OBJ_BRUSH));
    DestroyPanel();
    for (HGDIOBJ picture : pictures)
        EXPECT_EQ(GetObjectType(picture), 0u);
    EXPECT_EQ(GetObjectType(green), 0u);
    EXPECT_EQ(rightBrush, nullptr);
}

} // namespace
