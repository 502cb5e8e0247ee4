// Saving when the disk refuses: an injected write failure (full disk, short write) and, where the
// machine allows mounting, a really full folder and a read-only one. The previous answers file stays
// byte for byte, no partial file is left, and the next save works.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "header/answers_file.h"
#include "header/save_answers.h"
#include "small_disks.h"

namespace {

constexpr char kPrevious[] = "previous\r\n";
constexpr char kSaved[] = "Paris\r\nRome\r\n";

std::string AnswersName() {
    char name[MAX_PATH] = "";
    ProgramAnswersFileName(name, sizeof name);
    return name;
}

class SaveFaultsTest : public testing::Test {
  protected:
    void SetUp() override {
        panel =
            CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
        const char* texts[] = {"Paris", "Rome"};
        for (int i = 0; i < 2; ++i)
            CreateWindowExA(0, "Edit", texts[i], WS_CHILD | WS_VISIBLE, 0, 0, 200, 20, panel,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(4001 + i)), nullptr, nullptr);
        document.questionPanel = panel;
        document.questionCount = 2;
        document.answersPerQuestion = 1;
        GetCurrentDirectoryA(sizeof home, home);
    }
    void TearDown() override {
        saveWriteFile = WriteFile;
        SetCurrentDirectoryA(home);
        DeleteFileA(AnswersName().c_str());
        DestroyWindow(panel);
    }
    // Saves with the current directory set to `folder` (empty: this one); answers the file's bytes and
    // whether a partial file was left.
    std::string SaveIn(const std::string& folder, bool* partialLeft) {
        if (!folder.empty()) SetCurrentDirectoryA(folder.c_str());
        SaveAnswers(&document);
        const std::string bytes = FileBytes(AnswersName());
        *partialLeft = GetFileAttributesA((AnswersName() + ".new").c_str()) != INVALID_FILE_ATTRIBUTES;
        SetCurrentDirectoryA(home);
        return bytes;
    }

    HWND panel = nullptr;
    QuizDocument document;
    char home[MAX_PATH] = "";
};

TEST_F(SaveFaultsTest, FailedWriteKeepsThePreviousFileAndTheNextSaveWorks) {
    const struct {
        const char* what;
        SaveWriteFileProc write;
    } cases[] = {{"a full disk", FailingWrite}, {"a write cut short", ShortWrite}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::ofstream(AnswersName(), std::ios::binary) << kPrevious;
        bool partial = true;
        saveWriteFile = c.write;
        EXPECT_EQ(SaveIn("", &partial), kPrevious);
        EXPECT_FALSE(partial);
        saveWriteFile = WriteFile;
        EXPECT_EQ(SaveIn("", &partial), kSaved);
        EXPECT_FALSE(partial);
    }
}

// Another program holds the old file open for sharing with a lock on all of it: the save either
// replaces it whole or leaves it as it was, never mixed or cut, and the player carries on.
TEST_F(SaveFaultsTest, LockedAnswersFileIsReplacedWholeOrKept) {
    std::ofstream(AnswersName(), std::ios::binary) << kPrevious;
    HANDLE holder = CreateFileA(AnswersName().c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(LockFile(holder, 0, 0, sizeof kPrevious - 1, 0));
    bool partial = true;
    const std::string saved = SaveIn("", &partial);
    UnlockFile(holder, 0, 0, sizeof kPrevious - 1, 0);
    CloseHandle(holder);
    EXPECT_TRUE(saved == kPrevious || saved == kSaved) << saved;
    EXPECT_FALSE(partial);
    EXPECT_EQ(SaveIn("", &partial), kSaved) << "once the lock is gone the save works";
}

TEST_F(SaveFaultsTest, ReallyFullFolderKeepsThePreviousFileUntilThereIsRoomAgain) {
    std::string why;
    const std::string folder = SmallDiskFolder("full", &why);
    if (folder.empty()) GTEST_SKIP() << why;
    std::ofstream(folder + AnswersName(), std::ios::binary) << kPrevious;
    ASSERT_TRUE(FillDisk(folder));
    bool partial = true;
    EXPECT_EQ(SaveIn(folder, &partial), kPrevious);
    EXPECT_FALSE(partial);
    DeleteFileA((folder + "filler").c_str());
    EXPECT_EQ(SaveIn(folder, &partial), kSaved);
    EXPECT_FALSE(partial);
    DeleteFileA((folder + AnswersName()).c_str());
}

TEST_F(SaveFaultsTest, ReadOnlyFolderKeepsThePreviousFile) {
    std::string why;
    const std::string folder = SmallDiskFolder("readonly", &why);
    if (folder.empty()) GTEST_SKIP() << why;
    bool partial = true;
    EXPECT_EQ(SaveIn(folder, &partial), kPrevious);
    EXPECT_FALSE(partial);
}

} // namespace
