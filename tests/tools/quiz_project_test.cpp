// Quiz sources read with their media files: every file checked against the quiz's kind, every problem
// named by file and line, and the demo quizzes passing the same checks.
#include <gtest/gtest.h>

#include <cstdlib>
#include <dirent.h>
#include <string>

#include "tests/tools/media_samples.h"
#include "tools/common/messages.h"
#include "tools/common/file_bytes.h"
#include "tools/source/picture_check.h"
#include "tools/source/quiz_project.h"

namespace {

std::string MakeScratchDirectory() {
    char pattern[] = "/tmp/jorvo-project-XXXXXX";
    const char* made = mkdtemp(pattern);
    return made ? made : "";
}

std::string Joined(const std::vector<std::string>& messages) {
    std::string all;
    for (const std::string& m : messages)
        all += m + "\n";
    return all;
}

bool Holds(const std::vector<std::string>& messages, const std::string& expected) {
    for (const std::string& m : messages)
        if (m == expected) return true;
    return false;
}

// A one-question quiz of `kind` whose question names `file` on line 4 (and a reward on line 5 when given).
std::string OneQuestion(const char* kind, const char* file, const char* reward = nullptr) {
    std::string text =
        std::string("kind: ") + kind + "\nreveal-mode: 1\nquestion: q\npicture: " + file + "\n";
    if (reward) text += std::string("reward: ") + reward + "\n";
    return text + "answer: abcd\nscore: s\n";
}

struct MediaCase {
    const char* kind;
    ByteVector bytes;     // written as the question's file
    std::string expected; // after "DIR/q.quiz:4: media.bin"; empty when the file is accepted
};

TEST(QuizProject, ChecksEveryMediaFileAgainstTheQuizKind) {
    const std::string dir = MakeScratchDirectory();
    ASSERT_FALSE(dir.empty());
    ByteVector truncatedBmp = TinyBmp();
    truncatedBmp.resize(56);
    ByteVector brokenPng = TinyPng();
    brokenPng[48] = 7; // the first row's filter type: none such exists
    const std::string pictures = " a PNG, JPEG, GIF or BMP picture";
    const MediaCase cases[] = {
        {"pictures", TinyPng(), ""},
        {"pictures", TinyJpeg(), ""},
        {"pictures", TinyGif(), ""},
        {"pictures", TinyBmp(), ""},
        {"audio", SoundOrFilm("WAV"), ""},
        {"audio", SoundOrFilm("MP3frame"), ""},
        {"audio", SoundOrFilm("WMA"), ""},
        {"video", SoundOrFilm("WMV"), ""},
        {"video", SoundOrFilm("AVI"), ""},
        {"video", SoundOrFilm("MPEG"), ""},
        {"pictures", ByteVector{'h', 'e', 'l', 'l', 'o', '\n'},
         " is not a picture, sound or film the player knows: a picture quiz needs" + pictures},
        {"pictures", ByteVector(), " is empty"},
        {"pictures", SoundOrFilm("WAV"), " is a sound (WAV), but a picture quiz needs" + pictures},
        {"audio", TinyPng(), " is a picture (PNG), but an audio quiz needs a WAV, MP3, WMA or MIDI sound"},
        {"audio", SoundOrFilm("AVI"),
         " is a film (AVI), but an audio quiz needs a WAV, MP3, WMA or MIDI sound"},
        {"video", SoundOrFilm("WMA"),
         " is a sound (WMA), but a video quiz needs a WMV, AVI, MPEG or MP4 film"},
        {"pictures", TinyJpeg(0xC2),
         ": a progressive JPEG, which Windows' picture loader does not show: save it as a standard "
         "(baseline) JPEG"},
        {"pictures", TinyJpeg(0xC0, 4),
         ": a CMYK JPEG, which Windows' picture loader does not show: save it as RGB"},
        {"pictures", brokenPng, ": not a PNG picture, or its picture data is damaged"},
        {"pictures", truncatedBmp, ": the BMP file is cut short"},
    };
    for (const MediaCase& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " " + c.expected);
        ASSERT_TRUE(WriteFileText(dir + "/q.quiz", OneQuestion(c.kind, "media.bin")));
        ASSERT_TRUE(WriteFileBytes(dir + "/media.bin", c.bytes));
        QuizProject project;
        std::vector<std::string> errors, warnings;
        const bool ok = LoadQuizProject(dir + "/q.quiz", &project, &errors, &warnings);
        if (c.expected.empty()) {
            EXPECT_TRUE(ok) << Joined(errors);
            ASSERT_EQ(project.media.size(), 1u);
            EXPECT_EQ(project.media[0], c.bytes);
        } else {
            EXPECT_FALSE(ok);
            EXPECT_EQ(Joined(errors), dir + "/q.quiz:4: media.bin" + c.expected + "\n");
        }
    }
}

