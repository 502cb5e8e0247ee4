// The other spellings' piece: read back exactly as written, refused whole when damaged (the quiz then
// plays with its first spellings and says so once, like damaged score codes), and absent for a quiz
// whose answers have one spelling each.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "judging/field_judging.h"
#include "quizdata/extra_spellings.h"
#include "tests/quizdata/fake_resources.h"

namespace {

using Bytes = std::vector<uint8_t>;

const char kSpellingsError[] = "Erreur dans le d\xE9"
                               "cryptage des variantes";

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

QuizContent TwoAnswerQuiz() {
    QuizContent quiz;
    quiz.quizKind = 1;
    quiz.answersPerQuestion = 2;
    quiz.questions = {{"Royaume-Uni", "Londres", "q1", ""}, {"Pays-Bas", "Amsterdam", "q2", ""}};
    quiz.questions[0].extraSpellings1 = {"Angleterre", "UK"};
    quiz.questions[0].extraSpellings2 = {"London", "a | b"}; // a bar is an ordinary byte here
    quiz.questions[1].extraSpellings1 = {"Hollande"};
    quiz.scoreMessages = {"un", "deux"};
    return quiz;
}

FakeResources Resources(const QuizContent& quiz, bool scramble) {
    FakeResources resources;
    int position = 0;
    resources.block = CodeBuiltInBlock("lien", "pied", scramble, position);
    const Bytes quizText = SerialiseQuiz(quiz);
    const Bytes scoreText = SerialiseScoreMessages(quiz.scoreMessages);
    const Bytes spellingsText = SerialiseExtraSpellings(quiz);
    int quizPosition = 6, zero = 0, again = 0;
    resources.pieces[104] = scramble ? LzwEncodeScrambled(quizText.data(), quizText.size(), quizPosition)
                                     : LzwEncode(quizText.data(), quizText.size());
    resources.pieces[105] = scramble ? LzwEncodeScrambled(scoreText.data(), scoreText.size(), zero)
                                     : LzwEncode(scoreText.data(), scoreText.size());
    if (!spellingsText.empty())
        resources.pieces[106] = scramble
                                    ? LzwEncodeScrambled(spellingsText.data(), spellingsText.size(), again)
                                    : LzwEncode(spellingsText.data(), spellingsText.size());
    return resources;
}

std::vector<std::string> Spellings(const QuizDocument& document, int question, int slot) {
    const char* texts[kMaxSpellings];
    const int count = AcceptedSpellings(&document, question, slot, texts);
    return std::vector<std::string>(texts, texts + count);
}

TEST(ExtraSpellingsTest, SerialisedTextHasOneGroupPerFieldInFieldOrder) {
    const Bytes text = SerialiseExtraSpellings(TwoAnswerQuiz());
    EXPECT_EQ(text, Text("Angleterre\r\nUK\r\n\r\nLondon\r\na | b\r\n\r\nHollande\r\n\r\n\r\n"));
    QuizContent plain = TwoAnswerQuiz();
    for (QuestionContent& question : plain.questions)
        question.extraSpellings1.clear(), question.extraSpellings2.clear();
    EXPECT_TRUE(SerialiseExtraSpellings(plain).empty()); // no piece at all
    // A one-answer quiz has no second group per question, whatever the records hold.
    plain.answersPerQuestion = 1;
    plain.questions[1].extraSpellings1 = {"Hollande"};
    plain.questions[1].extraSpellings2 = {"ignored"};
    EXPECT_EQ(SerialiseExtraSpellings(plain), Text("\r\nHollande\r\n\r\n"));
}

TEST(ExtraSpellingsTest, LoadedQuizAcceptsEverySpellingOfEachField) {
    for (bool scramble : {false, true}) {
        SCOPED_TRACE(scramble ? "scrambled" : "plain");
        FakeResources resources = Resources(TwoAnswerQuiz(), scramble);
        QuizDocument document;
        QuizLoader::load(&document, FakeAccess(resources));
        EXPECT_TRUE(resources.messages.empty());
        EXPECT_EQ(Spellings(document, 1, 1), (std::vector<std::string>{"Royaume-Uni", "Angleterre", "UK"}));
        EXPECT_EQ(Spellings(document, 1, 2), (std::vector<std::string>{"Londres", "London", "a | b"}));
        EXPECT_EQ(Spellings(document, 2, 1), (std::vector<std::string>{"Pays-Bas", "Hollande"}));
        EXPECT_EQ(Spellings(document, 2, 2), (std::vector<std::string>{"Amsterdam"}));
        EXPECT_STREQ(document.scoreMessages[1], "deux");
        EXPECT_EQ(resources.found, resources.released);
    }
}

TEST(ExtraSpellingsTest, QuizWithoutThePieceLoadsAsBeforeWithFirstSpellings) {
    QuizContent quiz = TwoAnswerQuiz();
    for (QuestionContent& question : quiz.questions)
        question.extraSpellings1.clear(), question.extraSpellings2.clear();
    FakeResources resources = Resources(quiz, false);
    ASSERT_EQ(resources.pieces.count(106), 0u);
    QuizDocument document;
    QuizLoader::load(&document, FakeAccess(resources));
    EXPECT_TRUE(resources.messages.empty());
    EXPECT_EQ(document.extraSpellings, nullptr);
    EXPECT_EQ(Spellings(document, 1, 2), (std::vector<std::string>{"Londres"}));
}

struct DamageCase {
    const char* name;
    std::string text; // decoded text of the piece, for the two-answer quiz of two questions (4 groups)
};

TEST(ExtraSpellingsTest, DamagedPieceIsToldOnceAndTheFieldsKeepTheirFirstSpellings) {
    const std::string longest(kMaxSpellingLength, 'x');
    const DamageCase cases[] = {
        {"one group short", "a\r\n\r\n\r\n\r\n"},
        {"one group too many", "\r\n\r\n\r\n\r\n\r\n"},
        {"bytes after the last group", "\r\n\r\n\r\n\r\nx"},
        {"last line without its CR LF", "\r\n\r\n\r\n\r"},
        {"a lone LF", "a\n\r\n\r\n\r\n\r\n"},
        {"a CR without LF", "a\rb\r\n\r\n\r\n\r\n\r\n"},
        {"a NUL byte", std::string("a\0b\r\n\r\n\r\n\r\n\r\n", 13)},
        {"a spelling of 56 characters", longest + "y\r\n\r\n\r\n\r\n\r\n"},
        {"eight other spellings", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n\r\n\r\n\r\n\r\n"},
        {"empty", ""},
    };
    for (const DamageCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeResources resources = Resources(TwoAnswerQuiz(), false);
        resources.pieces[106] = LzwEncode(reinterpret_cast<const uint8_t*>(c.text.data()), c.text.size());
        if (c.text.empty()) resources.pieces[106] = {0x12, 0x34, 0x56}; // does not decode at all
        QuizDocument document;
        QuizLoader::load(&document, FakeAccess(resources));
        ASSERT_EQ(resources.messages.size(), 1u);
        EXPECT_EQ(resources.messages[0].text, kSpellingsError);
        EXPECT_EQ(resources.messages[0].caption, "Jorvo");
        EXPECT_EQ(document.extraSpellings, nullptr);
        EXPECT_EQ(Spellings(document, 1, 2), (std::vector<std::string>{"Londres"}));
        EXPECT_EQ(document.questionCount, 2); // the quiz itself plays on
        EXPECT_STREQ(document.scoreMessages[0], "un");
    }
    // The limits themselves are kept: 55 characters, seven other spellings.
    const std::string fullest = longest + "\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n\r\n\r\n\r\n\r\n";
    ExtraSpellings* read =
        ReadExtraSpellings(reinterpret_cast<const uint8_t*>(fullest.data()), fullest.size(), 2, 2);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->count[0][0], kMaxSpellings - 1);
    EXPECT_EQ(std::string(read->spelling[0][0][0]), longest);
    FreeExtraSpellings(read);
}

TEST(ExtraSpellingsTest, DamagedScoreCodesDoNotStopTheSpellings) {
    FakeResources resources = Resources(TwoAnswerQuiz(), false);
    resources.pieces[105] = {0x12, 0x34, 0x56};
    QuizDocument document;
    QuizLoader::load(&document, FakeAccess(resources));
    ASSERT_EQ(resources.messages.size(), 1u);
    EXPECT_EQ(resources.messages[0].text, "Erreur dans le d\xE9"
                                          "cryptage des codes");
    EXPECT_EQ(Spellings(document, 2, 1), (std::vector<std::string>{"Pays-Bas", "Hollande"}));
}

TEST(ExtraSpellingsTest, SpellingsTheLoaderCannotKeepAreRefusedWithAReason) {
    const struct {
        const char* name;
        std::vector<std::string> extra;
        const char* problem;
    } cases[] = {
        {"eight others", {"1", "2", "3", "4", "5", "6", "7", "8"}, "more than 8 spellings"},
        {"empty", {"a", ""}, "an empty spelling"},
        {"56 characters", {std::string(56, 'x')}, "at most 55 characters"},
        {"a line break", {"a\nb"}, "line break"},
        {"together too long",
         {std::string(55, 'a'), std::string(55, 'b'), std::string(55, 'c'), std::string(55, 'd'),
          std::string(40, 'e')},
         "together hold at most 259"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QuizContent quiz = TwoAnswerQuiz();
        quiz.questions[1].extraSpellings2 = c.extra;
        const std::string problem = DescribeQuizProblem(quiz);
        EXPECT_NE(problem.find("question 2: the second answer"), std::string::npos) << problem;
        EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
        EXPECT_TRUE(SerialiseExtraSpellings(quiz).empty());
    }
    QuizContent fits = TwoAnswerQuiz();
    fits.questions[1].extraSpellings2 = {std::string(55, 'a'), std::string(55, 'b'), std::string(55, 'c'),
                                         std::string(55, 'd'), std::string(30, 'e')};
    EXPECT_EQ(DescribeQuizProblem(fits), ""); // with "Amsterdam", 259 characters in all
    fits.questions[1].answer2 += "!";
    EXPECT_NE(DescribeQuizProblem(fits), "");
}

} // namespace
