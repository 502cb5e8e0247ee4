// The authoring tool's coding commands, checked the way the player reads their output: through the loader.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "quizdata/quiz_document.h"
#include "quizdata/quiz_loader.h"
#include "tests/quizdata/fake_resources.h"
#include "tools/file_bytes.h"

int RunCodeCommand(int argc, char** argv);
int RunBuiltinCommand(int argc, char** argv);

namespace {

std::string MakeScratchDirectory() {
    char pattern[] = "/tmp/jorvo-code-XXXXXX";
    const char* made = mkdtemp(pattern);
    return made ? made : "";
}

int RunCommand(int (*command)(int, char**), std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (std::string& a : arguments)
        argv.push_back(&a[0]);
    return command(static_cast<int>(argv.size()), argv.data());
}

std::string ReadText(const std::string& path) {
    ByteVector bytes;
    EXPECT_TRUE(ReadFileBytes(path, &bytes)) << path;
    return std::string(bytes.begin(), bytes.end());
}

const char* kQuiz = "title: Peintres\n"
                    "author: Moi\n"
                    "kind: pictures\n"
                    "answers: 2\n"
                    "label1: Peintre\n"
                    "label2: Si\xC3\xA8"
                    "cle\n"
                    "reveal-mode: 3\n"
                    "colour: 10 20 30\n"
                    "question: La Joconde\n"
                    "answer: L\xC3\xA9onard\n"
                    "answer2: XVIe\n"
                    "reveal: Au Louvre\n"
                    "picture: joconde.jpg\n"
                    "reward: louvre.jpg\n"
                    "question: Guernica\n"
                    "answer: Picasso\n"
                    "answer2: -\n"
                    "picture: guernica.png\n"
                    "score: un\n";

struct CodedQuiz {
    std::string directory;
    FakeResources resources;
};

void CodeQuiz(bool scramble, CodedQuiz* coded) {
    const std::string dir = MakeScratchDirectory();
    ASSERT_FALSE(dir.empty());
    ASSERT_TRUE(WriteFileText(dir + "/art.quiz", kQuiz));
    ASSERT_TRUE(WriteFileBytes(dir + "/joconde.jpg", {0xFF, 0xD8, 0xFF, 0xE0}));
    ASSERT_TRUE(WriteFileBytes(dir + "/louvre.jpg", {0xFF, 0xD8, 0x12, 0xAB}));
    ASSERT_TRUE(WriteFileBytes(dir + "/guernica.png", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0}));
    std::vector<std::string> arguments = {dir + "/art.quiz", dir};
    if (scramble) arguments.push_back("--scramble");
    ASSERT_EQ(RunCommand(RunCodeCommand, arguments), 0);

    coded->directory = dir;
    int keyPosition = 0;
    coded->resources.block = CodeBuiltInBlock("lien", "pied", false, keyPosition);
    ASSERT_TRUE(ReadFileBytes(dir + "/patch104.bin", &coded->resources.pieces[kQuizPieceId]));
    ASSERT_TRUE(ReadFileBytes(dir + "/patch105.bin", &coded->resources.pieces[kScorePieceId]));
}

TEST(CodeCommand, TheLoaderReadsBackEveryFieldPlainOrScrambled) {
    for (bool scramble : {false, true}) {
        CodedQuiz coded;
        CodeQuiz(scramble, &coded);
        if (HasFatalFailure()) return;
        QuizDocument document;
        QuizLoader::load(&document, FakeAccess(coded.resources));
        EXPECT_TRUE(coded.resources.messages.empty()) << coded.resources.messages[0].text;
        EXPECT_STREQ(document.title, "Peintres");
        EXPECT_STREQ(document.author, "Moi");
        EXPECT_EQ(document.quizKind, 1);
        EXPECT_EQ(document.answersPerQuestion, 2);
        EXPECT_EQ(document.questionCount, 2);
        EXPECT_STREQ(document.answerLabel2, "Si\xE8"
                                            "cle");
        EXPECT_EQ(document.revealMode, 3);
        EXPECT_EQ(document.backgroundColour[0], 10);
        EXPECT_EQ(document.backgroundColour[1], 30);
        EXPECT_EQ(document.backgroundColour[2], 20);
        EXPECT_STREQ(document.questionAt(0)->answer1, "L\xE9onard");
        EXPECT_STREQ(document.questionAt(0)->answer2, "XVIe");
        EXPECT_STREQ(document.questionAt(0)->revealText, "Au Louvre");
        EXPECT_STREQ(document.questionAt(1)->questionText, "Guernica");
        EXPECT_STREQ(document.questionAt(1)->answer2, "-");
        EXPECT_STREQ(document.scoreMessages[0], "un");
        EXPECT_STREQ(document.scoreMessages[1], ""); // no code given for a full score
        EXPECT_STREQ(document.linkText, "lien");
    }
}

