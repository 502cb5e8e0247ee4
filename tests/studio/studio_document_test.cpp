// The Studio's document: sources read and saved as jorvo-maker reads them, questions added, moved and
// removed within the player's limits, media paths kept relative to the source.
#include <gtest/gtest.h>

#include <string>

#include "tools/source/quiz_source.h"
#include "tools/studio/studio_document.h"

namespace {

QuizSource Parsed(const std::string& text) {
    QuizSource source;
    std::vector<SourceMessage> errors, warnings;
    ParseQuizSource(text, &source, &errors, &warnings);
    return source;
}

void ExpectSameQuiz(const QuizSource& a, const QuizSource& b) {
    const QuizContent &x = a.content, &y = b.content;
    EXPECT_EQ(x.title, y.title);
    EXPECT_EQ(x.author, y.author);
    EXPECT_EQ(x.explanation, y.explanation);
    EXPECT_EQ(x.answerLabel1, y.answerLabel1);
    EXPECT_EQ(x.answerLabel2, y.answerLabel2);
    EXPECT_EQ(x.quizKind, y.quizKind);
    EXPECT_EQ(x.answersPerQuestion, y.answersPerQuestion);
    EXPECT_EQ(x.revealMode, y.revealMode);
    EXPECT_EQ(x.red + x.green * 256 + x.blue * 65536, y.red + y.green * 256 + y.blue * 65536);
    EXPECT_EQ(x.scoreMessages, y.scoreMessages);
    ASSERT_EQ(x.questions.size(), y.questions.size());
    ASSERT_EQ(a.media.size(), b.media.size());
    for (size_t i = 0; i < x.questions.size(); ++i) {
        EXPECT_EQ(x.questions[i].questionText, y.questions[i].questionText) << i;
        EXPECT_EQ(x.questions[i].answer1, y.questions[i].answer1) << i;
        EXPECT_EQ(x.questions[i].answer2, y.questions[i].answer2) << i;
        EXPECT_EQ(x.questions[i].revealText, y.questions[i].revealText) << i;
        EXPECT_EQ(a.media[i].picture, b.media[i].picture) << i;
        EXPECT_EQ(a.media[i].reward, b.media[i].reward) << i;
    }
}

// Written by hand: keys out of the writer's order, comments here and there, CR LF line ends, accents.
const char kHandWritten[] = "# Mon quiz des animaux\r\n"
                            "kind: pictures\r\n"
                            "title: Les animaux \xC3\xA0 plumes\r\n"
                            "answers: 2\r\n"
                            "label1: Nom\r\n"
                            "label2: Couleur\r\n"
                            "reveal-mode: 3\r\n"
                            "colour: 10 20 30\r\n"
                            "score: D\xC3\xA9\x62utant\r\n"
                            "question: Qui est-ce ?\r\n"
                            "  # la photo vient du jardin\r\n"
                            "  picture: images/\xC3\xA9\x63ureuil roux.jpg\r\n"
                            "  answer2: roux\r\n"
                            "  answer: \xC3\xA9\x63ureuil\r\n"
                            "  reward: bravo.png\r\n"
                            "  reveal: Il mange des noisettes.\r\n"
                            "question: Et lui ?\r\n"
                            "  answer: pie\r\n"
                            "  answer2: -\r\n"
                            "  picture: pie.png\r\n"
                            "score: Expert\r\n"
                            "author: Mme Martin\r\n";

TEST(StudioDocument, HandWrittenSourceSavesToTheSameQuizAndKeepsItsComments) {
    StudioDocument document;
    std::string error;
    ASSERT_TRUE(ReadStudioSource(kHandWritten, "/cours/animaux.quiz", &document, &error)) << error;
    const std::string saved = StudioSourceText(document);
    ExpectSameQuiz(Parsed(kHandWritten), Parsed(saved));
    EXPECT_EQ(document.heading, "Mon quiz des animaux\nla photo vient du jardin");
    EXPECT_EQ(saved.compare(0, 26, "# Mon quiz des animaux\n# l"), 0) << saved;
    // Saved again after reading its own output, the text does not move.
    StudioDocument again;
    ASSERT_TRUE(ReadStudioSource(saved, "/cours/animaux.quiz", &again, &error));
    EXPECT_EQ(StudioSourceText(again), saved);
    EXPECT_EQ(document.selected, 0);
    EXPECT_FALSE(document.changed);
}

TEST(StudioDocument, SourcesNotInUtf8AreRefusedAndTheOpenQuizStays) {
    const struct {
        std::string bytes;
        const char* says;
    } cases[] = {
        {std::string("\xFF\xFEt\0i\0", 6), "UTF-16"},
        {std::string("t\0i\0t\0l\0", 8), "UTF-16"},
        {"title: Caf\xE9\n", "Latin-1"},
    };
    for (const auto& c : cases) {
        StudioDocument document;
        NewStudioDocument(&document);
        document.source.content.title = "garde";
        document.changed = true;
        std::string error;
        EXPECT_FALSE(ReadStudioSource(c.bytes, "x.quiz", &document, &error));
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
        EXPECT_NE(error.find("Enregistrez-le en UTF-8"), std::string::npos) << error;
        EXPECT_EQ(document.source.content.title, "garde");
        EXPECT_TRUE(document.changed);
    }
}

TEST(StudioDocument, QuestionsAreAddedMovedAndDeletedWithTheirMedia) {
    StudioDocument document;
    NewStudioDocument(&document);
    ASSERT_TRUE(AddMediaQuestion(&document, "/cours/a.png"));
    ASSERT_TRUE(AddMediaQuestion(&document, "/cours/b.png"));
    ASSERT_TRUE(InsertQuestion(&document, 1)); // between them, selected
    EXPECT_EQ(document.selected, 1);
    document.source.content.questions[1].answer1 = "milieu";
    EXPECT_TRUE(MoveQuestion(&document, 1, +1));
    EXPECT_EQ(document.selected, 2);
    EXPECT_EQ(document.source.content.questions[2].answer1, "milieu");
    EXPECT_EQ(document.source.media[1].picture, "/cours/b.png");
    EXPECT_FALSE(MoveQuestion(&document, 2, +1));
    EXPECT_FALSE(MoveQuestion(&document, 0, -1));
    DeleteQuestion(&document, 2); // the last: the one before it is selected
    EXPECT_EQ(document.selected, 1);
    EXPECT_EQ(document.source.content.questions.size(), 2u);
    EXPECT_EQ(document.source.media.size(), 2u);
    EXPECT_TRUE(document.changed);
    DeleteQuestion(&document, 0);
    DeleteQuestion(&document, 0);
    EXPECT_EQ(document.selected, -1);

    while (InsertQuestion(&document, 0)) {
    }
    EXPECT_EQ(document.source.content.questions.size(), 96u);
    EXPECT_FALSE(AddMediaQuestion(&document, "/cours/c.png"));
    EXPECT_EQ(document.source.media.size(), 96u);
}

TEST(StudioDocument, AnswersComeFromFileNames) {
    const struct {
        const char* path;
        const char* answer; // UTF-8
    } cases[] = {
        {"C:\\Cours\\Images\\\xC3\xA9\x63ureuil_roux.jpg", "\xC3\xA9\x63ureuil roux"},
        {"/cours/pays-bas.PNG", "pays bas"},
        {"tour__eiffel-.gif", "tour  eiffel"},
        {"archive.tar.gz", "archive.tar"},
        {"sans extension", "sans extension"},
        {".png", ".png"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AnswerFromFileName(c.path), c.answer) << c.path;

    StudioDocument document;
    NewStudioDocument(&document);
    ASSERT_TRUE(AddMediaQuestion(&document, "/cours/\xC3\xA9t\xC3\xA9.png"));
    EXPECT_EQ(document.source.content.questions[0].answer1, "\xE9t\xE9"); // Windows-1252 inside
    ASSERT_TRUE(AddMediaQuestion(&document, "/cours/\xE4\xB8\xAD.png"));  // no Windows-1252 code
    EXPECT_EQ(document.source.content.questions[1].answer1, "");
}

TEST(StudioDocument, MediaPathsAreRelativeToTheSourceAndFollowItWhenSavedElsewhere) {
    const struct {
        const char* source;
        const char* media;
        const char* written;
    } cases[] = {
        {"C:\\Cours\\quiz.quiz", "C:\\Cours\\images\\chat.png", "images/chat.png"},
        {"C:\\Cours\\quiz.quiz", "c:\\cours\\chat.png", "chat.png"},
        {"C:\\Cours\\quiz.quiz", "D:\\photos\\chat.png", "D:\\photos\\chat.png"},
        {"C:\\Cours\\quiz.quiz", "C:\\Coursier\\chat.png", "C:\\Coursier\\chat.png"},
        {"/home/prof/quiz.quiz", "/home/prof/img/chat.png", "img/chat.png"},
        {"", "/home/prof/chat.png", "/home/prof/chat.png"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MediaPathFor(c.source, c.media), c.written) << c.source << " " << c.media;

    StudioDocument document;
    NewStudioDocument(&document);
    document.path = "/home/prof/quiz.quiz";
    AddMediaQuestion(&document, "/home/prof/img/chat.png");
    document.source.media[0].reward = "/elsewhere/bravo.png";
    RebaseStudioDocument(&document, "/home/prof/img/copie.quiz");
    EXPECT_EQ(document.source.media[0].picture, "chat.png");
    EXPECT_EQ(document.source.media[0].reward, "/elsewhere/bravo.png");
    RebaseStudioDocument(&document, "/tmp/copie.quiz");
    EXPECT_EQ(document.source.media[0].picture, "/home/prof/img/chat.png");
    EXPECT_EQ(document.path, "/tmp/copie.quiz");
}

} // namespace
