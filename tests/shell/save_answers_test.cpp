// SaveAnswers over real edit controls: one CR LF line per field, byte for byte, and a file that is
// only ever replaced by a complete new one.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "header/answers_file.h"
#include "header/save_answers.h"
#include "shell_test_support.h"

namespace {

class SaveAnswersTest : public testing::Test {
  protected:
    void TearDown() override {
        DestroyWindow(panel);
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL); // a failed case may leave it read-only
        DeleteFileA(file.c_str());
    }
    // A fresh stand-in for the question panel holding answer fields 4001, 4002, ... (a "-" is hidden).
    void SetFields(int questions, int answersPerQuestion, const std::vector<std::string>& texts) {
        DestroyWindow(panel);
        panel =
            CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
        for (size_t i = 0; i < texts.size(); ++i) {
            HWND field = CreateWindowExA(0, "Edit", "", WS_CHILD | (texts[i] == "-" ? 0 : WS_VISIBLE), 0, 0,
                                         200, 20, panel, reinterpret_cast<HMENU>(4001 + i), nullptr, nullptr);
            SetWindowTextA(field, texts[i].c_str());
        }
        document.questionPanel = panel;
        document.questionCount = questions;
        document.answersPerQuestion = answersPerQuestion;
    }
    std::string Saved() {
        std::string bytes;
        EXPECT_TRUE(ReadWholeFile(file, &bytes));
        return bytes;
    }

    const std::string file = OwnAnswersFileName();
    HWND panel = nullptr;
    QuizDocument document;
};

TEST_F(SaveAnswersTest, EveryFieldBecomesOneCrLfLineByteForByte) {
    const struct {
        int questions, answersPerQuestion;
        std::vector<std::string> fields; // fewer than N x M: the panel lacks the rest
        std::string bytes;
    } cases[] = {
        {3, 2, {"", "", "Paris", "", "", ""}, "\r\n\r\nParis\r\n\r\n\r\n\r\n"}, // 17 bytes
        {2, 1, {"  paris ", "ATH\xc8NES"}, "  paris \r\nATH\xc8NES\r\n"},       // not trimmed, cp1252
        {2, 2, {"Rome", "-", "", "Oslo"}, "Rome\r\n-\r\n\r\nOslo\r\n"},         // hidden second field
        {3, 1, {}, EmptyLines(3)},                                              // nothing typed
        {1, 1, {std::string(55, 'z')}, std::string(55, 'z') + "\r\n"},
        {0, 1, {}, ""},
        {-3, 2, {}, ""},
        {100000, 2, {}, EmptyLines(96 * 2)}, // no more than the panel's 96 questions
    };
    for (const auto& c : cases) {
        SetFields(c.questions, c.answersPerQuestion, c.fields);
        WriteWholeFileForTest(file, "earlier answers\r\n");
        SaveAnswers(&document);
        EXPECT_EQ(Saved(), c.bytes) << c.questions << " x " << c.answersPerQuestion;
        EXPECT_FALSE(FileExists(file + ".new"));
    }
}

TEST_F(SaveAnswersTest, EarlierAnswersStayWhenTheFileCannotBeReplacedOrThereIsNoPanel) {
    SetFields(1, 1, {"Paris"});
    const std::string partial = file + ".new";
    HANDLE holder = INVALID_HANDLE_VALUE;
    const struct {
        const char* obstacle;
        std::function<void()> set, clear;
    } obstacles[] = {
        {"the old file is held open",
         [&] {
             holder =
                 CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
         },
         [&] { CloseHandle(holder); }},
        {"the old file is read-only", [&] { SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY); },
         [&] { SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL); }},
        // The new file cannot be created, as in a folder the player may not write to.
        {"a folder holds the new file's name", [&] { CreateDirectoryA(partial.c_str(), nullptr); },
         [&] { EXPECT_TRUE(RemoveDirectoryA(partial.c_str())) << "the folder must be left alone"; }},
    };
    for (const auto& o : obstacles) {
        WriteWholeFileForTest(file, "Rome\r\n");
        o.set();
        SaveAnswers(&document);
        const bool leftBehind =
            FileExists(partial) && !(GetFileAttributesA(partial.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
        o.clear();
        EXPECT_EQ(Saved(), "Rome\r\n") << o.obstacle;
        EXPECT_FALSE(leftBehind) << o.obstacle << ": the unfinished copy must not be left behind";
        // Once the obstacle is gone the same save goes through.
        SaveAnswers(&document);
        EXPECT_EQ(Saved(), "Paris\r\n") << o.obstacle;
    }
    WriteWholeFileForTest(file, "Rome\r\n");

    // Without the question panel there are no fields: saving would blank the earlier answers.
    DestroyWindow(panel);
    SaveAnswers(&document);
    document.questionPanel = nullptr;
    SaveAnswers(&document);
    SaveAnswers(nullptr);
    EXPECT_EQ(Saved(), "Rome\r\n");
}

// The one name both the save and the start-up's reading use: this program is shell_tests.exe.
TEST(ProgramAnswersFileName, IsTheRunningProgramsNameEndingInTxtNeverACutOne) {
    char name[MAX_PATH] = "x";
    ASSERT_TRUE(ProgramAnswersFileName(name, sizeof name));
    EXPECT_STREQ(name, "shell_tests.txt");
    char small[8] = "x";
    EXPECT_FALSE(ProgramAnswersFileName(small, sizeof small));
    EXPECT_STREQ(small, "");
}

} // namespace
