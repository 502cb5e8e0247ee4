// The authoring tool's coding commands, checked the way the player reads their output: through the loader.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <string>
#include <sys/wait.h>

#include "quizdata/quiz_document.h"
#include "quizdata/quiz_loader.h"
#include "tests/quizdata/fake_resources.h"
#include "tests/tools/fake_pe.h"
#include "tests/tools/media_samples.h"
#include "tools/common/file_bytes.h"

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

size_t CountFiles(const std::string& dir) {
    DIR* folder = opendir(dir.c_str());
    if (!folder) return 0;
    size_t count = 0;
    while (const dirent* entry = readdir(folder))
        count += entry->d_name[0] != '.';
    closedir(folder);
    return count;
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
    ASSERT_TRUE(WriteFileBytes(dir + "/joconde.jpg", TinyJpeg()));
    ASSERT_TRUE(WriteFileBytes(dir + "/louvre.jpg", TinyGif()));
    ASSERT_TRUE(WriteFileBytes(dir + "/guernica.png", TinyPng()));
    // The output folder is made when missing.
    std::vector<std::string> arguments = {dir + "/art.quiz", dir + "/out"};
    if (scramble) arguments.push_back("--scramble");
    ASSERT_EQ(RunCommand(RunCodeCommand, arguments), 0);

    coded->directory = dir;
    ASSERT_EQ(CountFiles(dir + "/out"), 4u); // the two pieces, the reward copy and the script
    int keyPosition = 0;
    coded->resources.block = CodeBuiltInBlock("lien", "pied", false, keyPosition);
    ASSERT_TRUE(ReadFileBytes(dir + "/out/patch104.bin", &coded->resources.pieces[kQuizPieceId]));
    ASSERT_TRUE(ReadFileBytes(dir + "/out/patch105.bin", &coded->resources.pieces[kScorePieceId]));
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
    const std::string out = dir + "/out";
    const std::string script = ReadText(out + "/quiz.rc");
    for (const std::string& line :
         {"104 PATCH \"" + out + "/patch104.bin\"", "105 PATCH \"" + out + "/patch105.bin\"",
          "401 IMG \"" + dir + "/joconde.jpg\"", "10401 IMG \"" + out + "/reward10401.bin\"",
          "402 RCDATA \"" + dir + "/guernica.png\""})
        EXPECT_NE(script.find(line + "\n"), std::string::npos) << line << "\nin:\n" << script;
    EXPECT_EQ(script.find("10402"), std::string::npos);
    ByteVector swapped;
    ASSERT_TRUE(ReadFileBytes(out + "/reward10401.bin", &swapped));
    ASSERT_EQ(swapped.size(), TinyGif().size());
    EXPECT_EQ(swapped[0], 0x74); // 'G' with its halves exchanged
    EXPECT_EQ(swapped[5], 0x16); // 'a'
    EXPECT_EQ(swapped.back(), 0xB3);
}

TEST(CodeCommand, RefusesAQuizItCannotCodeWithoutWritingIt) {
    const std::string dir = MakeScratchDirectory();
    struct Case {
        const char* what;
        std::string quiz;
        std::string message; // after "FILE:"
    } cases[] = {
        {"source mistake", "kind: radio\n", "1: kind must be"},
        {"missing picture file", "kind: pictures\nquestion: q\nanswer: abcd\npicture: absent.jpg\n",
         "4: cannot read " + dir + "/absent.jpg: no such file"},
        {"text given as a picture", "kind: pictures\nquestion: q\nanswer: abcd\npicture: bad.quiz\n",
         "4: bad.quiz is not a picture"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(WriteFileText(dir + "/bad.quiz", c.quiz));
        testing::internal::CaptureStderr();
        EXPECT_NE(RunCommand(RunCodeCommand, {dir + "/bad.quiz", dir}), 0) << c.what;
        EXPECT_NE(testing::internal::GetCapturedStderr().find("error: " + dir + "/bad.quiz:" + c.message),
                  std::string::npos)
            << c.what;
        ByteVector written;
        EXPECT_FALSE(ReadFileBytes(dir + "/quiz.rc", &written)) << c.what;
        EXPECT_FALSE(ReadFileBytes(dir + "/patch104.bin", &written)) << c.what;
    }
    testing::internal::CaptureStderr();
    EXPECT_NE(RunCommand(RunCodeCommand, {dir + "/absent.quiz", dir}), 0);
    EXPECT_EQ(RunCommand(RunCodeCommand, {"only-one-argument"}), 2);
    testing::internal::GetCapturedStderr();
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

struct MakerRun {
    int code;
    std::string printed; // standard output
};

// Runs the built tool through the shell, as an author does, in the locale given (English by default).
MakerRun RunMaker(const std::string& arguments, bool withErrors = false, const std::string& locale = "C") {
    const std::string command = "LC_ALL=" + locale + " " + std::string(JORVO_MAKER) + " " + arguments +
                                (withErrors ? " 2>&1" : " 2>/dev/null");
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return {-1, ""};
    std::string printed;
    char chunk[256];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0)
        printed.append(chunk, got);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, printed};
}

