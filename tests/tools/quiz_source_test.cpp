// Source texts are UTF-8 bytes; the compiler turns plain literals into Windows-1252, so UTF-8 input is
// written with escapes.
#include <gtest/gtest.h>

#include <cstring>

#include "tools/common/messages.h"
#include "tools/source/quiz_source.h"

namespace {

const char* kTwoAnswerQuiz = "# a comment\n"
                             "title: Peintres\n"
                             "author: Moi\n"
                             "explanation: Qui a peint quoi ?\n"
                             "kind: pictures\n"
                             "answers: 2\n"
                             "label1: Peintre\n"
                             "label2: Si\xC3\xA8"
                             "cle\n"
                             "reveal-mode: 3\n"
                             "colour: 10 20 30\n"
                             "question: La Joconde\n"
                             "  answer: L\xC3\xA9onard de Vinci\n"
                             "  answer2: XVIe\n"
                             "  reveal: Au Louvre\n"
                             "  picture: joconde.jpg\n"
                             "  reward: louvre.jpg\n"
                             "question: Guernica\n"
                             "  answer: Picasso\n"
                             "  answer2: -\n"
                             "  picture: guernica.png\n"
                             "score: un\n"
                             "score: deux\n";

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

bool Holds(const std::vector<SourceMessage>& messages, const std::string& expected) {
    for (const SourceMessage& m : messages)
        if (FormatSourceMessage(m) == expected) return true;
    return false;
}

std::string Joined(const std::vector<SourceMessage>& messages) {
    std::string all;
    for (const SourceMessage& m : messages)
        all += FormatSourceMessage(m) + "\n";
    return all;
}

// A value refused is reported once: nothing that depends on it is judged, so no warning follows from
// it. Keys are read whatever their case, and an unknown key names the known one it is closest to.
TEST(QuizSource, ARefusedValueIsReportedOnceAndKeysAreReadWhateverTheirCase) {
    const struct {
        const char* from;
        const char* to;
        const char* error;
    } cases[] = {
        {"kind: pictures", "kind: Pictures",
         "line 5: kind must be text, pictures, audio or video: write it in small letters, pictures"},
        {"kind: pictures", "kind: photos", "line 5: kind must be text, pictures, audio or video"},
        {"reveal-mode: 3", "reveal-mode: 7", "line 9: reveal-mode must be a number from 0 to 6"},
        {"answers: 2", "answers: two", "line 6: answers must be a number from 1 to 2"},
        {"  picture: guernica.png", "  picutre: guernica.png",
         "line 20: unknown key 'picutre': did you mean 'picture'?"},
        {"  reward: louvre.jpg", "  rewad: louvre.jpg",
         "line 16: unknown key 'rewad': did you mean 'reward'?"},
        {"title: Peintres", "titel: Peintres", "line 2: unknown key 'titel': did you mean 'title'?"},
        {"title: Peintres", "flavour: Peintres", "line 2: unknown key 'flavour'"},
    };
    for (const auto& c : cases) {
        std::string text = kTwoAnswerQuiz;
        text.replace(text.find(c.from), std::string(c.from).size(), c.to);
        const Parsed parsed = Parse(text);
        EXPECT_FALSE(parsed.ok) << c.to;
        EXPECT_TRUE(Holds(parsed.errors, c.error)) << c.to << ":\n" << Joined(parsed.errors);
        // The misspelt picture key leaves its question without a picture: that is a second, real error.
        EXPECT_EQ(parsed.errors.size(), std::string(c.to).find("picutre") == std::string::npos ? 1u : 2u)
            << c.to << ":\n"
            << Joined(parsed.errors);
        EXPECT_TRUE(parsed.warnings.empty()) << c.to << ":\n" << Joined(parsed.warnings);
    }

    // Capitalised keys, as a word processor writes them, read like the plain ones.
    std::string capitalised;
    for (const char* line = kTwoAnswerQuiz; *line;) {
        const char* end = std::strchr(line, '\n');
        std::string one(line, end);
        const size_t first = one.find_first_not_of(' ');
        if (first != std::string::npos && one[first] >= 'a' && one[first] <= 'z')
            one[first] = static_cast<char>(one[first] - 32);
        capitalised += one + "\n";
        line = end + 1;
    }
    const Parsed plain = Parse(kTwoAnswerQuiz), capital = Parse(capitalised);
    ASSERT_TRUE(capital.ok) << Joined(capital.errors);
    EXPECT_TRUE(capital.warnings.empty()) << Joined(capital.warnings);
    EXPECT_EQ(capital.source.content.title, plain.source.content.title);
    EXPECT_EQ(capital.source.content.quizKind, 1);
    EXPECT_EQ(capital.source.media[0].reward, "louvre.jpg");
    EXPECT_EQ(capital.source.content.questions[1].answer2, "-");
}

// A French author reads the same checks in French.
TEST(QuizSource, SpeaksFrenchToAFrenchAuthor) {
    SetMessageLanguage(Language::French);
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"kind: Pictures\nquestion: q\n  answer: abcd\n",
         "line 1: kind doit valoir text, pictures, audio ou video : \xC3\xA9"
         "crivez-le en minuscules, pictures"},
        {"reveal-mode: 9\nquestion: q\n  answer: abcd\n",
         "line 1: reveal-mode doit \xC3\xAAtre un nombre de 0 \xC3\xA0 6"},
        {"question: q\n  answr: abcd\n",
         "line 2: cl\xC3\xA9 inconnue \xC2\xAB answr \xC2\xBB : vouliez-vous \xC3\xA9"
         "crire \xC2\xAB answer \xC2\xBB ?"},
        {"title: a\nquestion: q\n", "line 2: question 1 n'a pas de r\xC3\xA9ponse"},
        {"title: a\n", "le quiz n'a aucune question"},
    };
    for (const auto& c : cases) {
        const Parsed parsed = Parse(c.text);
        EXPECT_TRUE(Holds(parsed.errors, c.message)) << c.text << ":\n" << Joined(parsed.errors);
    }
    SetMessageLanguage(Language::English);
}

