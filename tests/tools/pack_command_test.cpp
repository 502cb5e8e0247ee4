// jorvo-maker pack and unpack: the program written reads back through the player's loader, unpacking
// and packing again gives the same bytes, and bad templates or programs are refused without writing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "judging/field_judging.h"
#include "quizdata/quiz_document.h"
#include "quizdata/quiz_loader.h"
#include "tests/quizdata/fake_resources.h"
#include "tests/tools/fake_pe.h"
#include "tests/tools/media_samples.h"
#include "tools/common/file_bytes.h"
#include "tools/pe/pe_resources.h"

int RunPackCommand(int argc, char** argv);
int RunUnpackCommand(int argc, char** argv);

namespace {

int RunCommand(int (*command)(int, char**), std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (std::string& a : arguments)
        argv.push_back(&a[0]);
    return command(static_cast<int>(argv.size()), argv.data());
}

// Runs the command and hands back what it printed to stderr.
std::string RunForMessage(int (*command)(int, char**), std::vector<std::string> arguments, int* status) {
    testing::internal::CaptureStderr();
    *status = RunCommand(command, std::move(arguments));
    return testing::internal::GetCapturedStderr();
}

// Files the quiz checks accept as pictures, sounds and films of their kinds.
const ByteVector kJpeg = TinyJpeg();
const ByteVector kPng = TinyPng();
const ByteVector kWave = SoundOrFilm("WAV");
const ByteVector kAvi = SoundOrFilm("AVI");

struct QuizCase {
    const char* kind;
    int answers;
    const ByteVector* media; // the question files' bytes (none for a text quiz)
};

// Two questions; the first with a JPEG reward, the second with a PNG one.
std::string WriteQuiz(const std::string& dir, const QuizCase& c) {
    std::string text = std::string("title: Essai \xC3\xA0 ") + c.kind + "\nauthor: Moi\nkind: " + c.kind +
                       "\nanswers: " + std::to_string(c.answers) + "\nreveal-mode: 3\ncolour: 1 2 3\n";
    const bool rewards = std::string(c.kind) == "pictures"; // other kinds show no reward
    for (int n = 1; n <= 2; ++n) {
        text += "question: Q" + std::to_string(n) + "\n  answer: R\xC3\xA9ponse " + std::to_string(n) + "\n";
        if (c.answers == 2) text += "  answer2: -\n";
        text += "  reveal: Voil\xC3\xA0\n";
        if (c.media) {
            text += "  picture: m" + std::to_string(n) + ".bin\n";
            EXPECT_TRUE(WriteFileBytes(dir + "/m" + std::to_string(n) + ".bin", *c.media));
        }
        if (rewards) text += std::string("  reward: r") + (n == 1 ? "1.jpg" : "2.png") + "\n";
    }
    text += "score: un\n";
    EXPECT_TRUE(WriteFileBytes(dir + "/r1.jpg", kJpeg));
    EXPECT_TRUE(WriteFileBytes(dir + "/r2.png", kPng));
    EXPECT_TRUE(WriteFileText(dir + "/quiz.quiz", text));
    return dir + "/quiz.quiz";
}

ByteVector SwapNibblesBack(ByteVector bytes) {
    for (uint8_t& b : bytes)
        b = static_cast<uint8_t>(b << 4 | b >> 4);
    return bytes;
}

std::vector<Resource> ResourcesOf(const std::string& path) {
    ByteVector image;
    std::vector<Resource> resources;
    std::string error;
    EXPECT_TRUE(ReadFileBytes(path, &image)) << path;
    EXPECT_TRUE(ReadPeResources(image, &resources, &error)) << error;
    return resources;
}

ByteVector DataOf(const std::vector<Resource>& resources, const ResourceKey& type, uint16_t id) {
    const Resource* found = FindPeResource(resources, type, NumberKey(id));
    return found ? found->data : ByteVector{0xEE, 0xEE};
}

TEST(PackCommand, ThePlayerReadsThePackedQuizAndUnpackingThenPackingGivesTheSameBytes) {
    const QuizCase cases[] = {{"text", 1, nullptr},
                              {"pictures", 1, &kJpeg},
                              {"pictures", 2, &kPng},
                              {"audio", 2, &kWave},
                              {"video", 1, &kAvi}};
    for (const QuizCase& c : cases)
        for (bool pe32Plus : {false, true})
            for (bool scramble : {false, true}) {
                SCOPED_TRACE(std::string(c.kind) + " answers " + std::to_string(c.answers) +
                             (pe32Plus ? " PE32+" : " PE32") + (scramble ? " scrambled" : " plain"));
                const std::string dir = MakeScratchFolder();
                ASSERT_TRUE(WriteFileBytes(dir + "/template.exe", MakeTemplateImage(pe32Plus)));
                const std::string quiz = WriteQuiz(dir, c);
                std::vector<std::string> pack = {quiz, "-o", dir + "/a.exe", "--template",
                                                 dir + "/template.exe"};
                if (scramble) pack.push_back("--scramble");
                ASSERT_EQ(RunCommand(RunPackCommand, pack), 0);

                const std::vector<Resource> resources = ResourcesOf(dir + "/a.exe");
                FakeResources pieces;
                int keyPosition = 0;
                pieces.block = CodeBuiltInBlock("lien", "pied", false, keyPosition);
                pieces.pieces[104] = DataOf(resources, TextKey("PATCH"), 104);
                pieces.pieces[105] = DataOf(resources, TextKey("PATCH"), 105);
                QuizDocument document;
                QuizLoader::load(&document, FakeAccess(pieces));
                EXPECT_TRUE(pieces.messages.empty()) << pieces.messages[0].text;
                EXPECT_EQ(document.title, std::string("Essai \xE0 ") + c.kind);
                EXPECT_EQ(document.questionCount, 2);
                EXPECT_EQ(document.answersPerQuestion, c.answers);
                EXPECT_STREQ(document.questionAt(1)->answer1, "R\xE9ponse 2");
                EXPECT_STREQ(document.scoreMessages[0], "un");
                // The player's own resources stay; the media go where the player looks for them.
                const Resource* notes = FindPeResource(resources, TextKey("NOTES"), TextKey("ABOUT"));
                ASSERT_NE(notes, nullptr);
                EXPECT_EQ(notes->language, 0x040C);
                const bool rewards = std::string(c.kind) == "pictures";
                EXPECT_EQ(resources.size(), 4u + 2u + (c.media ? 2u : 0u) + (rewards ? 2u : 0u));
                if (c.media == &kPng) {
                    EXPECT_EQ(DataOf(resources, NumberKey(kResourceTypeRawData), 402), kPng);
                } else if (c.media) {
                    EXPECT_EQ(DataOf(resources, TextKey("IMG"), 402), *c.media);
                }
                if (rewards) {
                    ByteVector swapped =
                        kJpeg; // JPEG rewards are stored nibble-swapped, PNG ones as they are
                    for (uint8_t& b : swapped)
                        b = static_cast<uint8_t>(b << 4 | b >> 4);
                    EXPECT_EQ(DataOf(resources, TextKey("IMG"), 10401), swapped);
                    EXPECT_EQ(DataOf(resources, NumberKey(kResourceTypeRawData), 10402), kPng);
                }

                ASSERT_EQ(RunCommand(RunUnpackCommand, {dir + "/a.exe", dir + "/out"}), 0);
                std::vector<std::string> again = {dir + "/out/a.quiz", "-o", dir + "/b.exe", "--template",
                                                  dir + "/template.exe"};
                if (scramble) again.push_back("--scramble");
                ASSERT_EQ(RunCommand(RunPackCommand, again), 0);
                ByteVector first, second;
                ASSERT_TRUE(ReadFileBytes(dir + "/a.exe", &first));
                ASSERT_TRUE(ReadFileBytes(dir + "/b.exe", &second));
                EXPECT_TRUE(first == second) << "pack, unpack, pack changed the program";
                // Packing the same source twice gives the same bytes: nothing depends on the time.
                pack[2] = dir + "/c.exe";
                ASSERT_EQ(RunCommand(RunPackCommand, pack), 0);
                ASSERT_TRUE(ReadFileBytes(dir + "/c.exe", &second));
                EXPECT_TRUE(first == second) << "packing twice gave different programs";
            }
}

// One reward picture used by six questions is stored once; the player still finds it under each id, and
// unpacking then packing again gives the same bytes.
TEST(PackCommand, StoresIdenticalMediaOnce) {
    const std::string dir = MakeScratchFolder();
    ASSERT_TRUE(WriteFileBytes(dir + "/template.exe", MakeTemplateImage(false)));
    ByteVector reward = kJpeg;
    reward.resize(40000, 0x55);
    auto packed = [&](bool shared, const std::string& name) {
        std::string text = "title: Six\nkind: pictures\nreveal-mode: 1\n";
        for (int n = 1; n <= 6; ++n) {
            ByteVector own = reward;
            own.back() = static_cast<uint8_t>(n);
            const std::string file = shared ? "same.jpg" : "r" + std::to_string(n) + ".jpg";
            EXPECT_TRUE(WriteFileBytes(dir + "/" + file, shared ? reward : own));
            text += "question: Q" + std::to_string(n) +
                    "\n  answer: abcd\n  picture: p.png\n  reward: " + file + "\n";
        }
        EXPECT_TRUE(WriteFileBytes(dir + "/p.png", kPng));
        EXPECT_TRUE(WriteFileText(dir + "/" + name + ".quiz", text));
        EXPECT_EQ(RunCommand(RunPackCommand, {dir + "/" + name + ".quiz", "-o", dir + "/" + name + ".exe",
                                              "--template", dir + "/template.exe"}),
                  0);
        ByteVector program;
        EXPECT_TRUE(ReadFileBytes(dir + "/" + name + ".exe", &program));
        return program;
    };
    const ByteVector apart = packed(false, "apart"), shared = packed(true, "shared");
    // Five copies of the reward and five of the question picture fewer.
    EXPECT_GE(apart.size(), shared.size() + 5 * reward.size());
    EXPECT_LT(shared.size(), MakeTemplateImage(false).size() + 2 * reward.size());
    const std::vector<Resource> resources = ResourcesOf(dir + "/shared.exe");
    for (uint16_t n = 1; n <= 6; ++n) {
        EXPECT_EQ(SwapNibblesBack(DataOf(resources, TextKey("IMG"), 10400 + n)), reward) << n;
        EXPECT_EQ(DataOf(resources, NumberKey(kResourceTypeRawData), 400 + n), kPng) << n;
    }
    ASSERT_EQ(RunCommand(RunUnpackCommand, {dir + "/shared.exe", dir + "/out"}), 0);
    ASSERT_EQ(RunCommand(RunPackCommand, {dir + "/out/shared.quiz", "-o", dir + "/again.exe", "--template",
                                          dir + "/template.exe"}),
              0);
    ByteVector again;
    ASSERT_TRUE(ReadFileBytes(dir + "/again.exe", &again));
    EXPECT_TRUE(again == shared) << "pack, unpack, pack changed the program";

    // The largest quiz, every question showing the same picture as its picture and its reward: the
    // program holds it once, yet reads back with 192 copies of it.
    std::string text = "title: Tous\nkind: pictures\nreveal-mode: 1\n";
    for (int n = 1; n <= 96; ++n)
        text +=
            "question: Q" + std::to_string(n) + "\n  answer: abcd\n  picture: same.jpg\n  reward: same.jpg\n";
    reward.resize(100 * 1024, 0x55);
    ASSERT_TRUE(WriteFileBytes(dir + "/same.jpg", reward));
    ASSERT_TRUE(WriteFileText(dir + "/all.quiz", text));
    ASSERT_EQ(RunCommand(RunPackCommand,
                         {dir + "/all.quiz", "-o", dir + "/all.exe", "--template", dir + "/template.exe"}),
              0);
    ByteVector all;
    ASSERT_TRUE(ReadFileBytes(dir + "/all.exe", &all));
    EXPECT_LT(all.size(), MakeTemplateImage(false).size() + 3 * reward.size());
    ASSERT_EQ(RunCommand(RunUnpackCommand, {dir + "/all.exe", dir + "/all"}), 0);
    ASSERT_EQ(RunCommand(RunPackCommand, {dir + "/all/all.quiz", "-o", dir + "/all-again.exe", "--template",
                                          dir + "/template.exe"}),
              0);
    ASSERT_TRUE(ReadFileBytes(dir + "/all-again.exe", &again));
    EXPECT_TRUE(again == all) << "pack, unpack, pack changed the program";
}

TEST(PackCommand, OtherSpellingsTravelInTheirOwnPieceAndComeBackFromUnpack) {
    for (bool scramble : {false, true}) {
        SCOPED_TRACE(scramble ? "scrambled" : "plain");
        const std::string dir = MakeScratchFolder();
        ASSERT_TRUE(WriteFileBytes(dir + "/template.exe", MakeTemplateImage(false)));
        ASSERT_TRUE(WriteFileBytes(dir + "/p.png", kPng));
        ASSERT_TRUE(WriteFileText(dir + "/quiz.quiz", "kind: pictures\nanswers: 2\n"
                                                      "question: q1\n  picture: p.png\n"
                                                      "  answer: Royaume-Uni | Angleterre\n"
                                                      "  answer2: Londres | London | A \\| B\n"
                                                      "question: q2\n  picture: p.png\n"
                                                      "  answer: Pays-Bas\n  answer2: Amsterdam\n"));
        std::vector<std::string> pack = {dir + "/quiz.quiz", "-o", dir + "/a.exe", "--template",
                                         dir + "/template.exe"};
        if (scramble) pack.push_back("--scramble");
        ASSERT_EQ(RunCommand(RunPackCommand, pack), 0);

        const std::vector<Resource> resources = ResourcesOf(dir + "/a.exe");
        FakeResources pieces;
        int keyPosition = 0;
        pieces.block = CodeBuiltInBlock("lien", "pied", false, keyPosition);
        for (uint16_t id : {104, 105, 106})
            pieces.pieces[id] = DataOf(resources, TextKey("PATCH"), id);
        QuizDocument document;
        QuizLoader::load(&document, FakeAccess(pieces));
        EXPECT_TRUE(pieces.messages.empty());
        EXPECT_STREQ(FieldVerdict(&document, 2, "london"), "BRAVO");
        EXPECT_STREQ(FieldVerdict(&document, 2, "a | b"), "BRAVO");
        EXPECT_STREQ(FieldVerdict(&document, 1, "angleterr"), "Quasiment");
        EXPECT_STREQ(FieldVerdict(&document, 3, "Angleterre"), "FAUX"); // another question's spelling

        ASSERT_EQ(RunCommand(RunUnpackCommand, {dir + "/a.exe", dir + "/out"}), 0);
        ByteVector source;
        ASSERT_TRUE(ReadFileBytes(dir + "/out/a.quiz", &source));
        const std::string text(source.begin(), source.end());
        EXPECT_NE(text.find("  answer: Royaume-Uni | Angleterre\n"), std::string::npos) << text;
        EXPECT_NE(text.find("  answer2: Londres | London | A \\| B\n"), std::string::npos) << text;
        pack[0] = dir + "/out/a.quiz";
        pack[2] = dir + "/b.exe";
        ASSERT_EQ(RunCommand(RunPackCommand, pack), 0);
        ByteVector first, second;
        ASSERT_TRUE(ReadFileBytes(dir + "/a.exe", &first));
        ASSERT_TRUE(ReadFileBytes(dir + "/b.exe", &second));
        EXPECT_TRUE(first == second) << "pack, unpack, pack changed the program";
    }
}

TEST(PackCommand, RefusesBadTemplatesAndQuizzesWithoutWritingAnything) {
    const std::string dir = MakeScratchFolder();
    const QuizCase quizCase = {"pictures", 1, &kJpeg};
    const std::string quiz = WriteQuiz(dir, quizCase);
    ASSERT_TRUE(WriteFileBytes(dir + "/good.exe", MakeTemplateImage(false)));
    ASSERT_EQ(RunCommand(RunPackCommand, {quiz, "-o", dir + "/packed.exe", "--template", dir + "/good.exe"}),
              0);
    std::vector<Resource> foreign;
    SetResource(&foreign, NumberKey(kResourceTypeDialog), NumberKey(7), 0x0409, {1});
    ByteVector foreignImage;
    std::string error;
    ASSERT_TRUE(WritePeResources(MakeBareImage(true), foreign, &foreignImage, &error));
    ASSERT_TRUE(WriteFileBytes(dir + "/foreign.exe", foreignImage));
    ASSERT_TRUE(WriteFileBytes(dir + "/bare.exe", MakeBareImage(false)));
    ASSERT_TRUE(WriteFileText(dir + "/text.exe", "not a program"));
    ByteVector cut = MakeTemplateImage(false);
    cut.resize(0x180);
    ASSERT_TRUE(WriteFileBytes(dir + "/cut.exe", cut));
    ASSERT_TRUE(WriteFileText(dir + "/bad.quiz", "kind: radio\n"));

    struct Case {
        const char* what;
        std::vector<std::string> arguments;
        const char* message;
    } cases[] = {
        {"text file", {quiz, "-o", dir + "/x.exe", "--template", dir + "/text.exe"}, "not an MZ executable"},
        {"truncated", {quiz, "-o", dir + "/x.exe", "--template", dir + "/cut.exe"}, "truncated"},
        {"no resources",
         {quiz, "-o", dir + "/x.exe", "--template", dir + "/bare.exe"},
         "no resource directory"},
        {"foreign program",
         {quiz, "-o", dir + "/x.exe", "--template", dir + "/foreign.exe"},
         "not a Jorvo player"},
        {"already packed",
         {quiz, "-o", dir + "/x.exe", "--template", dir + "/packed.exe"},
         "already carries a quiz"},
        {"wrong arch",
         {quiz, "-o", dir + "/x.exe", "--arch", "x86_64", "--template", dir + "/good.exe"},
         "not an x86_64"},
        {"missing template",
         {quiz, "-o", dir + "/x.exe", "--template", dir + "/none.exe"},
         "cannot read the player"},
        {"bad quiz",
         {dir + "/bad.quiz", "-o", dir + "/x.exe", "--template", dir + "/good.exe"},
         "kind must be"},
    };
    for (const Case& c : cases) {
        int status = 0;
        const std::string message = RunForMessage(RunPackCommand, c.arguments, &status);
        EXPECT_EQ(status, 1) << c.what;
        EXPECT_NE(message.find(c.message), std::string::npos) << c.what << ": " << message;
        ByteVector written;
        EXPECT_FALSE(ReadFileBytes(dir + "/x.exe", &written)) << c.what << " left a program behind";
        EXPECT_FALSE(ReadFileBytes(dir + "/x.exe.part", &written)) << c.what << " left a partial file";
    }
    EXPECT_EQ(RunCommand(RunPackCommand, {quiz}), 2);
    EXPECT_EQ(RunCommand(RunPackCommand, {quiz, "-o", dir + "/x.exe", "--arch", "arm"}), 2);
}

TEST(UnpackCommand, RefusesProgramsThatCarryNoReadableQuiz) {
    const std::string dir = MakeScratchFolder();
    const QuizCase quizCase = {"text", 1, nullptr};
    const std::string quiz = WriteQuiz(dir, quizCase);
    const ByteVector templateImage = MakeTemplateImage(true);
    ASSERT_TRUE(WriteFileBytes(dir + "/template.exe", templateImage));
    ASSERT_EQ(
        RunCommand(RunPackCommand, {quiz, "-o", dir + "/packed.exe", "--template", dir + "/template.exe"}),
        0);
    ByteVector packed;
    ASSERT_TRUE(ReadFileBytes(dir + "/packed.exe", &packed));
    std::vector<Resource> resources;
    std::string error;
    ASSERT_TRUE(ReadPeResources(packed, &resources, &error));

    // A program like the packed one with one resource changed.
    auto variant = [&](const std::string& name, uint16_t id, ByteVector data) {
        std::vector<Resource> changed = resources;
        if (data.empty())
            changed.erase(changed.begin() +
                          (FindPeResource(changed, TextKey("PATCH"), NumberKey(id)) - changed.data()));
        else
            SetResource(&changed, TextKey("PATCH"), NumberKey(id), 0x0409, data);
        ByteVector image;
        EXPECT_TRUE(WritePeResources(templateImage, changed, &image, &error)) << error;
        EXPECT_TRUE(WriteFileBytes(dir + "/" + name, image));
        return dir + "/" + name;
    };
    ByteVector cut = packed;
    cut.resize(packed.size() - 0x200);
    ASSERT_TRUE(WriteFileBytes(dir + "/cut.exe", cut));
    struct Case {
        const char* what;
        std::string program;
        const char* message;
    } cases[] = {
        {"not a program", quiz, "not an MZ executable"},
        {"the player template", dir + "/template.exe", "not a Jorvo quiz program"},
        {"quiz garbled", variant("garbled.exe", 104, {0x12, 0x34, 0x56}), "does not decode"},
        {"scores missing", variant("noscores.exe", 105, {}), "score codes"},
        {"cut short", dir + "/cut.exe", "past the end of the file"},
    };
    for (const Case& c : cases) {
        int status = 0;
        const std::string message = RunForMessage(RunUnpackCommand, {c.program, dir + "/out"}, &status);
        EXPECT_EQ(status, 1) << c.what;
        EXPECT_NE(message.find(c.message), std::string::npos) << c.what << ": " << message;
    }
    ByteVector nothing;
    EXPECT_FALSE(ReadFileBytes(dir + "/out/packed.quiz", &nothing));
}

} // namespace