TEST(MakerCommandLine, HelpAndVersionAnswerZero) {
    const struct {
        const char* arguments;
        int code;
        const char* printed;
    } cases[] = {
        {"--help", 0, "\n  jorvo-maker version   print the tool's version"},
        {"-h", 0, "\n  jorvo-maker code QUIZ OUTDIR [--scramble]   code a quiz source"},
        {"--version", 0, "jorvo-maker 0."},
        {"code --help", 0, "usage: jorvo-maker code QUIZ OUTDIR [--scramble]\n  code a quiz source"},
        {"help builtin", 0, "usage: jorvo-maker builtin LINK FOOTER OUT.cpp\n"},
        {"", 2, ""},
        {"nonsense", 2, ""},
        {"code one-argument", 2, ""},
    };
    for (const auto& c : cases) {
        const MakerRun run = RunMaker(c.arguments);
        EXPECT_EQ(run.code, c.code) << c.arguments;
        EXPECT_NE(run.printed.find(c.printed), std::string::npos) << c.arguments << " printed:\n"
                                                                  << run.printed;
    }
}

// An author whose locale is French reads French, whatever the command.
TEST(MakerCommandLine, SpeaksFrenchToAFrenchLocale) {
    const struct {
        const char* locale;
        const char* arguments;
        const char* printed;
    } cases[] = {
        {"fr_FR.UTF-8", "--help", "utilisation : jorvo-maker COMMANDE [ARGUMENTS]"},
        {"fr_CA", "help", "\n  jorvo-maker version   afficher la version de l'outil"},
        {"fr_FR.UTF-8", "nonsense", "jorvo-maker : commande inconnue \xC2\xAB nonsense \xC2\xBB"},
        {"fr_FR.UTF-8", "pack /nowhere/a.quiz -o /nowhere/a.exe", "impossible de lire"},
        {"de_DE.UTF-8", "nonsense", "jorvo-maker: unknown command 'nonsense'"},
    };
    for (const auto& c : cases) {
        const MakerRun run = RunMaker(c.arguments, true, c.locale);
        EXPECT_NE(run.printed.find(c.printed), std::string::npos)
            << c.locale << " " << c.arguments << " printed:\n"
            << run.printed;
    }
}

// Every command the listing names has a description and answers its own --help.
TEST(MakerCommandLine, EveryListedCommandAnswersHelp) {
    const MakerRun listing = RunMaker("help");
    ASSERT_EQ(listing.code, 0);
    const std::string prefix = "\n  jorvo-maker ";
    int commands = 0;
    for (size_t at = listing.printed.find(prefix); at != std::string::npos;
         at = listing.printed.find(prefix, at + 1)) {
        const size_t nameStart = at + prefix.size();
        const size_t lineEnd = listing.printed.find('\n', nameStart);
        const std::string line = listing.printed.substr(nameStart, lineEnd - nameStart);
        const std::string name = line.substr(0, line.find(' '));
        EXPECT_NE(line.find("   "), std::string::npos) << "no description: " << line;
        const MakerRun help = RunMaker(name + " --help");
        EXPECT_EQ(help.code, 0) << name;
        EXPECT_EQ(help.printed.rfind("usage: jorvo-maker " + name, 0), 0u) << help.printed;
        ++commands;
    }
    EXPECT_GE(commands, 5);
}

