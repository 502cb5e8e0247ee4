// The media host: items written to files under their sniffed names, failures that are not reported as
// success, the library and COM only for audio and video quizzes, and the real player created and
// stopped (media_play_test.cpp plays it).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "media/media_host.h"
#include "shell/shell_state.h"
#include "shell_fixture.h"
#include "shell_test_support.h"

namespace {

std::string ResourceBytes(int id) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), "IMG");
    return std::string(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                       SizeofResource(nullptr, found));
}

class MediaHostTest : public testing::Test {
  protected:
    void SetUp() override {
        StartRecordingMessages();
        quizDocument = new QuizDocument;
        lstrcpyA(currentMediaPath, "jorvo400.MP3");
    }
    void TearDown() override {
        delete quizDocument;
        quizDocument = nullptr;
        DrainMessages();
    }
};

TEST_F(MediaHostTest, WritesEachItemUnderItsSniffedNameByteForByteOverwritingAnOldFile) {
    const struct {
        int id;
        const char* fileName;
    } cases[] = {{401, "jorvo401.WAV"}, {402, "jorvo402.AVI"}, {403, "jorvo403.MP3"},
                 {404, "jorvo404.MID"}, {405, "jorvo405.MPG"}, {406, "jorvo406.WMV"},
                 {407, "jorvo407.MP3"}, {408, "jorvo408.MPG"}, {409, "jorvo409.MP3"}}; // 4, 3, 1 bytes
    for (const auto& c : cases) {
        WriteWholeFileForTest(c.fileName, std::string(100, 'x'));
        ASSERT_EQ(ExtractMediaResource(nullptr, c.id, 1), 1) << c.id;
        EXPECT_STREQ(currentMediaPath, c.fileName);
        std::string bytes;
        EXPECT_TRUE(ReadWholeFile(c.fileName, &bytes) && bytes == ResourceBytes(c.id)) << c.fileName;
        DeleteFileA(c.fileName);
    }
    EXPECT_TRUE(recordedMessages.empty());
}

TEST_F(MediaHostTest, FailuresAnswerZeroKeepThePathAndTellTheKindOnlyWhenTheItemExists) {
    EXPECT_EQ(ExtractMediaResource(nullptr, 499, 1), 0); // missing: no message, no file
    EXPECT_TRUE(recordedMessages.empty());
    EXPECT_FALSE(FileExists("jorvo499.MP3"));

    WriteWholeFileForTest("jorvo403.MP3", "held");
    HANDLE holder = CreateFileA("jorvo403.MP3", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    for (int type : {1, 2, 0})
        ExtractMediaResource(nullptr, 403, type);
    CloseHandle(holder);
    ASSERT_EQ(recordedMessages.size(), 2u) << "an unwritable file must not pass for a written one";
    EXPECT_EQ(recordedMessages[0].text, "Impossible de charger le fichier audio.");
    EXPECT_EQ(recordedMessages[1].text, "Impossible de charger le fichier vid\xE9o.");
    EXPECT_EQ(recordedMessages[1].caption, "Jorvo");
    EXPECT_EQ(recordedMessages[1].flags, 0u);
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile("jorvo403.MP3", &bytes) && bytes == "held");
    DeleteFileA("jorvo403.MP3");

    // A media directory that fills its whole array leaves no room in the 260-byte path.
    std::memset(quizDocument->mediaDirectory, 'd', sizeof quizDocument->mediaDirectory);
    EXPECT_EQ(ExtractMediaResource(nullptr, 402, 2), 0);
    EXPECT_STREQ(currentMediaPath, "jorvo400.MP3");
}

// True when COM was not yet initialised on this thread (the probe balances its own call).
bool ComWasOff() {
    HRESULT probe = CoInitialize(nullptr);
    if (SUCCEEDED(probe)) CoUninitialize();
    return probe == S_OK;
}

HWND TopWindow() {
    return CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
}

TEST_F(MediaHostTest, OnlyAudioAndVideoQuizzesHoldTheLibraryAndComUntilShutdown) {
    for (int kind : {0, 1, -1, 4, 2, 3}) {
        SCOPED_TRACE("kind " + std::to_string(kind));
        bool media = kind == kQuizAudio || kind == kQuizVideo;
        quizDocument->quizKind = kind;
        InstallMediaHost();
        EXPECT_EQ(mediaLibrary != nullptr, media);
        EXPECT_EQ(attachControl != nullptr, media);
        if (media) {
            EXPECT_EQ(mediaLibrary, GetModuleHandleA("atl.dll"));
        }
        EXPECT_EQ(ComWasOff(), !media);
        HWND window = TopWindow();
        ShutdownMediaHost(window);
        EXPECT_EQ(IsWindow(window), !media) << "the shutdown destroys the main window of a media quiz only";
        EXPECT_EQ(mediaLibrary, nullptr);
        EXPECT_TRUE(ComWasOff()) << "CoInitialize left unbalanced";
        DestroyWindow(window);
    }
}

TEST_F(MediaHostTest, PlayerIsCreatedAttachedAndStoppedOrLeftOutWithoutTheAttachFunction) {
    MediaSlot slot{};
    EXPECT_EQ(CreateMediaPlayer(&slot, nullptr), 0) << "no player before the host is installed";

    quizDocument->quizKind = kQuizVideo;
    InstallMediaHost();
    HWND window = TopWindow();
    HWND host = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 0, 0, 300, 200, window,
                                nullptr, nullptr, nullptr);
    ASSERT_EQ(CreateMediaPlayer(&slot, host), 1);
    EXPECT_EQ(slot.host, host);
    EXPECT_NE(slot.player, nullptr);
    EXPECT_NE(slot.controls, nullptr);
    StopMediaPlayer(&slot); // before any play: harmless

    attachControl = nullptr; // as with a library that lacks it
    MediaSlot unattached{};
    EXPECT_EQ(CreateMediaPlayer(&unattached, host), 1) << "the panel goes on building";
    EXPECT_EQ(unattached.player, nullptr);
    EXPECT_EQ(StartMediaPlayer(&unattached, "jorvo401.WAV"), 0);
    StopMediaPlayer(&unattached);
    ShutdownMediaHost(window);
    EXPECT_FALSE(IsWindow(host));
}

} // namespace