// Files that the player may not play get a warning, files the quiz will not use are not even read.
TEST(QuizProject, WarnsOfDoubtfulFilesAndSkipsUnusedOnes) {
    const std::string dir = MakeScratchDirectory();
    ASSERT_TRUE(WriteFileBytes(dir + "/film.mp4", SoundOrFilm("MP4")));
    ASSERT_TRUE(WriteFileText(dir + "/q.quiz", OneQuestion("video", "film.mp4", "absent.png")));
    QuizProject project;
    std::vector<std::string> errors, warnings;
    EXPECT_TRUE(LoadQuizProject(dir + "/q.quiz", &project, &errors, &warnings)) << Joined(errors);
    EXPECT_TRUE(
        Holds(warnings, dir + "/q.quiz:4: film.mp4: the player names this MP4 file .MPG to play it, and "
                              "Windows Media Player may refuse it: WMV, AVI and MPEG files play everywhere"))
        << Joined(warnings);
    EXPECT_TRUE(Holds(warnings, dir + "/q.quiz:5: reward pictures are shown only in a picture quiz with "
                                      "reveal-mode 1 or 3: reward is ignored"))
        << Joined(warnings);
    EXPECT_TRUE(project.rewards[0].empty());
}

// A JPEG declaring width x height, padded to `size` bytes.
ByteVector JpegOfSize(uint16_t width, uint16_t height, size_t size = 0) {
    ByteVector jpeg = TinyJpeg();
    jpeg[25] = static_cast<uint8_t>(height >> 8);
    jpeg[26] = static_cast<uint8_t>(height);
    jpeg[27] = static_cast<uint8_t>(width >> 8);
    jpeg[28] = static_cast<uint8_t>(width);
    if (jpeg.size() < size) jpeg.resize(size, 0);
    return jpeg;
}

// A picture far larger than the panel ever shows it is packed, with a warning giving its size.
TEST(QuizProject, WarnsOfPicturesFarLargerThanShown) {
    const std::string dir = MakeScratchDirectory();
    const struct {
        ByteVector bytes;
        const char* warning; // empty: none
    } cases[] = {
        {JpegOfSize(6000, 4000, 2500 * 1024),
         "photo.jpg is 6000 x 4000 pixels (2.4 MB) but shows at 300 x 200"},
        {JpegOfSize(601, 100, 2000), "photo.jpg is 601 x 100 pixels (2 KB) but shows at 300 x 49"},
        {JpegOfSize(100, 900), "photo.jpg is 100 x 900 pixels (1 KB) but shows at 33 x 300"},
        {JpegOfSize(600, 600), ""},
        {JpegOfSize(120, 80), ""},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteFileBytes(dir + "/photo.jpg", c.bytes));
        for (bool reward : {false, true}) {
            ASSERT_TRUE(WriteFileBytes(dir + "/small.jpg", TinyJpeg()));
            ASSERT_TRUE(WriteFileText(dir + "/q.quiz", reward
                                                           ? OneQuestion("pictures", "small.jpg", "photo.jpg")
                                                           : OneQuestion("pictures", "photo.jpg")));
            QuizProject project;
            std::vector<std::string> errors, warnings;
            EXPECT_TRUE(LoadQuizProject(dir + "/q.quiz", &project, &errors, &warnings)) << Joined(errors);
            if (!*c.warning) {
                EXPECT_TRUE(warnings.empty()) << Joined(warnings);
                continue;
            }
            ASSERT_EQ(warnings.size(), 1u) << Joined(warnings);
            EXPECT_EQ(warnings[0].find(dir + "/q.quiz:" + (reward ? "5: " : "4: ") + c.warning), 0u)
                << warnings[0];
        }
    }
}

// The same checks in French, for a French author.
TEST(QuizProject, SpeaksFrenchToAFrenchAuthor) {
    const std::string dir = MakeScratchDirectory();
    ASSERT_TRUE(WriteFileBytes(dir + "/son.wav", SoundOrFilm("WAV")));
    ASSERT_TRUE(WriteFileBytes(dir + "/grande.jpg", JpegOfSize(6000, 4000, 2500 * 1024)));
    ASSERT_TRUE(WriteFileText(dir + "/q.quiz", OneQuestion("pictures", "son.wav", "grande.jpg")));
    SetMessageLanguage(Language::French);
    QuizProject project;
    std::vector<std::string> errors, warnings;
    EXPECT_FALSE(LoadQuizProject(dir + "/q.quiz", &project, &errors, &warnings));
    EXPECT_TRUE(Holds(errors, dir + "/q.quiz:4: son.wav est un son (WAV), mais un quiz d'images demande une "
                                    "image PNG, JPEG, GIF ou BMP"))
        << Joined(errors);
    EXPECT_TRUE(
        Holds(warnings, dir + "/q.quiz:5: grande.jpg fait 6000 x 4000 pixels (2,4 Mo) mais s'affiche en "
                              "300 x 200 : une copie de cette taille rendrait le programme bien plus petit"))
        << Joined(warnings);
    EXPECT_FALSE(LoadQuizProject(dir + "/absent.quiz", &project, &errors, &warnings));
    EXPECT_EQ(errors.back(), "impossible de lire " + dir + "/absent.quiz : ce fichier n'existe pas");
    SetMessageLanguage(Language::English);
}

