// The media host: extraction of media resources to files (names, extensions, bytes, failures), the
// library and COM set up only for audio and video quizzes, and the calls made on a block's player (on
// the real control, never playing it: Wine's player crashes in play; play itself against a stand-in).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "media/media_host.h"
#include "shell/shell_state.h"
#include "shell_fixture.h"
#include "shell_test_support.h"

namespace {

std::string ResourceBytes(int id) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), "IMG");
    if (!found) return "";
    return std::string(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                       SizeofResource(nullptr, found));
}

class MediaHostTest : public testing::Test {
  protected:
    void SetUp() override {
        StartRecordingMessages();
        quizDocument = new QuizDocument;
        currentMediaPath[0] = '\0';
    }
    void TearDown() override {
        delete quizDocument;
        quizDocument = nullptr;
        for (const std::string& name : written)
            DeleteFileA(name.c_str());
    }
    std::vector<std::string> written;
};

struct ExtractCase {
    int id;
    const char* fileName;
};

TEST_F(MediaHostTest, WritesEachItemUnderItsSniffedExtensionByteForByte) {
    const ExtractCase cases[] = {
        {401, "jorvo401.WAV"},
        {402, "jorvo402.AVI"},
        {403, "jorvo403.MP3"},
        {404, "jorvo404.MID"},
        {405, "jorvo405.MPG"},
        {406, "jorvo406.WMV"},
        {407, "jorvo407.MP3"}, // "RIFF" alone: shorter than 9
                               // bytes, no form to read
        {408, "jorvo408.MPG"}, // 00 00 01: three bytes
        {409, "jorvo409.MP3"}, // a single FF byte
    };
    for (const ExtractCase& c : cases) {
        written.push_back(c.fileName);
        DeleteFileA(c.fileName);
        ASSERT_EQ(ExtractMediaResource(nullptr, c.id, 1), 1) << c.id;
        EXPECT_STREQ(currentMediaPath, c.fileName);
        std::string bytes;
        ASSERT_TRUE(ReadWholeFile(c.fileName, &bytes))
            << c.fileName << " not written in the current directory";
        EXPECT_EQ(bytes, ResourceBytes(c.id)) << c.fileName;
    }
    EXPECT_TRUE(recordedMessages.empty());
}

TEST_F(MediaHostTest, PlayingTheSameItemAgainOverwritesItsFile) {
    written.push_back("jorvo401.WAV");
    WriteWholeFileForTest("jorvo401.WAV", std::string(200, 'x'));
    ASSERT_EQ(ExtractMediaResource(nullptr, 401, 1), 1);
    ASSERT_EQ(ExtractMediaResource(nullptr, 401, 1), 1);
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile("jorvo401.WAV", &bytes));
    EXPECT_EQ(bytes, ResourceBytes(401));
}

