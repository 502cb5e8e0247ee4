// The answers file's name, from the program's path, and its bytes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "header/answers_file.h"

TEST(AnswersFile, NameIsTheProgramNameWithItsLastThreeCharactersReplacedByTxt) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\jeux\\jeu.exe", "jeu.txt"},
        {"C:\\JEUX\\JEU.EXE", "JEU.txt"},
        {"jeu.exe", "jeu.txt"},
        {"C:\\quiz.v2\\capitales", "capitatxt"},      // a directory's dot is not the name's
        {"Z:\\work/build\\sub/quiz.exe", "quiz.txt"}, // either separator cuts
        {"C:\\x\\abc", "txt"},
        {"C:\\x\\ab", "ab.txt"}, // too short to replace three: never before the name
        {"C:\\x\\", ""},
        {"", ""},
    };
    for (const auto& [path, expected] : cases) {
        char name[64] = "x";
        EXPECT_EQ(AnswersFileName(path, name, sizeof name), *expected != '\0') << path;
        EXPECT_STREQ(name, expected) << path;
    }
}

TEST(AnswersFile, NameThatDoesNotFitIsRefusedNotCut) {
    char name[8] = "x";
    EXPECT_TRUE(AnswersFileName("C:\\jeu.exe", name, sizeof name)); // "jeu.txt" and its end: 8 bytes
    EXPECT_STREQ(name, "jeu.txt");
    EXPECT_FALSE(AnswersFileName("C:\\jeux.exe", name, sizeof name));
    EXPECT_STREQ(name, "");
}

namespace {

std::string BytesOf(std::vector<const char*> texts) {
    const size_t length = AnswersFileBytes(texts.data(), int(texts.size()), nullptr, 0);
    std::string bytes(length + 4, '#'); // room past the end shows an overrun
    EXPECT_EQ(AnswersFileBytes(texts.data(), int(texts.size()), bytes.data(), length), length);
    EXPECT_EQ(bytes.substr(length), "####");
    return bytes.substr(0, length);
}

} // namespace

TEST(AnswersFile, BytesAreEveryFieldByteForByteEachEndedByCrLf) {
    EXPECT_EQ(BytesOf({"", "", "Paris", "", "", ""}), "\r\n\r\nParis\r\n\r\n\r\n\r\n");
    EXPECT_EQ(BytesOf({"  paris ", "Ath\xe8nes", "-"}), "  paris \r\nAth\xe8nes\r\n-\r\n");
    EXPECT_EQ(BytesOf({}), "");
}

TEST(AnswersFile, ShortBufferGetsThePrefixAndTheFullLength) {
    const char* texts[] = {"Paris", "Rome"};
    char out[6] = {};
    EXPECT_EQ(AnswersFileBytes(texts, 2, out, 6), 13u);
    EXPECT_EQ(std::string(out, 6), "Paris\r");
}
