// Source texts are UTF-8 bytes; the compiler turns plain literals into Windows-1252, so UTF-8 input is
// written with escapes.
#include <gtest/gtest.h>

#include "tools/quiz_source.h"

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

TEST(QuizSource, ReadsEveryKeyIntoTheQuiz) {
    QuizSource source;
    std::string error;
    ASSERT_TRUE(ParseQuizSource(kTwoAnswerQuiz, &source, &error)) << error;
    const QuizContent& quiz = source.content;
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
    ASSERT_EQ(source.media.size(), 2u);
    EXPECT_EQ(source.media[0].picture, "joconde.jpg");
    EXPECT_EQ(source.media[0].reward, "louvre.jpg");
    EXPECT_EQ(source.media[1].reward, "");
    EXPECT_EQ(quiz.scoreMessages, (std::vector<std::string>{"un", "deux"}));
}

struct BadSource {
    const char* text;
    const char* expected; // part of the error
};

// An author's mistake is named with its line, before anything is written.
TEST(QuizSource, NamesTheLineOfEachMistake) {
    const std::string longText(260, 'x');
    const std::string longAnswer(56, 'x');
    const std::string tooLong = "question: " + longText + "\nanswer: a\n";
    const std::string answerTooLong = "question: q\nanswer: " + longAnswer + "\n";
    const BadSource cases[] = {
        {"title Capitales\n", "line 1: expected 'key: value'"},
        {"colour: 1 2\nquestion: q\nanswer: a\n", "line 1: colour"},
        {"colour: 1 2 300\nquestion: q\nanswer: a\n", "line 1: colour"},
        {"kind: radio\n", "line 1: kind"},
        {"answers: 3\n", "line 1: answers must be a number from 1 to 2"},
        {"reveal-mode: 7\n", "line 1: reveal-mode"},
        {"nonsense: 1\n", "line 1: unknown key 'nonsense'"},
        {"answer: Paris\n", "line 1: 'answer' belongs to a question"},
        {"question: q\nanswer: a|b\n", "line 2: answer: the character '|'"},
        {"question: q\nanswer: \xE4\xB8\xAD\n", "line 2: answer: U+4E2D"},
        {tooLong.c_str(), "line 1: question is 260 characters long; at most 259 fit"},
        {answerTooLong.c_str(), "line 2: answer is 56 characters long; at most 55 fit"},
        {"title: t\n", "the quiz has no question"},
        {"question: q\n", "question 1 has no answer"},
        {"answers: 2\nkind: pictures\nquestion: q\nanswer: a\npicture: p.jpg\n", "question 1 has no answer2"},
        {"kind: audio\nquestion: q\nanswer: a\n", "question 1 has no picture"},
        {"answers: 2\nquestion: q\nanswer: a\nanswer2: b\n", "a text quiz has one answer per question"},
        {"question: q\nanswer: a\nscore: 1\nscore: 2\n", "2 score lines for 1 questions"},
    };
    for (const BadSource& c : cases) {
        QuizSource source;
        std::string error;
        EXPECT_FALSE(ParseQuizSource(c.text, &source, &error)) << c.text;
        EXPECT_NE(error.find(c.expected), std::string::npos)
            << "got: " << error << "\nwanted: " << c.expected;
    }
}

TEST(QuizSource, RefusesTheNinetySeventhQuestion) {
    std::string text;
    for (int i = 0; i < 97; ++i)
        text += "question: q\nanswer: a\n";
    QuizSource source;
    std::string error;
    EXPECT_FALSE(ParseQuizSource(text, &source, &error));
    EXPECT_NE(error.find("line 193: a quiz holds at most 96 questions"), std::string::npos) << error;
}

TEST(QuizSource, AcceptsAByteOrderMarkAndWindowsLineEnds) {
    QuizSource source;
    std::string error;
    ASSERT_TRUE(ParseQuizSource("\xEF\xBB\xBFtitle: T\r\nquestion: Q\r\nanswer: A \r\n", &source, &error))
        << error;
    EXPECT_EQ(source.content.title, "T");
    EXPECT_EQ(source.content.questions[0].answer1, "A");
}

} // namespace