TEST(QuizSource, ReadsEveryKeyIntoTheQuizWithoutAWarning) {
    const Parsed parsed = Parse(kTwoAnswerQuiz);
    ASSERT_TRUE(parsed.ok) << Joined(parsed.errors);
    EXPECT_EQ(Joined(parsed.warnings), "");
    const QuizContent& quiz = parsed.source.content;
    EXPECT_EQ(quiz.title, "Peintres");
    EXPECT_EQ(quiz.quizKind, 1);
    EXPECT_EQ(quiz.answersPerQuestion, 2);
    EXPECT_EQ(quiz.answerLabel2, "Si\xE8"
                                 "cle");
    EXPECT_EQ(quiz.revealMode, 3);
    EXPECT_EQ(quiz.red, 10);
    EXPECT_EQ(quiz.green, 20);
    EXPECT_EQ(quiz.blue, 30);
    ASSERT_EQ(quiz.questions.size(), 2u);
    EXPECT_EQ(quiz.questions[0].questionText, "La Joconde");
    EXPECT_EQ(quiz.questions[0].answer1, "L\xE9onard de Vinci");
    EXPECT_EQ(quiz.questions[0].answer2, "XVIe");
    EXPECT_EQ(quiz.questions[0].revealText, "Au Louvre");
    EXPECT_EQ(quiz.questions[1].answer2, "-");
    const std::vector<QuestionMedia>& media = parsed.source.media;
    ASSERT_EQ(media.size(), 2u);
    EXPECT_EQ(media[0].picture, "joconde.jpg");
    EXPECT_EQ(media[0].reward, "louvre.jpg");
    EXPECT_EQ(media[1].reward, "");
    EXPECT_EQ(media[0].line, 11);
    EXPECT_EQ(media[0].pictureLine, 15);
    EXPECT_EQ(media[0].rewardLine, 16);
    EXPECT_EQ(media[1].line, 17);
    EXPECT_EQ(quiz.scoreMessages, (std::vector<std::string>{"un", "deux"}));
}

struct Case {
    std::string text;
    std::string expected; // one whole message, "line N: ..."
};

