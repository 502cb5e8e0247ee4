// The loader's five outcomes, the descrambling retry and its key positions, the quiz read back field for
// field, and malformed texts that must stop at their end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "quizdata/quiz_text_parser.h"
#include "tests/quizdata/fake_resources.h"
#include "tests/quizdata/recording_gdi_port.h"

namespace {

using Bytes = std::vector<uint8_t>;

const char kBlockError[] = "Erreur dans le d\xE9"
                           "cryptage";
const char kQuizError[] = "Erreur dans le d\xE9"
                          "cryptage des reponses";
const char kScoreError[] = "Erreur dans le d\xE9"
                           "cryptage des codes";
const char kMissing[] = "Donn\xE9"
                        "es inaccessibles";

QuizContent SampleQuiz(int questions, int answers, int revealMode) {
    QuizContent quiz;
    quiz.quizKind = 1;
    quiz.answersPerQuestion = answers;
    quiz.title = "G\xE9ographie";
    quiz.author = "Moi";
    quiz.explanation = "Trouvez les capitales";
    quiz.answerLabel1 = "Ville";
    quiz.answerLabel2 = "Pays";
    quiz.revealMode = revealMode;
    quiz.red = 10;
    quiz.green = 20;
    quiz.blue = 30;
    for (int i = 1; i <= questions; ++i) {
        const std::string n = std::to_string(i);
        quiz.questions.push_back({"ville" + n, "pays" + n, "question " + n, "bravo " + n});
        quiz.scoreMessages.push_back("code " + n);
    }
    return quiz;
}

Bytes Plain(const Bytes& text) {
    return LzwEncode(text.data(), text.size());
}

Bytes Scrambled(const Bytes& text, int position) {
    return LzwEncodeScrambled(text.data(), text.size(), position);
}

Bytes Block(bool scramble) {
    int position = 0;
    return CodeBuiltInBlock("https://jorvo.fr", "Pied de page", scramble, position);
}

// The three pieces of a good quiz, scrambled as the build would: the quiz piece's pass goes on from the
// block's (position 6 after a scrambled block), the score piece's starts at 0.
FakeResources GoodResources(const QuizContent& quiz, bool scramble) {
    FakeResources resources;
    resources.block = Block(scramble);
    const Bytes quizText = SerialiseQuiz(quiz);
    const Bytes scoreText = SerialiseScoreMessages(quiz.scoreMessages);
    resources.pieces[104] = scramble ? Scrambled(quizText, 6) : Plain(quizText);
    resources.pieces[105] = scramble ? Scrambled(scoreText, 0) : Plain(scoreText);
    return resources;
}

std::unique_ptr<QuizDocument> Load(FakeResources& resources) {
    auto document = std::make_unique<QuizDocument>();
    QuizLoader::load(document.get(), FakeAccess(resources));
    return document;
}

int RecordCount(const QuizDocument& document) {
    int count = 0;
    for (QuestionRecord* record = document.firstQuestion; record; record = record->next)
        ++count;
    return count;
}

uint32_t BrushColour(BrushHandle brush) {
    for (const GdiEvent& event : gdiEvents)
        if (event.kind == GdiEvent::kBrush && event.handle == static_cast<void*>(brush)) return event.rgb;
    return 0xFFFFFFFF;
}

enum Damage { kNone, kGarbageBlock, kNoQuiz, kEmptyQuiz, kGarbageQuiz, kNoScores, kGarbageScores };

struct OutcomeCase {
    const char* name;
    Damage damage;
    const char* message; // null: none
    int questionCount;
    const char* title;
    const char* link;
    int records;
    const char* firstScore;
    uint32_t colour;
};

TEST(QuizLoaderTest, EveryOutcomeLeavesTheDocumentAsDescribed) {
    const uint32_t constructed = MakeRgb(90, 95, 150);
    const uint32_t quizColour = MakeRgb(10, 20, 30);
    const OutcomeCase cases[] = {
        {"success", kNone, nullptr, 3, "G\xE9ographie", "https://jorvo.fr", 3, "code 1", quizColour},
        {"built-in block fails", kGarbageBlock, kBlockError, 0, "nom du jorvo", "", 0, "", constructed},
        {"quiz piece absent", kNoQuiz, kMissing, 7, "Nom du jorvo", "https://jorvo.fr", 2, "",
         MakeRgb(51, 102, 255)},
        {"quiz piece empty", kEmptyQuiz, kMissing, 7, "Nom du jorvo", "https://jorvo.fr", 2, "",
         MakeRgb(51, 102, 255)},
        {"quiz piece fails", kGarbageQuiz, kQuizError, 0, "nom du jorvo", "https://jorvo.fr", 0, "",
         constructed},
        {"score piece absent", kNoScores, kScoreError, 3, "G\xE9ographie", "https://jorvo.fr", 3, "",
         quizColour},
        {"score piece fails", kGarbageScores, kScoreError, 3, "G\xE9ographie", "https://jorvo.fr", 3, "",
         quizColour},
    };
    const Bytes garbage = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0};
    for (const OutcomeCase& c : cases) {
        for (bool scramble : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (scramble ? ", scrambled" : ", plain"));
            gdiEvents.clear();
            FakeResources resources = GoodResources(SampleQuiz(3, 1, 2), scramble);
            if (c.damage == kGarbageBlock) resources.block = Bytes(70, 0xFF);
            if (c.damage == kNoQuiz) resources.pieces.erase(104);
            if (c.damage == kEmptyQuiz) resources.pieces[104].clear();
            if (c.damage == kGarbageQuiz) resources.pieces[104] = garbage;
            if (c.damage == kNoScores) resources.pieces.erase(105);
            if (c.damage == kGarbageScores) resources.pieces[105] = garbage;
            const std::map<int, Bytes> piecesBefore = resources.pieces;
            auto document = Load(resources);

            ASSERT_EQ(resources.messages.size(), c.message ? 1u : 0u);
            if (c.message) {
                EXPECT_EQ(resources.messages[0].text, c.message);
                EXPECT_EQ(resources.messages[0].caption, "Jorvo");
                EXPECT_EQ(resources.messages[0].flags, 0u);
            }
            EXPECT_EQ(document->questionCount, c.questionCount);
            EXPECT_STREQ(document->title, c.title);
            EXPECT_STREQ(document->linkText, c.link);
            EXPECT_EQ(RecordCount(*document), c.records);
            EXPECT_STREQ(document->scoreMessages[0], c.firstScore);
            EXPECT_EQ(BrushColour(document->backgroundBrush), c.colour);
            // One background brush, five brushes and two fonts alive: a replaced brush is deleted.
            EXPECT_EQ(LiveGdiObjects().size(), 7u);
            // Every piece looked up is released, and the pieces' bytes are never written.
            EXPECT_EQ(resources.found, resources.released);
            EXPECT_EQ(resources.pieces, piecesBefore);
        }
    }
}

