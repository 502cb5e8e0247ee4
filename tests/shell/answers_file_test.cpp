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
    for (const auto& [path, name] : cases)
        EXPECT_EQ(AnswersFileName(path), name) << path;
}

TEST(AnswersFile, BytesAreEveryFieldByteForByteEachEndedByCrLf) {
    EXPECT_EQ(AnswersFileBytes({"", "", "Paris", "", "", ""}), "\r\n\r\nParis\r\n\r\n\r\n\r\n");
    EXPECT_EQ(AnswersFileBytes({"  paris ", "Ath\xe8nes", "-"}), "  paris \r\nAth\xe8nes\r\n-\r\n");
    EXPECT_EQ(AnswersFileBytes({}), "");
}
