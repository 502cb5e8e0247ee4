// The answers file's name (from the program's path) and its bytes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "header/answers_file.h"

namespace {

struct NameCase {
    const char* modulePath;
    const char* fileName;
};

class AnswersFileNameTable : public testing::TestWithParam<NameCase> {};

TEST_P(AnswersFileNameTable, KeepsOnlyTheProgramNameWithTxtEnding) {
    EXPECT_EQ(AnswersFileName(GetParam().modulePath), GetParam().fileName);
}

INSTANTIATE_TEST_SUITE_P(
    ModulePaths, AnswersFileNameTable,
    testing::Values(NameCase{"C:\\jeux\\jeu.exe", "jeu.txt"}, NameCase{"C:\\JEUX\\JEU.EXE", "JEU.txt"},
                    NameCase{"jeu.exe", "jeu.txt"},                       // no directory at all
                    NameCase{"C:\\quiz.v2\\capitales", "capitatxt"},      // only the last three change
                    NameCase{"Z:\\work/build\\sub/quiz.exe", "quiz.txt"}, // either separator cuts
                    NameCase{"/opt/jorvo/jorvo.exe", "jorvo.txt"}, NameCase{"C:\\x\\abc", "txt"},
                    NameCase{"C:\\x\\ab", "ab.txt"}, // too short to replace three characters
                    NameCase{"C:\\x\\a", "a.txt"}, NameCase{"C:\\x\\", ""}, NameCase{"", ""}));

struct BytesCase {
    std::vector<std::string> fields;
    std::string bytes;
};

class AnswersFileBytesTable : public testing::TestWithParam<BytesCase> {};

TEST_P(AnswersFileBytesTable, OneCrLfLinePerFieldByteForByte) {
    EXPECT_EQ(AnswersFileBytes(GetParam().fields), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Fields, AnswersFileBytesTable,
                         testing::Values(
                             // Three questions of two fields, only field 3 filled: 17 bytes.
                             BytesCase{{"", "", "Paris", "", "", ""}, "\r\n\r\nParis\r\n\r\n\r\n\r\n"},
                             BytesCase{{"  paris "}, "  paris \r\n"}, // not trimmed
                             BytesCase{{"Ath\xe8nes", "-"},
                                       "Ath\xe8nes\r\n-\r\n"}, // cp1252 bytes, hidden field's "-"
                             BytesCase{{}, ""}));

} // namespace