TEST(QuizLoaderTest, FallbackQuizHasSevenQuestionsOverTwoRecords) {
    FakeResources resources = GoodResources(SampleQuiz(3, 1, 2), false);
    resources.pieces.erase(104);
    auto document = Load(resources);
    EXPECT_STREQ(document->author, "Createur jorvo");
    EXPECT_STREQ(document->explanation, "Explications du jorvo");
    EXPECT_STREQ(document->answerLabel1, "TEST");
    EXPECT_STREQ(document->answerLabel2, "TEST");
    EXPECT_EQ(document->revealMode, 3);
    EXPECT_EQ(document->quizKind, 1);
    EXPECT_EQ(document->answersPerQuestion, 1);
    EXPECT_EQ(document->backgroundColour[0], 51);
    EXPECT_EQ(document->backgroundColour[1], 255);
    EXPECT_EQ(document->backgroundColour[2], 102);
    EXPECT_EQ(document->questionAt(6), document->questionAt(1));
    EXPECT_STREQ(document->questionAt(6)->questionText, "emplacement");
    EXPECT_STREQ(document->questionAt(6)->answer2, "TEST");
    EXPECT_EQ(std::count(resources.found.begin(), resources.found.end(), 105), 0); // scores not read
}

struct KeyCase {
    const char* name;
    bool blockScrambled;
    int quizKeyStart; // -1: plain
    int scoreKeyStart;
    bool quizLoads;
    bool scoresLoad;
};