// An author's mistake is named with its own line, before anything is written.
TEST(QuizSource, NamesTheLineOfEachMistake) {
    const std::string q = "question: q\nanswer: abcd\n";
    const Case cases[] = {
        {"title Capitales\n" + q, "line 1: expected 'key: value'"},
        {"colour: 1 2\n" + q, "line 1: colour must be three numbers from 0 to 255: red green blue"},
        {"kind: radio\n" + q, "line 1: kind must be text, pictures, audio or video"},
        {"answers: 3\n" + q, "line 1: answers must be a number from 1 to 2"},
        {"reveal-mode: 7\n" + q, "line 1: reveal-mode must be a number from 0 to 6"},
        {"nonsense: 1\n" + q, "line 1: unknown key 'nonsense'"},
        {"answer: Paris\n" + q, "line 1: 'answer' belongs to a question: write 'question: ...' first"},
        {"question: q\nanswer: a\\|b\n",
         "line 2: answer: the first spelling cannot hold '|' (the player's data separates fields with it); a "
         "later one can, written \\|"},
        {"title: x|y\n" + q,
         "line 1: title: the character '|' cannot be used (the player's data separates fields with it)"},
        {"question: q\nanswer: \xE4\xB8\xAD\n",
         "line 2: answer: U+4E2D '\xE4\xB8\xAD' has no Windows-1252 code, which the player cannot show"},
        {"question: " + std::string(260, 'x') + "\nanswer: abcd\n",
         "line 1: question is 260 characters long; at most 259 fit"},
        {"question: q\nanswer: " + std::string(56, 'x') + "\n",
         "line 2: answer is 56 characters long; at most 55 fit in an answer field, so it could never be "
         "typed"},
        {"question: q\nanswer: Paris\xC2\xA0\n", "line 2: answer starts or ends with a non-breaking space, "
                                                 "so it could never be judged right: delete it"},
        {"title: t\n", "the quiz has no question"},
        // The question's own line, not the end of the file.
        {"title: t\nquestion: q1\n\nquestion: q2\nanswer: abcd\n# end\n\n",
         "line 2: question 1 has no answer"},
        {"answers: 2\nkind: pictures\nquestion: q\nanswer: abcd\npicture: p.jpg\n",
         "line 3: question 1 has no answer2 (write answer2: - for a question with one answer)"},
        {"kind: audio\nquestion: q\nanswer: abcd\n", "line 2: question 1 has no sound (picture: FILE)"},
        {"kind: pictures\nquestion: q\nanswer: abcd\npicture:\n", "line 4: picture needs a file name"},
        {"answers: 2\n" + q, "line 1: a text-list quiz has one answer per question (answers: 1)"},
        {q + "score: 1\nscore: 2\n",
         "line 4: 2 score lines for 1 question: at most one per possible score, 1 to 1"},
    };
    for (const Case& c : cases) {
        const Parsed parsed = Parse(c.text);
        EXPECT_FALSE(parsed.ok) << c.text;
        EXPECT_TRUE(Holds(parsed.errors, c.expected)) << c.text << "\ngot:\n" << Joined(parsed.errors);
    }
}

// Keys that would do nothing, and answers the judge treats in ways the author may not expect.
TEST(QuizSource, WarnsOfWhatTheQuizWillNotUse) {
    const std::string q = "question: q\nanswer: abcd\n";
    const std::string pictures = "kind: pictures\nquestion: q\nanswer: abcd\npicture: p.png\n"; // lines 1-4
    const Case cases[] = {
        {q + "answer2: other\n", "line 3: a text-list quiz has one answer per question: answer2 is ignored"},
        {pictures + "answer2: other\n",
         "line 5: the quiz has one answer per question (answers: 1): answer2 is ignored"},
        {q + "picture: p.png\n", "line 3: a text-list quiz shows no picture: picture is ignored"},
        {pictures + "reward: r.png\n", "line 5: reward pictures are shown only in a picture quiz with "
                                       "reveal-mode 1 or 3: reward is ignored"},
        {q + "reveal: text\nreveal-mode: 2\n",
         "line 3: reveal texts are shown only in a picture, audio or video "
         "quiz with reveal-mode 2, 3 or 4: reveal is ignored"},
        {"title: A\ntitle: B\n" + q, "line 2: title given again: this value replaces the one on line 1"},
        {q + "answer: efgh\n", "line 3: answer given again: this value replaces the one on line 2"},
        {"question: q\nanswer: Oui\n",
         "line 2: the answer 'Oui' has 3 characters or fewer: a wrong try shows FAUX, never a hint"},
        {"question: q\nanswer: abcd\nquestion: r\nanswer: efgh\nscore: un\n",
         "line 5: 1 score line for 2 questions: a score above 1 shows no code"},
        {"question: q\nanswer: c\xC5\x93ur\n", "line 2: answer: few players can type '\xC5\x93': one who "
                                               "types it as two letters is not judged right"},
        {"question: q\nanswer: l\xE2\x80\x99\xC3\xA9"
         "cole\n",
         "line 2: answer: the typographic apostrophe \xE2\x80\x99 was replaced with ', the character players "
         "type"},
    };
    for (const Case& c : cases) {
        const Parsed parsed = Parse(c.text);
        EXPECT_TRUE(parsed.ok) << c.text << Joined(parsed.errors);
        EXPECT_TRUE(Holds(parsed.warnings, c.expected)) << c.text << "\ngot:\n" << Joined(parsed.warnings);
    }
}