TEST_F(MediaHostTest, MissingItemGivesNoMessageNoFileAndKeepsThePath) {
    lstrcpyA(currentMediaPath, "jorvo401.WAV");
    EXPECT_EQ(ExtractMediaResource(nullptr, 499, 1), 0);
    EXPECT_EQ(ExtractMediaResource(nullptr, 499, 2), 0);
    EXPECT_TRUE(recordedMessages.empty());
    EXPECT_STREQ(currentMediaPath, "jorvo401.WAV");
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("jorvo499.*", &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE);
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

TEST_F(MediaHostTest, FileThatCannotBeWrittenIsReportedByKindNotAsSuccess) {
    written.push_back("jorvo403.MP3");
    WriteWholeFileForTest("jorvo403.MP3", "held");
    HANDLE holder = CreateFileA("jorvo403.MP3", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    lstrcpyA(currentMediaPath, "jorvo401.WAV");

    struct Case {
        int mediaType;
        const char* message; // null: none
    } cases[] = {{1, "Impossible de charger le fichier audio."},
                 {2, "Impossible de charger le fichier vidéo."},
                 {0, nullptr}};
    for (const Case& c : cases) {
        recordedMessages.clear();
        EXPECT_EQ(ExtractMediaResource(nullptr, 403, c.mediaType), 0) << "type " << c.mediaType;
        EXPECT_STREQ(currentMediaPath, "jorvo401.WAV") << "a failed extraction keeps the last path";
        if (!c.message) {
            EXPECT_TRUE(recordedMessages.empty());
            continue;
        }
        ASSERT_EQ(recordedMessages.size(), 1u) << "type " << c.mediaType;
        EXPECT_EQ(recordedMessages[0].text, c.message);
        EXPECT_EQ(recordedMessages[0].caption, "Jorvo");
        EXPECT_EQ(recordedMessages[0].flags, 0u);
    }
    CloseHandle(holder);
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile("jorvo403.MP3", &bytes));
    EXPECT_EQ(bytes, "held");
}

TEST_F(MediaHostTest, MediaDirectoryPrefixesTheNameAndAnOverlongOneIsRefused) {
    CreateDirectoryA("extracted", nullptr);
    lstrcpyA(quizDocument->mediaDirectory, "extracted\\");
    written.push_back("extracted\\jorvo402.AVI");
    ASSERT_EQ(ExtractMediaResource(nullptr, 402, 2), 1);
    EXPECT_STREQ(currentMediaPath, "extracted\\jorvo402.AVI");
    EXPECT_TRUE(FileExists("extracted\\jorvo402.AVI"));

    // A directory that fills its whole array (no terminator) cannot fit the 260-byte path.
    std::memset(quizDocument->mediaDirectory, 'd', sizeof quizDocument->mediaDirectory);
    recordedMessages.clear();
    EXPECT_EQ(ExtractMediaResource(nullptr, 402, 2), 0);
    EXPECT_STREQ(currentMediaPath, "extracted\\jorvo402.AVI");
    ASSERT_EQ(recordedMessages.size(), 1u);
    EXPECT_EQ(recordedMessages[0].text, "Impossible de charger le fichier vidéo.");
    DeleteFileA("extracted\\jorvo402.AVI");
    RemoveDirectoryA("extracted");
}

// True when COM was not yet initialised on this thread (the probe balances its own call).
bool ComWasOff() {
    HRESULT probe = CoInitialize(nullptr);
    if (SUCCEEDED(probe)) CoUninitialize();
    return probe == S_OK;
}

HWND TopWindow() {
    return CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

TEST_F(MediaHostTest, TextAndPictureQuizzesTouchNeitherTheLibraryNorCom) {
    for (int kind : {int(kQuizText), int(kQuizPictures), -1, 4}) {
        quizDocument->quizKind = kind;
        InstallMediaHost();
        EXPECT_EQ(mediaLibrary, nullptr) << "kind " << kind;
        EXPECT_EQ(attachControl, nullptr) << "kind " << kind;
        EXPECT_TRUE(ComWasOff()) << "kind " << kind;
        HWND window = TopWindow();
        ShutdownMediaHost(window);
        EXPECT_TRUE(IsWindow(window)) << "only an audio or video quiz's shutdown destroys the main window";
        DestroyWindow(window);
        MediaSlot slot{};
        EXPECT_EQ(CreateMediaPlayer(&slot, window), 0) << "no player without the host";
    }
}

TEST_F(MediaHostTest, AudioAndVideoQuizzesHoldTheLibraryAndComUntilShutdown) {
    for (int kind : {int(kQuizAudio), int(kQuizVideo)}) {
        quizDocument->quizKind = kind;
        InstallMediaHost();
        ASSERT_NE(mediaLibrary, nullptr) << "kind " << kind;
        EXPECT_EQ(mediaLibrary, GetModuleHandleA("atl.dll"));
        FARPROC exported = GetProcAddress(mediaLibrary, "AtlAxAttachControl");
        EXPECT_EQ(attachControl,
                  reinterpret_cast<AtlAxAttachControlProc>(reinterpret_cast<void (*)()>(exported)));
        EXPECT_NE(attachControl, nullptr);
        EXPECT_FALSE(ComWasOff()) << "kind " << kind;

        HWND window = TopWindow();
        ShutdownMediaHost(window);
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(mediaLibrary, nullptr);
        EXPECT_EQ(attachControl, nullptr);
        EXPECT_TRUE(ComWasOff()) << "shutdown must balance the start-up's CoInitialize";
        DrainMessages();
    }
}

TEST_F(MediaHostTest, RealPlayerIsCreatedAttachedAndStoppableWithoutPlaying) {
    quizDocument->quizKind = kQuizVideo;
    InstallMediaHost();
    HWND window = TopWindow();
    HWND host = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 0, 0, 300, 200, window,
                                reinterpret_cast<HMENU>(9901), GetModuleHandleA(nullptr), nullptr);
    MediaSlot slot{};
    ASSERT_EQ(CreateMediaPlayer(&slot, host), 1);
    EXPECT_EQ(slot.host, host);
    EXPECT_NE(slot.player, nullptr);
    EXPECT_NE(slot.controls, nullptr);
    StopMediaPlayer(&slot); // stopping a player that plays nothing is harmless
    ShutdownMediaHost(window);
    EXPECT_FALSE(IsWindow(host));
    DrainMessages();
}

TEST_F(MediaHostTest, WithoutTheAttachFunctionThePlayerIsNotShownAndTheSlotStaysEmpty) {
    quizDocument->quizKind = kQuizAudio;
    InstallMediaHost();
    attachControl = nullptr; // as with a library that lacks it
    HWND window = TopWindow();
    MediaSlot slot{};
    EXPECT_EQ(CreateMediaPlayer(&slot, window), 1) << "the panel goes on building";
    EXPECT_EQ(slot.host, window);
    EXPECT_EQ(slot.player, nullptr);
    EXPECT_EQ(slot.controls, nullptr);
    EXPECT_EQ(StartMediaPlayer(&slot, "jorvo401.WAV"), 0);
    StopMediaPlayer(&slot);
    ShutdownMediaHost(window);
    DrainMessages();
}

// A player that records what it is asked to do, standing in for the real control (which crashes in play
// under Wine).
#define NOT_USED(name, ...)                                                                                  \
    HRESULT STDMETHODCALLTYPE name(__VA_ARGS__) override {                                                   \
        return E_NOTIMPL;                                                                                    \
    }

struct StandInPlayer : IWMPPlayer, IWMPControls {
    std::vector<std::wstring> calls;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    NOT_USED(GetTypeInfoCount, UINT*)
    NOT_USED(GetTypeInfo, UINT, LCID, ITypeInfo**)
    NOT_USED(GetIDsOfNames, REFIID, LPOLESTR*, UINT, LCID, DISPID*)
    NOT_USED(Invoke, DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)

    HRESULT STDMETHODCALLTYPE put_URL(BSTR url) override {
        calls.push_back(L"put_URL " + std::wstring(url, SysStringLen(url)));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE play() override {
        calls.push_back(L"play");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE stop() override {
        calls.push_back(L"stop");
        return S_OK;
    }
    NOT_USED(close)
    NOT_USED(get_URL, BSTR*)
    NOT_USED(get_openState, WMPOpenState*)
    NOT_USED(get_playState, WMPPlayState*)
    NOT_USED(get_controls, IWMPControls**)
    NOT_USED(get_settings, IWMPSettings**)
    NOT_USED(get_currentMedia, IWMPMedia**)
    NOT_USED(put_currentMedia, IWMPMedia*)
    NOT_USED(get_mediaCollection, IWMPMediaCollection**)
    NOT_USED(get_playlistCollection, IWMPPlaylistCollection**)
    NOT_USED(get_versionInfo, BSTR*)
    NOT_USED(launchURL, BSTR)
    NOT_USED(get_network, IWMPNetwork**)
    NOT_USED(get_currentPlaylist, IWMPPlaylist**)
    NOT_USED(put_currentPlaylist, IWMPPlaylist*)
    NOT_USED(get_cdromCollection, IWMPCdromCollection**)
    NOT_USED(get_closedCaption, IWMPClosedCaption**)
    NOT_USED(get_isOnline, VARIANT_BOOL*)
    NOT_USED(get_Error, IWMPError**)
    NOT_USED(get_status, BSTR*)
    NOT_USED(get_enabled, VARIANT_BOOL*)
    NOT_USED(put_enabled, VARIANT_BOOL)
    NOT_USED(get_fullScreen, VARIANT_BOOL*)
    NOT_USED(put_fullScreen, VARIANT_BOOL)
    NOT_USED(get_enableContextMenu, VARIANT_BOOL*)
    NOT_USED(put_enableContextMenu, VARIANT_BOOL)
    NOT_USED(put_uiMode, BSTR)
    NOT_USED(get_uiMode, BSTR*)
    NOT_USED(get_isAvailable, BSTR, VARIANT_BOOL*)
    NOT_USED(pause)
    NOT_USED(fastForward)
    NOT_USED(fastReverse)
    NOT_USED(get_currentPosition, double*)
    NOT_USED(put_currentPosition, double)
    NOT_USED(get_currentPositionString, BSTR*)
    NOT_USED(next)
    NOT_USED(previous)
    NOT_USED(currentItem, IWMPMedia**)
    NOT_USED(put_currentItem, IWMPMedia*)
    NOT_USED(get_currentMarker, LONG*)
    NOT_USED(put_currentMarker, LONG)
    NOT_USED(playItem, IWMPMedia*)
};

TEST(MediaPlayerCalls, StartHandsTheWidePathBeforePlayingAndStopStops) {
    StandInPlayer standIn;
    MediaSlot slot{nullptr, &standIn, &standIn};
    ASSERT_EQ(StartMediaPlayer(&slot, "C:\\jeux\\Athènes\\jorvo401.WAV"), 1);
    StopMediaPlayer(&slot);
    const std::vector<std::wstring> expected = {L"put_URL C:\\jeux\\Ath\u00e8nes\\jorvo401.WAV", L"play",
                                                L"stop"};
    EXPECT_EQ(standIn.calls, expected);
}

TEST(MediaPlayerCalls, PathTooLongForThePlayerIsRefusedUntouched) {
    StandInPlayer standIn;
    MediaSlot slot{nullptr, &standIn, &standIn};
    std::string longest(511, 'a'); // 511 characters and the terminator: the most the player takes
    EXPECT_EQ(StartMediaPlayer(&slot, longest.c_str()), 1);
    std::string tooLong(512, 'a');
    standIn.calls.clear();
    EXPECT_EQ(StartMediaPlayer(&slot, tooLong.c_str()), 0);
    EXPECT_TRUE(standIn.calls.empty());
    MediaSlot empty{};
    EXPECT_EQ(StartMediaPlayer(&empty, "jorvo401.WAV"), 0);
    StopMediaPlayer(&empty);
    StopMediaPlayer(nullptr);
}

} // namespace