TEST(QuizLoaderTest, KeyPositionGoesOnFromTheBlockAndRestartsForTheScores) {
    const KeyCase cases[] = {
        {"block passed: quiz piece starts at key position 6", true, 6, 0, true, true},
        {"block passed: quiz piece scrambled from 0 is damaged", true, 0, 0, false, false},
        {"block plain: quiz piece starts at 0", false, 0, 0, true, true},
        {"block plain: quiz piece scrambled from 6 is damaged", false, 6, 0, false, false},
        {"plain quiz piece leaves the key where it was: scores start at 0", true, -1, 0, true, true},
        {"scores scrambled from where the quiz's pass stopped are damaged", false, 0, 5, true, false},
    };
    const QuizContent quiz = SampleQuiz(5, 2, 3);
    const Bytes quizText = SerialiseQuiz(quiz);
    const Bytes scoreText = SerialiseScoreMessages(quiz.scoreMessages);
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeResources resources;
        resources.block = Block(c.blockScrambled);
        resources.pieces[104] = c.quizKeyStart < 0 ? Plain(quizText) : Scrambled(quizText, c.quizKeyStart);
        resources.pieces[105] = Scrambled(scoreText, c.scoreKeyStart);
        auto document = Load(resources);
        EXPECT_STREQ(document->footerText, "Pied de page");
        EXPECT_EQ(document->questionCount, c.quizLoads ? 5 : 0);
        EXPECT_STREQ(document->scoreMessages[4], c.scoresLoad ? "code 5" : "");
    }
}

TEST(QuizLoaderTest, QuizComesBackFieldForFieldForEveryRevealModeAndAnswerCount) {
    for (int answers = 1; answers <= 2; ++answers) {
        for (int mode = 0; mode <= 6; ++mode) {
            SCOPED_TRACE("answers " + std::to_string(answers) + ", reveal mode " + std::to_string(mode));
            const QuizContent quiz = SampleQuiz(4, answers, mode);
            FakeResources resources = GoodResources(quiz, true);
            auto document = Load(resources);
            ASSERT_TRUE(resources.messages.empty());
            EXPECT_EQ(document->quizKind, 1);
            EXPECT_EQ(document->answersPerQuestion, answers);
            EXPECT_EQ(document->revealMode, mode);
            EXPECT_STREQ(document->author, "Moi");
            EXPECT_STREQ(document->explanation, "Trouvez les capitales");
            EXPECT_STREQ(document->answerLabel2, "Pays");
            ASSERT_EQ(RecordCount(*document), 4);
            const bool revealed = mode == 1 || mode == 2 || mode == 3 || mode == 4 || mode == 6;
            for (int i = 0; i < 4; ++i) {
                const QuestionRecord* record = document->questionAt(i);
                const QuestionContent& expected = quiz.questions[i];
                EXPECT_EQ(record->answer1, expected.answer1);
                EXPECT_EQ(record->answer2, answers == 2 ? expected.answer2 : "");
                EXPECT_EQ(record->questionText, expected.questionText);
                EXPECT_EQ(record->revealText, revealed ? expected.revealText : "");
                EXPECT_EQ(document->scoreMessages[i], quiz.scoreMessages[i]);
            }
            // Red, blue, green in the document; the colour is found only if every section was read right.
            EXPECT_EQ(document->backgroundColour[0], 10);
            EXPECT_EQ(document->backgroundColour[1], 30);
            EXPECT_EQ(document->backgroundColour[2], 20);
        }
    }
}

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

struct MalformedCase {
    const char* fault;
    Bytes text;
    int questionCount;
    int records;
    int answersPerQuestion;
    int quizKind;
    std::string title;
    std::string author;
    int revealMode;
    uint8_t red; // 90 when the colour was not found
};