// What a warned key leaves in the quiz: the later of two values, and nothing of an ignored file.
TEST(QuizSource, IgnoredKeysLeaveNothingAndTheLastValueWins) {
    const Parsed parsed =
        Parse("title: A\ntitle: B\nquestion: q\nanswer: abcd\nanswer: efgh\npicture: p.png\n");
    ASSERT_TRUE(parsed.ok) << Joined(parsed.errors);
    EXPECT_EQ(parsed.source.content.title, "B");
    EXPECT_EQ(parsed.source.content.questions[0].answer1, "efgh");
    EXPECT_EQ(parsed.source.media[0].picture, "");
    EXPECT_EQ(parsed.source.media[0].pictureLine, 6);
}

// Pasted from a word processor: stored as a keyboard types it, so that the player can be judged right.
TEST(QuizSource, StoresTheKeyboardCharacterForTypographicQuotes) {
    const struct {
        const char* answer;
        const char* stored; // Windows-1252
    } cases[] = {
        {"l\xE2\x80\x99\xC3\xA9"
         "cole",
         "l'\xE9"
         "cole"},
        {"\xE2\x80\x98oui\xE2\x80\x99", "'oui'"},
        {"\xE2\x80\x9C"
         "Casablanca\xE2\x80\x9D",
         "\"Casablanca\""},
        {"\xC2\xAB\xC2\xA0Tintin\xC2\xA0\xC2\xBB", "\" Tintin \""},
    };
    for (const auto& c : cases) {
        const Parsed parsed = Parse(std::string("question: q\nanswer: ") + c.answer + "\n");
        ASSERT_TRUE(parsed.ok) << c.answer << Joined(parsed.errors);
        EXPECT_EQ(parsed.source.content.questions[0].answer1, c.stored);
        EXPECT_FALSE(parsed.warnings.empty()) << c.answer;
    }
    // Question texts are shown, not typed: they keep their typography.
    const Parsed shown = Parse("question: l\xE2\x80\x99"
                               "eau\nanswer: abcd\n");
    EXPECT_EQ(shown.source.content.questions[0].questionText, "l\x92"
                                                              "eau");
}

TEST(QuizSource, RecognisesFilesThatAreNotUtf8) {
    const std::string latin1 = "title: T\nquestion: q\nanswer: caf\xE9\n";
    const Case cases[] = {
        {std::string("\xFF\xFEt\0i\0", 6), "the file is saved as UTF-16: save the file as UTF-8"},
        {std::string("\xFE\xFF\0t\0i", 6), "the file is saved as UTF-16: save the file as UTF-8"},
        {std::string("t\0i\0t\0", 6),
         "the file holds NUL bytes, as UTF-16 text does: save the file as UTF-8"},
        {latin1,
         "line 3: byte 0xE9 is not UTF-8: the file seems saved as Latin-1 or Windows-1252; save the file "
         "as UTF-8"},
    };
    for (const Case& c : cases) {
        const Parsed parsed = Parse(c.text);
        EXPECT_FALSE(parsed.ok);
        ASSERT_EQ(parsed.errors.size(), 1u) << Joined(parsed.errors);
        EXPECT_EQ(FormatSourceMessage(parsed.errors[0]), c.expected);
    }
}

TEST(QuizSource, AcceptsAByteOrderMarkAndEveryLineEndSilently) {
    for (const char* end : {"\n", "\r\n", "\r"}) {
        const std::string e = end;
        const Parsed parsed =
            Parse("\xEF\xBB\xBFtitle: T" + e + "question: Q" + e + "answer: Abcd " + e + "score: s" + e);
        ASSERT_TRUE(parsed.ok) << Joined(parsed.errors);
        EXPECT_EQ(Joined(parsed.warnings), "");
        EXPECT_EQ(parsed.source.content.title, "T");
        EXPECT_EQ(parsed.source.content.questions[0].answer1, "Abcd");
        EXPECT_EQ(parsed.source.media[0].line, 2);
    }
}

TEST(QuizSource, RefusesTheNinetySeventhQuestion) {
    std::string text;
    for (int i = 0; i < 97; ++i)
        text += "question: q\nanswer: abcd\n";
    const Parsed parsed = Parse(text);
    EXPECT_FALSE(parsed.ok);
    ASSERT_EQ(parsed.errors.size(), 1u);
    EXPECT_EQ(FormatSourceMessage(parsed.errors[0]), "line 193: a quiz holds at most 96 questions");
}

} // namespace
