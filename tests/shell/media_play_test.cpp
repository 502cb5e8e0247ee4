// The real media player control playing, watched from inside: every demo sound and film, extracted and
// started through the media host, must report "playing" on the control's own events and advance its
// position; a stop must free its file. Media the player cannot play (cut short, damaged, of a kind it
// has no decoder for) must fail without taking the process down and leave the player able to play the
// next item.
#include <windows.h>

#include <gtest/gtest.h>
#include <wmp.h>

#include <string>
#include <vector>

#include "media/media_host.h"
#include "shell/shell_state.h"
#include "shell_fixture.h"
#include "shell_test_support.h"

namespace {

// The control's event interface and the two of its states this test waits for.
const IID kPlayerEvents = {0x6bf52a51, 0x394a, 0x11d3, {0xb1, 0x53, 0x00, 0xc0, 0x4f, 0x79, 0xfa, 0xa6}};
constexpr DISPID kPlayStateChange = 5101;
constexpr long kStopped = 1, kPlaying = 3, kEnded = 8;

// Records every PlayStateChange the player reports, and when it first reported playing and ended.
struct StateSink : IDispatch {
    std::vector<long> states;
    DWORD playingAt = 0, endedAt = 0;

    void Clear() {
        states.clear();
        playingAt = endedAt = 0;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == kPlayerEvents) {
            *object = this;
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; } // lives on the test's stack
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        // The state comes as a 32-bit integer, signed or not.
        if (id == kPlayStateChange && params && params->cArgs == 1 &&
            (params->rgvarg[0].vt == VT_I4 || params->rgvarg[0].vt == VT_UI4)) {
            const long state = params->rgvarg[0].lVal;
            if (state == kPlaying && !playingAt) playingAt = GetTickCount();
            if (state == kEnded && !endedAt) endedAt = GetTickCount();
            states.push_back(state);
        }
        return S_OK;
    }
    bool Saw(long state) const {
        for (long s : states)
            if (s == state) return true;
        return false;
    }
};

// Resources 421 to 435 of test_media.rc: the demo quizzes' media as they are packed. How each shows that
// it plays: its position advances (then it is stopped), it ends no sooner than its length allows, or,
// for three 8-bit WAV files with an odd number of data bytes, that Wine 8 reports at its end at once,
// it is reported playing and ended.
enum Proof { kAdvances, kEnds, kEndsAtOnce };
struct DemoMedium {
    int id;
    const char* name;
    const char* fileName;
    DWORD length; // milliseconds
    Proof proof;
};
const DemoMedium kDemoMedia[] = {
    {421, "grenouille.mp3", "jorvo421.MP3", 1280, kAdvances},
    {422, "chateau.mp3", "jorvo422.MP3", 1200, kAdvances},
    {423, "papillon.wav", "jorvo423.WAV", 1266, kEndsAtOnce},
    {424, "bibliotheque.mp3", "jorvo424.MP3", 1489, kAdvances},
    {425, "parapluie.wma", "jorvo425.WMV", 1346, kEnds},
    {426, "escargot.mp3", "jorvo426.MP3", 1410, kAdvances},
    {427, "fromage.wav", "jorvo427.WAV", 1290, kEnds},
    {428, "bips-trois.wav", "jorvo428.WAV", 1800, kEndsAtOnce},
    {429, "bips-cinq.wav", "jorvo429.WAV", 3000, kEndsAtOnce},
    {430, "cercle.wmv", "jorvo430.WMV", 3000, kAdvances},
    {431, "carre.avi", "jorvo431.AVI", 3000, kEnds},
    {432, "triangle.wmv", "jorvo432.WMV", 3000, kAdvances},
    {433, "etoile.mpg", "jorvo433.MPG", 2960, kAdvances},
    {434, "losange.wmv", "jorvo434.WMV", 3000, kAdvances},
    {435, "croix.avi", "jorvo435.AVI", 3000, kAdvances},
};

std::string ResourceBytes(int id) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), "IMG");
    return std::string(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                       SizeofResource(nullptr, found));
}

double Position(const MediaSlot& slot) {
    double seconds = 0;
    return SUCCEEDED(slot.controls->get_currentPosition(&seconds)) ? seconds : 0;
}