TEST(QuizTextParserTest, MalformedQuizTextsStopAtTheirEnd) {
    const std::string header5 = "T|A|E|L1|L2|";
    std::string hundred;
    for (int i = 0; i < 100; ++i)
        hundred += "a|q|";
    std::string hundredReveals;
    for (int i = 0; i < 100; ++i)
        hundredReveals += "r" + std::to_string(i + 1) + "|";
    const MalformedCase cases[] = {
        {"only the skipped byte: every header byte keeps its default", Text("\x01"), 2, 2, 1, 0,
         "nom du jorvo", " createur", 0, 90},
        {"kind byte 0 gives kind -1", Text(std::string("\x01\x00", 2)), 2, 2, 1, -1, "nom du jorvo",
         " createur", 0, 90},
        {"field without its '|' ends at the end of the text; later fields keep their defaults",
         Text(std::string("\x01\x02\x00\x01Titre", 9)), 0, 0, 1, 1, "Titre", " createur", 0, 90},
        {"overlong field is cut and the next one still found",
         Text(std::string("\x01\x02\x00\x01", 4) + std::string(300, 'x') +
              "|Auteur|E|L1|L2|\x02\x0A\x14\x1E"),
         0, 0, 1, 1, std::string(259, 'x'), "Auteur", 2, 10},
        {"no questions: reveal byte and colour follow the header fields",
         Text(std::string("\x01\x02\x00\x01", 4) + header5 + "\x05\x0A\x14\x1E"), 0, 0, 1, 1, "T", "A", 5,
         10},
        {"more than 96 questions: 96 kept, every group read, reveal texts and colour found",
         Text(std::string("\x01\x02\x64\x01", 4) + header5 + hundred + "\x02" + hundredReveals +
              "\x0A\x14\x1E"),
         96, 96, 1, 1, "T", "A", 2, 10},
        {"answer count other than 2 reads one-answer groups and says so",
         Text(std::string("\x01\x02\x01\x07", 4) + header5 + "a|q|" + std::string("\x00\x0A\x14\x1E", 4)), 1,
         1, 1, 1, "T", "A", 0, 10},
        {"text ending inside the groups leaves the rest empty",
         Text(std::string("\x01\x02\x03\x02", 4) + header5 + "a|b|q|"), 3, 3, 2, 1, "T", "A", 0, 90},
        {"colour cut short keeps the constructed colour",
         Text(std::string("\x01\x02\x00\x01", 4) + header5 + std::string("\x00\x0A\x14", 3)), 0, 0, 1, 1, "T",
         "A", 0, 90},
    };
    for (const MalformedCase& c : cases) {
        SCOPED_TRACE(c.fault);
        gdiEvents.clear();
        QuizDocument document;
        // A copy of exactly the text's size, so that ASan sees any read past it.
        std::unique_ptr<uint8_t[]> text(new uint8_t[c.text.size() + 1]);
        std::copy(c.text.begin(), c.text.end(), text.get());
        ParseQuizText(&document, text.get(), c.text.size());
        EXPECT_EQ(document.questionCount, c.questionCount);
        EXPECT_EQ(RecordCount(document), c.records);
        EXPECT_EQ(document.answersPerQuestion, c.answersPerQuestion);
        EXPECT_EQ(document.quizKind, c.quizKind);
        EXPECT_EQ(document.title, c.title);
        EXPECT_EQ(document.author, c.author);
        EXPECT_EQ(document.revealMode, c.revealMode);
        EXPECT_EQ(document.backgroundColour[0], c.red);
        EXPECT_EQ(LiveGdiObjects().size(), 7u);
    }
}

TEST(QuizTextParserTest, NinetySixKeptQuestionsGetTheirOwnRevealTexts) {
    std::string text = std::string("\x01\x02\x64\x01", 4) + "T|A|E|L1|L2|";
    for (int i = 0; i < 100; ++i)
        text += "a" + std::to_string(i + 1) + "|q|";
    text += "\x03";
    for (int i = 0; i < 100; ++i)
        text += "r" + std::to_string(i + 1) + "|ignored|";
    text += "\x0A\x14\x1E";
    QuizDocument document;
    ParseQuizText(&document, reinterpret_cast<const uint8_t*>(text.data()), text.size());
    EXPECT_STREQ(document.questionAt(0)->revealText, "r1");
    EXPECT_STREQ(document.questionAt(95)->answer1, "a96");
    EXPECT_STREQ(document.questionAt(95)->revealText, "r96");
    EXPECT_EQ(document.backgroundColour[2], 20);
}