// Installed as `cmake --install` lays it out (bin/ and share/jorvo/), the tool finds its template without
// --template; a template beside it comes first, and with none it names both places it looked.
TEST(MakerCommandLine, FindsItsTemplateBesideItselfOrInTheInstalledLayout) {
    const std::string dir = MakeScratchDirectory();
    ASSERT_EQ(std::system(("mkdir -p " + dir + "/bin " + dir + "/share/jorvo && cp " +
                           std::string(JORVO_MAKER) + " " + dir + "/bin/")
                              .c_str()),
              0);
    ASSERT_TRUE(WriteFileText(dir + "/q.quiz", "title: t\nquestion: q\n  answer: abcd\nscore: s\n"));
    auto pack = [&](const char* arch) {
        const std::string command = "LC_ALL=C " + dir + "/bin/jorvo-maker pack " + dir + "/q.quiz -o " + dir +
                                    "/q.exe --arch " + arch + " 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        std::string printed;
        char chunk[256];
        size_t got;
        while (pipe && (got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0)
            printed.append(chunk, got);
        const int status = pipe ? pclose(pipe) : -1;
        return MakerRun{WIFEXITED(status) ? WEXITSTATUS(status) : -1, printed};
    };
    const MakerRun none = pack("i686");
    EXPECT_EQ(none.code, 1);
    EXPECT_NE(none.printed.find("no player template jorvo-template-i686.exe: looked beside the program (" +
                                dir + "/bin/jorvo-template-i686.exe) and in the installed layout (" + dir +
                                "/bin/../share/jorvo/jorvo-template-i686.exe)"),
              std::string::npos)
        << none.printed;

    const ByteVector installed = MakeTemplateImage(false), beside = MakeTemplateImage(true);
    ASSERT_TRUE(WriteFileBytes(dir + "/share/jorvo/jorvo-template-i686.exe", installed));
    const MakerRun fromShare = pack("i686");
    EXPECT_EQ(fromShare.code, 0) << fromShare.printed;
    EXPECT_NE(fromShare.printed.find(dir + "/q.exe: 1 question, "), std::string::npos) << fromShare.printed;
    ByteVector program;
    ASSERT_TRUE(ReadFileBytes(dir + "/q.exe", &program));
    EXPECT_EQ(PeMachine(program), 0x14C);

    ASSERT_TRUE(WriteFileBytes(dir + "/share/jorvo/jorvo-template-x86_64.exe", installed));
    ASSERT_TRUE(WriteFileBytes(dir + "/bin/jorvo-template-x86_64.exe", beside));
    const MakerRun fromBeside = pack("x86_64");
    EXPECT_EQ(fromBeside.code, 0) << fromBeside.printed;
    ASSERT_TRUE(ReadFileBytes(dir + "/q.exe", &program));
    EXPECT_EQ(PeMachine(program), 0x8664) << "the template beside the tool comes before the installed one";
}

// A file dropped on the tool in Explorer arrives as its only argument: a quiz source is packed beside
// itself, anything else is refused in words.
TEST(MakerCommandLine, AFileDroppedOnTheToolIsPackedWhenItIsAQuizSource) {
    const std::string dir = MakeScratchDirectory();
    ASSERT_TRUE(WriteFileText(dir + "/radio.QUIZ", "kind: radio\n"));
    ASSERT_TRUE(WriteFileText(dir + "/notes.txt", "not a quiz\n"));
    const MakerRun quiz = RunMaker(dir + "/radio.QUIZ", true);
    EXPECT_EQ(quiz.code, 1);
    EXPECT_NE(quiz.printed.find("error: " + dir + "/radio.QUIZ:1: kind must be"), std::string::npos)
        << quiz.printed;
    EXPECT_NE(quiz.printed.find("jorvo-maker pack: nothing written"), std::string::npos) << quiz.printed;
    const MakerRun other = RunMaker(dir + "/notes.txt", true);
    EXPECT_EQ(other.code, 2);
    EXPECT_NE(other.printed.find(dir + "/notes.txt is not a quiz source: drop a .quiz file on jorvo-maker"),
              std::string::npos)
        << other.printed;
    const MakerRun absent = RunMaker(dir + "/absent.quiz", true);
    EXPECT_NE(absent.printed.find("unknown command"), std::string::npos) << absent.printed;
}

// Pictures the command cannot show are refused in words, not with the decoder's error code alone.
TEST(MakerCommandLine, PictureExplainsWhatItCannotShow) {
    const std::string dir = MakeScratchDirectory();
    ASSERT_TRUE(WriteFileBytes(dir + "/flag.jpg", TinyJpeg()));
    ASSERT_TRUE(WriteFileBytes(dir + "/progressive.jpg", TinyJpeg(0xC2)));
    ASSERT_TRUE(WriteFileText(dir + "/notes.txt", "not a picture\n"));
    const struct {
        const char* file;
        const char* printed;
    } cases[] = {
        {"flag.jpg", "flag.jpg is a JPEG picture: the player shows it through Windows' picture loader"},
        {"progressive.jpg", "progressive.jpg is a JPEG picture: a progressive JPEG"},
        {"notes.txt", "notes.txt: not a PNG picture, or its picture data is damaged"},
    };
    for (const auto& c : cases) {
        const MakerRun run = RunMaker("picture " + dir + "/" + c.file + " " + dir + "/out.bmp", true);
        EXPECT_EQ(run.code, 1) << c.file;
        EXPECT_NE(run.printed.find(c.printed), std::string::npos) << run.printed;
    }
    ByteVector written;
    EXPECT_FALSE(ReadFileBytes(dir + "/out.bmp", &written));
}

} // namespace