// Pictures go in as IMG, PNG files as raw data, reward pictures nibble-swapped.
TEST(CodeCommand, NamesEveryMediaFileInTheResourceScript) {
    CodedQuiz coded;
    CodeQuiz(false, &coded);
    if (HasFatalFailure()) return;
    const std::string& dir = coded.directory;
    const std::string script = ReadText(dir + "/quiz.rc");
    for (const std::string& line :
         {"104 PATCH \"" + dir + "/patch104.bin\"", "105 PATCH \"" + dir + "/patch105.bin\"",
          "401 IMG \"" + dir + "/joconde.jpg\"", "10401 IMG \"" + dir + "/reward10401.bin\"",
          "402 RCDATA \"" + dir + "/guernica.png\""})
        EXPECT_NE(script.find(line + "\n"), std::string::npos) << line << "\nin:\n" << script;
    EXPECT_EQ(script.find("10402"), std::string::npos);
    ByteVector swapped;
    ASSERT_TRUE(ReadFileBytes(dir + "/reward10401.bin", &swapped));
    EXPECT_EQ(swapped, (ByteVector{0xFF, 0x8D, 0x21, 0xBA}));
}

TEST(CodeCommand, RefusesAQuizItCannotCodeWithoutWritingIt) {
    const std::string dir = MakeScratchDirectory();
    struct Case {
        const char* what;
        std::string quiz;
    } cases[] = {
        {"source mistake", "kind: radio\n"},
        {"missing picture file", "kind: pictures\nquestion: q\nanswer: a\npicture: absent.jpg\n"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(WriteFileText(dir + "/bad.quiz", c.quiz));
        EXPECT_NE(RunCommand(RunCodeCommand, {dir + "/bad.quiz", dir}), 0) << c.what;
        ByteVector written;
        EXPECT_FALSE(ReadFileBytes(dir + "/quiz.rc", &written)) << c.what;
        EXPECT_FALSE(ReadFileBytes(dir + "/patch104.bin", &written)) << c.what;
    }
    EXPECT_NE(RunCommand(RunCodeCommand, {dir + "/absent.quiz", dir}), 0);
    EXPECT_EQ(RunCommand(RunCodeCommand, {"only-one-argument"}), 2);
}

// The generated definition holds 70 bytes that the loader decodes into the two texts.
TEST(BuiltinCommand, WritesABlockTheLoaderReads) {
    const std::string dir = MakeScratchDirectory();
    ASSERT_EQ(RunCommand(RunBuiltinCommand,
                         {"https://jorvo.fr", "Jorvo, le quiz \xC3\xA0 l'essai", dir + "/b.cpp"}),
              0);
    const std::string source = ReadText(dir + "/b.cpp");
    const size_t open = source.find('{');
    ASSERT_NE(open, std::string::npos);
    FakeResources resources;
    for (const char* p = source.c_str() + open + 1; *p && *p != '}';) {
        char* end;
        const long value = std::strtol(p, &end, 10);
        if (end == p) {
            ++p;
            continue;
        }
        resources.block.push_back(static_cast<uint8_t>(value));
        p = end;
    }
    ASSERT_EQ(resources.block.size(), 70u);
    QuizDocument document;
    QuizLoader::load(&document, FakeAccess(resources));
    EXPECT_STREQ(document.linkText, "https://jorvo.fr");
    EXPECT_STREQ(document.footerText, "Jorvo, le quiz \xE0 l'essai");

    EXPECT_NE(
        RunCommand(RunBuiltinCommand, {"https://a-link-that-is-far-too-long.example", "x", dir + "/c.cpp"}),
        0);
    EXPECT_NE(RunCommand(RunBuiltinCommand, {"a|b", "x", dir + "/c.cpp"}), 0);
}

} // namespace