struct LinesCase {
    const char* fault;
    std::string text;
    int questionCount;
    std::vector<std::string> lines;
};

TEST(QuizTextParserTest, ScoreLinesStopAtTheEndOfTheText) {
    const LinesCase cases[] = {
        {"CR LF lines", "AB\r\nC\r\n", 2, {"AB", "C"}},
        {"fewer lines than questions leave the rest empty", "A\r\nB", 4, {"A", "B", "", ""}},
        {"CR as the last byte", "A\r", 2, {"A", ""}},
        {"the byte after a CR is skipped unread", "A\rXB\r\n", 2, {"A", "B"}},
        {"overlong line is cut", std::string(300, 'z') + "\r\nC\r\n", 2, {std::string(259, 'z'), "C"}},
        {"lines past the question count are ignored", "A\r\nB\r\nC\r\n", 1, {"A", ""}},
    };
    for (const LinesCase& c : cases) {
        SCOPED_TRACE(c.fault);
        QuizDocument document;
        document.questionCount = c.questionCount;
        std::unique_ptr<uint8_t[]> text(new uint8_t[c.text.size() + 1]);
        std::copy(c.text.begin(), c.text.end(), text.get());
        ParseScoreText(&document, text.get(), c.text.size());
        for (size_t k = 0; k < c.lines.size(); ++k)
            EXPECT_EQ(document.scoreMessages[k], c.lines[k]) << k;
    }
}

TEST(QuizTextParserTest, BuiltInBlockFieldsAreCutToTheirArrays) {
    const struct {
        const char* fault;
        std::string text;
        std::string link;
        std::string footer;
    } cases[] = {
        {"two fields after two skipped bytes", "xyLien|Pied|reste", "Lien", "Pied"},
        {"link over 24 characters", "xy" + std::string(30, 'l') + "|Pied|", std::string(24, 'l'), "Pied"},
        {"footer over 42 characters, no closing bar", "xyL|" + std::string(50, 'f'), "L",
         std::string(42, 'f')},
        {"text shorter than the skipped bytes", "x", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        QuizDocument document;
        std::unique_ptr<uint8_t[]> text(new uint8_t[c.text.size() + 1]);
        std::copy(c.text.begin(), c.text.end(), text.get());
        ParseBuiltInBlockText(&document, text.get(), c.text.size());
        EXPECT_EQ(document.linkText, c.link);
        EXPECT_EQ(document.footerText, c.footer);
    }
}

TEST(QuizContentTest, QuizzesTheLoaderCannotReadBackAreRefusedWithAReason) {
    const struct {
        const char* fault;
        void (*damage)(QuizContent&);
    } cases[] = {
        {"title over 259 characters", [](QuizContent& q) { q.title = std::string(260, 't'); }},
        {"separator in an answer", [](QuizContent& q) { q.questions[0].answer1 = "a|b"; }},
        {"separator in a reveal text", [](QuizContent& q) { q.questions[1].revealText = "|"; }},
        {"97 questions", [](QuizContent& q) { q.questions.resize(97, q.questions[0]); }},
        {"three answers", [](QuizContent& q) { q.answersPerQuestion = 3; }},
        {"kind 4", [](QuizContent& q) { q.quizKind = 4; }},
        {"reveal mode 7", [](QuizContent& q) { q.revealMode = 7; }},
        {"line break in a score code", [](QuizContent& q) { q.scoreMessages[0] = "a\r\nb"; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        QuizContent quiz = SampleQuiz(2, 1, 2);
        ASSERT_TRUE(DescribeQuizProblem(quiz).empty());
        c.damage(quiz);
        EXPECT_FALSE(DescribeQuizProblem(quiz).empty());
        EXPECT_TRUE(SerialiseQuiz(quiz).empty());
    }
    EXPECT_TRUE(SerialiseScoreMessages({"ok", "a\nb"}).empty());
    EXPECT_EQ(SerialiseScoreMessages({}), Bytes({'\r', '\n'})); // a piece is never empty
}

} // namespace
