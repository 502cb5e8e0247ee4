// Extracting a media item where it cannot be written: a missing folder, an injected full disk or short
// write and, where the machine allows mounting, a really full or read-only temp folder. The player says
// so, leaves no partial file and keeps the last good path; a later extraction into a good folder works.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "media/media_host.h"
#include "shell/shell_state.h"
#include "small_disks.h"
#include "tests/pictures/picture_test_support.h"

namespace {

constexpr int kWavItem = 450; // in damaged.rc
constexpr char kAudioMessage[] = "Impossible de charger le fichier audio.";

std::string ItemBytes() {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(kWavItem), "IMG");
    return std::string(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                       SizeofResource(nullptr, found));
}

class MediaFaultsTest : public testing::Test {
  protected:
    void SetUp() override {
        quizDocument = new QuizDocument;
        quizDocument->quizKind = kQuizAudio;
        lstrcpyA(currentMediaPath, "jorvo400.WAV");
    }
    void TearDown() override {
        mediaWriteFile = WriteFile;
        DeleteFileA("jorvo450.WAV");
        delete quizDocument;
        quizDocument = nullptr;
    }
    // Extracts the item into `folder` through `write`: refused with the audio message, no file left,
    // the last path kept. Then a good extraction into this folder writes it whole.
    void ExpectRefusedThenRecovered(const std::string& folder, MediaWriteFileProc write) {
        lstrcpynA(quizDocument->mediaDirectory, folder.c_str(), sizeof quizDocument->mediaDirectory);
        mediaWriteFile = write;
        {
            MessageRecorder recorder;
            EXPECT_EQ(ExtractMediaResource(nullptr, kWavItem, 1), 0);
            ASSERT_EQ(recorder.Messages().size(), 1u);
            EXPECT_EQ(recorder.Messages()[0].text, kAudioMessage);
        }
        EXPECT_EQ(FileBytes(folder + "jorvo450.WAV"), "(missing)") << "no partial file";
        EXPECT_STREQ(currentMediaPath, "jorvo400.WAV");

        mediaWriteFile = WriteFile;
        quizDocument->mediaDirectory[0] = '\0';
        EXPECT_EQ(ExtractMediaResource(nullptr, kWavItem, 1), 1);
        EXPECT_STREQ(currentMediaPath, "jorvo450.WAV");
        EXPECT_EQ(FileBytes("jorvo450.WAV"), ItemBytes());
        lstrcpyA(currentMediaPath, "jorvo400.WAV");
    }
};

TEST_F(MediaFaultsTest, UnwritableFolderOrFailedWriteIsReportedAndLeavesNoFile) {
    const struct {
        const char* what;
        const char* folder;
        MediaWriteFileProc write;
    } cases[] = {
        {"a folder that does not exist", "Z:/no/such/folder/", WriteFile},
        {"a full disk", "", FailingWrite},
        {"a write cut short", "", ShortWrite},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectRefusedThenRecovered(c.folder, c.write);
    }
}

TEST_F(MediaFaultsTest, ReallyFullOrReadOnlyTempFolderIsReportedAndLeavesNoFile) {
    std::string why;
    const std::string full = SmallDiskFolder("full", &why);
    const std::string readOnly = SmallDiskFolder("readonly", &why);
    if (full.empty() || readOnly.empty()) GTEST_SKIP() << why;
    ASSERT_TRUE(FillDisk(full));
    ExpectRefusedThenRecovered(full, WriteFile);
    DeleteFileA((full + "filler").c_str());
    ExpectRefusedThenRecovered(readOnly, WriteFile);
}

} // namespace