TEST(QuizProject, NamesTheLineOfEveryUnreadableFileInOneRun) {
    const std::string dir = MakeScratchDirectory();
    ASSERT_TRUE(WriteFileBytes(dir + "/ok.png", TinyPng()));
    ASSERT_TRUE(WriteFileBytes(dir + "/sound.wav", SoundOrFilm("WAV")));
    ASSERT_TRUE(WriteFileText(dir + "/q.quiz", "kind: pictures\n"
                                               "reveal-mode: 3\n"
                                               "question: one\n"
                                               "  answer: abcd\n"
                                               "  picture: absent.jpg\n"
                                               "  reward: sound.wav\n"
                                               "question: two\n"
                                               "  answer: \xE4\xB8\xAD"
                                               "abc\n"
                                               "  picture: ok.png\n"
                                               "  reward: ok.png\n"));
    QuizProject project;
    std::vector<std::string> errors, warnings;
    EXPECT_FALSE(LoadQuizProject(dir + "/q.quiz", &project, &errors, &warnings));
    const std::string quiz = dir + "/q.quiz";
    EXPECT_EQ(
        Joined(errors),
        quiz + ":8: answer: U+4E2D '\xE4\xB8\xAD' has no Windows-1252 code, which the player cannot show\n" +
            quiz + ":5: cannot read " + dir + "/absent.jpg: no such file\n" + quiz +
            ":6: sound.wav is a sound (WAV), but a reward needs a PNG, JPEG, GIF or BMP picture\n");
    EXPECT_EQ(project.rewards[1], TinyPng());

    EXPECT_FALSE(LoadQuizProject(dir + "/absent.quiz", &project, &errors, &warnings));
    EXPECT_EQ(errors.back(), "cannot read " + dir + "/absent.quiz: no such file");
    // A Windows path read here: the author hears that folders are separated by '/'.
    ASSERT_TRUE(WriteFileText(dir + "/w.quiz",
                              "kind: pictures\nquestion: q\n  answer: abcd\n  picture: images\\ok.png\n"));
    EXPECT_FALSE(LoadQuizProject(dir + "/w.quiz", &project, &errors, &warnings));
    EXPECT_EQ(errors.back(),
              dir + "/w.quiz:4: cannot read " + dir +
                  "/images\\ok.png: no such file (folders are separated by / here: write images/ok.png)");
}

// A picture cut short before the end of what the player needs is refused, and no check reads past the
// end of what it was given (the ASan build catches that).
TEST(QuizProject, RefusesEveryPictureCutShort) {
    const struct {
        const char* name;
        ByteVector whole;
        size_t needed; // bytes up to the end of what the checks read
    } cases[] = {
        {"PNG", TinyPng(), TinyPng().size() - 12}, // the player needs no IEND chunk
        {"JPEG", TinyJpeg(), 39},                  // SOI, JFIF segment, frame header
        {"GIF", TinyGif(), 13},
        {"BMP", TinyBmp(), TinyBmp().size()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PictureProblem(c.whole), "") << c.name;
        for (size_t size = 0; size < c.needed; ++size) {
            const ByteVector part(c.whole.begin(), c.whole.begin() + size);
            EXPECT_NE(PictureProblem(part), "") << c.name << " cut to " << size << " bytes";
        }
    }
}

TEST(QuizProject, FindsMediaFilesBesideTheSource) {
    const struct {
        const char* quiz;
        const char* file;
        const char* path;
    } cases[] = {
        {"/a/b/q.quiz", "x.png", "/a/b/x.png"},     {"q.quiz", "x.png", "x.png"},
        {"/a/q.quiz", "sub/x.png", "/a/sub/x.png"}, {"C:\\quiz\\q.quiz", "x.png", "C:\\quiz\\x.png"},
        {"/a/q.quiz", "/abs/x.png", "/abs/x.png"},  {"/a/q.quiz", "D:\\x.png", "D:\\x.png"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MediaFilePath(c.quiz, c.file), c.path) << c.quiz << " " << c.file;
}

// Every demo quiz shipped in examples/ passes the checks that `pack` makes.
TEST(QuizProject, EveryDemoQuizLoadsWithoutAnError) {
    int found = 0;
    for (const char* name : {"text/text", "demo/demo", "pictures/pictures", "audio/audio", "video/video"}) {
        const std::string path = std::string(JORVO_EXAMPLES_DIR) + "/" + name + ".quiz";
        ByteVector bytes;
        if (!ReadFileBytes(path, &bytes)) continue;
        ++found;
        QuizProject project;
        std::vector<std::string> errors, warnings;
        EXPECT_TRUE(LoadQuizProject(path, &project, &errors, &warnings)) << Joined(errors);
        EXPECT_GE(project.source.content.questions.size(), 6u) << path;
    }
    EXPECT_GE(found, 4); // the text quiz under either of its names, and the three media quizzes
}

} // namespace