class MediaPlayTest : public testing::Test {
  protected:
    void SetUp() override {
        StartRecordingMessages();
        quizDocument = new QuizDocument;
        quizDocument->quizKind = kQuizVideo;
        InstallMediaHost();
        window = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 320, 220, nullptr, nullptr,
                                 nullptr, nullptr);
        HWND host = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 10, 10, 300, 200, window, nullptr,
                                    nullptr, nullptr);
        ASSERT_EQ(CreateMediaPlayer(&slot, host), 1);
        ASSERT_NE(slot.controls, nullptr);
        IConnectionPointContainer* container = nullptr;
        ASSERT_TRUE(SUCCEEDED(slot.player->QueryInterface(IID_IConnectionPointContainer,
                                                          reinterpret_cast<void**>(&container))));
        container->FindConnectionPoint(kPlayerEvents, &events);
        container->Release();
        ASSERT_NE(events, nullptr);
        ASSERT_TRUE(SUCCEEDED(events->Advise(&sink, &cookie)));
    }
    void TearDown() override {
        if (events) {
            events->Unadvise(cookie);
            events->Release();
        }
        StopMediaPlayer(&slot);
        if (slot.controls) slot.controls->Release();
        if (slot.player) slot.player->Release();
        ShutdownMediaHost(window);
        delete quizDocument;
        quizDocument = nullptr;
        DrainMessages();
    }

    // Extracts item `id` as the play button does and starts it; the states seen start afresh.
    int Play(int id) {
        sink.Clear();
        if (!ExtractMediaResource(nullptr, id, 2)) return -1;
        return StartMediaPlayer(&slot, currentMediaPath);
    }

    HWND window = nullptr;
    MediaSlot slot{};
    StateSink sink;
    IConnectionPoint* events = nullptr;
    DWORD cookie = 0;
};

TEST_F(MediaPlayTest, EveryDemoSoundAndFilmPlaysAndStopFreesItsFile) {
    for (const DemoMedium& m : kDemoMedia) {
        SCOPED_TRACE(m.name);
        ASSERT_EQ(Play(m.id), 1) << "the player refused it";
        EXPECT_STREQ(currentMediaPath, m.fileName);
        std::string bytes;
        EXPECT_TRUE(ReadWholeFile(m.fileName, &bytes) && bytes == ResourceBytes(m.id)) << "while it plays";
        EXPECT_TRUE(PumpMessagesUntil([&] { return sink.Saw(kPlaying); })) << "never reported playing";
        if (m.proof == kAdvances) {
            EXPECT_TRUE(PumpMessagesUntil([&] { return Position(slot) > 0.2; })) << "its position stays";
        } else {
            EXPECT_TRUE(PumpMessagesUntil([&] { return sink.Saw(kEnded); })) << "never reached its end";
            if (m.proof == kEnds) {
                EXPECT_GE(sink.endedAt - sink.playingAt, m.length / 2)
                    << "ended after " << sink.endedAt - sink.playingAt << " ms";
            }
        }
        StopMediaPlayer(&slot);
        EXPECT_TRUE(sink.Saw(kStopped));
        EXPECT_TRUE(DeleteFileA(m.fileName)) << "the stopped player still holds its file";
    }
    EXPECT_TRUE(recordedMessages.empty());
}

// Items 440 to 444 of test_media.rc, each a medium no decoder can play through.
TEST_F(MediaPlayTest, MediaThatCannotPlayFailWithoutHarmAndThePlayerPlaysTheNextItem) {
    const struct {
        int id;
        const char* what;
        const char* fileName;
    } cases[] = {
        {440, "a film cut short inside its header", "jorvo440.WMV"},
        {441, "a sound whose frames are noise", "jorvo441.MP3"},
        {442, "a text file packed as a sound", "jorvo442.MP3"},
        {443, "a film in a video encoding no installed decoder knows", "jorvo443.AVI"},
        {444, "a WAV file of an unknown encoding", "jorvo444.WAV"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Play(c.id), 0);
        EXPECT_FALSE(sink.Saw(kPlaying));
        EXPECT_TRUE(DeleteFileA(c.fileName)) << "the file is held or was never written";
        // The same player, handed a good item next, plays it.
        ASSERT_EQ(Play(422), 1);
        EXPECT_TRUE(PumpMessagesUntil([&] { return sink.Saw(kPlaying); }));
        StopMediaPlayer(&slot);
        EXPECT_TRUE(DeleteFileA("jorvo422.MP3"));
    }
    EXPECT_TRUE(recordedMessages.empty());
}

} // namespace
