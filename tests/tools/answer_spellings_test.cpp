// An answer's spellings in a quiz source: split and joined back alike, checked one by one like an answer,
// and written back by the source writer so that the parser reads the same spellings.
#include <gtest/gtest.h>

#include "tools/source/answer_spellings.h"
#include "tools/source/quiz_source.h"
#include "tools/source/quiz_source_writer.h"

namespace {

using Texts = std::vector<std::string>;

TEST(AnswerSpellings, SplitsAtBarsKeepsEscapedBarsAndJoinsBackTheSame) {
    const struct {
        const char* value;
        Texts spellings;
    } cases[] = {
        {"Londres", {"Londres"}},
        {"  Londres | London  ", {"Londres", "London"}},
        {"Londres|London|\tLundun", {"Londres", "London", "Lundun"}},
        {"a \\| b | c", {"a | b", "c"}},
        {"a\\\\|b", {"a\\|b"}},            // a backslash, then an escaped bar
        {"C:\\ | D:\\", {"C:\\", "D:\\"}}, // a backslash before a space is a backslash
        {"a || b", {"a", "", "b"}},
        {"|", {"", ""}},
        {"", {""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitSpellings(c.value), c.spellings) << c.value;
        bool anyEmpty = false;
        for (const std::string& s : c.spellings)
            anyEmpty = anyEmpty || s.empty();
        if (!anyEmpty) {
            EXPECT_EQ(SplitSpellings(JoinSpellings(c.spellings)), c.spellings) << c.value;
        }
    }
}

struct Parsed {
    QuizSource source;
    std::vector<SourceMessage> errors, warnings;
    bool ok;
};

Parsed Parse(const std::string& text) {
    Parsed parsed;
    parsed.ok = ParseQuizSource(text, &parsed.source, &parsed.errors, &parsed.warnings);
    return parsed;
}

std::string Joined(const std::vector<SourceMessage>& messages) {
    std::string all;
    for (const SourceMessage& m : messages)
        all += FormatSourceMessage(m) + "\n";
    return all;
}

TEST(AnswerSpellings, SourceKeepsEverySpellingOfBothAnswersAndWritesThemBack) {
    const std::string text =
        "kind: pictures\nanswers: 2\n"
        "question: q1\n  picture: a.png\n"
        "  answer: Royaume-Uni | Angleterre | royaume-uni\n"
        "  answer2: Londres | London | L\xE2\x80\x99ondres \\| x\n"
        "question: q2\n  picture: b.png\n  answer: Pays-Bas\n  answer2: -\nscore: un\nscore: deux\n";
    const Parsed parsed = Parse(text);
    ASSERT_TRUE(parsed.ok) << Joined(parsed.errors);
    const QuestionContent& q1 = parsed.source.content.questions[0];
    EXPECT_EQ(q1.answer1, "Royaume-Uni");
    EXPECT_EQ(q1.extraSpellings1, Texts{"Angleterre"}); // the same spelling again is dropped
    EXPECT_EQ(q1.answer2, "Londres");
    EXPECT_EQ(q1.extraSpellings2, (Texts{"London", "L'ondres | x"})); // the keyboard's apostrophe
    EXPECT_EQ(Joined(parsed.warnings),
              "line 5: answer: the spelling 'royaume-uni' is given twice: the second is dropped\n"
              "line 6: answer2: the typographic apostrophe \xE2\x80\x99 was replaced with ', the character "
              "players type\n");

    std::vector<std::string> notes;
    const std::string written = WriteQuizSource(parsed.source, "", &notes);
    EXPECT_NE(written.find("  answer: Royaume-Uni | Angleterre\n"), std::string::npos) << written;
    EXPECT_NE(written.find("  answer2: Londres | London | L'ondres \\| x\n"), std::string::npos) << written;
    const Parsed again = Parse(written);
    ASSERT_TRUE(again.ok) << Joined(again.errors);
    EXPECT_EQ(again.source.content.questions[0].extraSpellings2, q1.extraSpellings2);
    EXPECT_TRUE(notes.empty());
}

TEST(AnswerSpellings, EachSpellingIsCheckedAndTheLimitsAreSaid) {
    const std::string q = "question: q\nanswer: ";
    const struct {
        std::string text;
        const char* message;
        bool error;
    } cases[] = {
        {q + "Londres | | London\n", "line 2: answer: spelling 2 is empty (two '|' with nothing between)",
         true},
        {q + "Londres |\n", "line 2: answer: spelling 2 is empty (two '|' with nothing between)", true},
        {q + "a|b|c|d|e|f|g|h|i\n", "line 2: answer has 9 spellings; at most 8 are kept", true},
        {q + "Londres | " + std::string(56, 'x') + "\n",
         "line 2: answer is 56 characters long; at most 55 fit in an answer field, so it could never be "
         "typed",
         true},
        {q + std::string(55, 'a') + " | " + std::string(55, 'b') + " | " + std::string(55, 'c') + " | " +
             std::string(55, 'd') + " | " + std::string(40, 'e') + "\n",
         "line 2: answer: its spellings hold 260 characters together; at most 259 are kept", true},
        {q + "Paris | Pari\xC2\xA0\n",
         "line 2: answer starts or ends with a non-breaking space, so it could never be judged right: delete "
         "it",
         true},
        {q + "dix | 10\n",
         "line 2: the answer 'dix' has 3 characters or fewer, as have its other spellings: a wrong try shows "
         "FAUX, never a hint",
         false},
        {"kind: pictures\nanswers: 2\nquestion: q\npicture: p.png\nanswer: abcd\nanswer2: - | x\n",
         "line 6: answer2: - gives the question a single field: its other spellings are ignored", false},
    };
    for (const auto& c : cases) {
        const Parsed parsed = Parse(c.text);
        EXPECT_EQ(parsed.ok, !c.error) << c.text;
        const std::string messages = Joined(c.error ? parsed.errors : parsed.warnings);
        EXPECT_NE(messages.find(c.message), std::string::npos) << c.text << "\ngot:\n" << messages;
    }
    // A short first spelling with a longer one earns hints: no warning.
    EXPECT_EQ(Joined(Parse(q + "dix | 10 | douze\nscore: s\n").warnings), "");
    EXPECT_TRUE(
        Parse("kind: pictures\nanswers: 2\nquestion: q\npicture: p.png\nanswer: abcd\nanswer2: - | x\n")
            .source.content.questions[0]
            .extraSpellings2.empty());
}

} // namespace
