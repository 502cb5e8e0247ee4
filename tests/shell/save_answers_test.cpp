// SaveAnswers over real edit controls: one CR LF line per field, byte for byte, replacing the file
// only with a complete new one.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "header/save_answers.h"
#include "shell_test_support.h"

namespace {

class SaveAnswersTest : public testing::Test {
  protected:
    void SetUp() override {
        fileName = OwnAnswersFileName();
        NewPanel();
    }
    // A fresh panel without fields stands for the question panel.
    void NewPanel() {
        if (panel) DestroyWindow(panel);
        panel = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        document.questionPanel = panel;
    }
    void TearDown() override {
        DestroyWindow(panel);
        DeleteFileA(fileName.c_str());
        DeleteFileA((fileName + ".new").c_str());
    }
    // Answer fields 4001, 4002, ... holding `texts`; a text "-" is a hidden second field.
    void MakeFields(const std::vector<std::string>& texts) {
        for (size_t i = 0; i < texts.size(); ++i) {
            HWND field = CreateWindowExA(0, "Edit", "", WS_CHILD | (texts[i] == "-" ? 0 : WS_VISIBLE), 0,
                                         static_cast<int>(20 * i), 200, 20, panel,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(4001 + i)),
                                         GetModuleHandleA(nullptr), nullptr);
            SetWindowTextA(field, texts[i].c_str());
        }
    }
    std::string Saved() {
        std::string bytes;
        EXPECT_TRUE(ReadWholeFile(fileName, &bytes)) << fileName;
        return bytes;
    }

    std::string fileName;
    HWND panel = nullptr;
    QuizDocument document;
};

struct SaveCase {
    const char* name;
    int questions;
    int answersPerQuestion;
    std::vector<std::string> fields; // as typed; fewer than N x M leaves the rest of the quiz fieldless
    std::string bytes;
};

TEST_F(SaveAnswersTest, EveryFieldBecomesOneCrLfLineByteForByte) {
    const SaveCase cases[] = {
        {"only field 3 typed", 3, 2, {"", "", "Paris", "", "", ""}, "\r\n\r\nParis\r\n\r\n\r\n\r\n"},
        {"spaces and case kept", 2, 1, {"  paris ", "ATH\xc8NES"}, "  paris \r\nATH\xc8NES\r\n"},
        {"hidden second field", 2, 2, {"Rome", "-", "", "Oslo"}, "Rome\r\n-\r\n\r\nOslo\r\n"},
        {"every field empty", 3, 1, {"", "", ""}, "\r\n\r\n\r\n"},
        {"fifty-five characters", 1, 1, {std::string(55, 'z')}, std::string(55, 'z') + "\r\n"},
        {"fields the panel lacks", 3, 1, {"a", "b"}, "a\r\nb\r\n\r\n"},
        {"no questions", 0, 1, {}, ""},
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.name);
        NewPanel();
        MakeFields(c.fields);
        document.questionCount = c.questions;
        document.answersPerQuestion = c.answersPerQuestion;
        WriteWholeFileForTest(fileName, "earlier answers\r\n");
        SaveAnswers(&document);
        EXPECT_EQ(Saved(), c.bytes);
        EXPECT_FALSE(FileExists(fileName + ".new"));
    }
}

TEST_F(SaveAnswersTest, CountsBeyondThePanelsLimitsWriteNoMoreThan96TimesTwoLines) {
    document.questionCount = 100000;
    document.answersPerQuestion = 2;
    SaveAnswers(&document);
    EXPECT_EQ(Saved(), [] {
        std::string lines;
        for (int i = 0; i < 96 * 2; ++i)
            lines += "\r\n";
        return lines;
    }());
    document.questionCount = -3;
    SaveAnswers(&document);
    EXPECT_EQ(Saved(), "");
}

TEST_F(SaveAnswersTest, AFileThatCannotBeReplacedKeepsTheEarlierAnswers) {
    MakeFields({"Paris"});
    document.questionCount = 1;
    document.answersPerQuestion = 1;
    WriteWholeFileForTest(fileName, "Rome\r\n");
    HANDLE holder =
        CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    SaveAnswers(&document);
    CloseHandle(holder);
    EXPECT_EQ(Saved(), "Rome\r\n");
    EXPECT_FALSE(FileExists(fileName + ".new")) << "the unfinished copy must not be left behind";
}

TEST_F(SaveAnswersTest, WithoutAQuestionPanelTheSavedAnswersAreLeftAlone) {
    document.questionCount = 2;
    WriteWholeFileForTest(fileName, "Rome\r\nOslo\r\n");
    document.questionPanel = nullptr;
    SaveAnswers(&document);
    EXPECT_EQ(Saved(), "Rome\r\nOslo\r\n");
    DestroyWindow(panel);
    document.questionPanel = panel; // destroyed
    SaveAnswers(&document);
    EXPECT_EQ(Saved(), "Rome\r\nOslo\r\n");
    SaveAnswers(nullptr);
}

} // namespace
