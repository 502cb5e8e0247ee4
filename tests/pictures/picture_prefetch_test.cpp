// Pictures decoded ahead on a second thread: each is the loader's own picture, served once and in any
// order; what nobody takes is deleted; messages that the decoding thread sends (a message box activating
// itself) reach the thread waiting for it.
#include <windows.h>

#include <cstring>

#include <gtest/gtest.h>

#include "media/picture_loader.h"
#include "media/picture_prefetch.h"
#include "quizdata/user_message.h"
#include "tests/pictures/picture_test_support.h"

namespace {

bool SamePixels(HBITMAP first, HBITMAP second) {
    const PixelGrid a = ReadPixels(first);
    const PixelGrid b = ReadPixels(second);
    return a.width == b.width && a.height == b.height && a.pixels.size() == b.pixels.size() &&
           std::memcmp(a.pixels.data(), b.pixels.data(), a.pixels.size() * sizeof a.pixels[0]) == 0;
}

// One run of a queue: every picture asked for is the loader's own; the broken PNG is reported once.
void RunQueue(MessageRecorder* recorder) {
    const size_t messagesBefore = recorder->Messages().size();
    const int queued[] = {401, 403, 461, 402, 10001};
    StartPicturePrefetch(TestModule(), queued, 5, 300, 300);
    const struct {
        const char* what;
        int id;
        int box;
    } asks[] = {
        {"a later picture first", 403, 300},
        {"the head of the queue", 401, 300},
        {"a picture asked for again, decoded afresh", 401, 300},
        {"a reward", 10001, 300},
        {"a picture that is not queued", 404, 300},
        {"a queued picture fitted into another box", 402, 100},
    };
    for (const auto& ask : asks) {
        SCOPED_TRACE(ask.what);
        HBITMAP ahead = LoadPictureResourceAhead(TestModule(), ask.id, "IMG", ask.box, ask.box);
        HBITMAP direct = LoadPictureResource(TestModule(), ask.id, "IMG", ask.box, ask.box);
        ASSERT_NE(ahead, nullptr);
        ASSERT_NE(direct, nullptr);
        EXPECT_TRUE(SamePixels(ahead, direct));
        DeleteObject(ahead);
        DeleteObject(direct);
    }
    EXPECT_EQ(LoadPictureResourceAhead(TestModule(), 461, "IMG", 300, 300), nullptr);
    EXPECT_EQ(recorder->Messages().size(), messagesBefore + 1)
        << "the broken PNG is decoded, and reported, once";
    StopPicturePrefetch(); // picture 402 in the 300 box was never taken
}

// The first run also fills what the system keeps for two threads drawing at once; from then on a run
// leaves no GDI object behind, though one of its pictures is never taken.
TEST(PicturePrefetch, ServesTheLoadersPicturesOnceInAnyOrderAndDeletesTheRest) {
    MessageRecorder recorder;
    RunQueue(&recorder);
    const int before = CountGdiObjects();
    RunQueue(&recorder);
    if (before >= 0) {
        EXPECT_EQ(CountGdiObjects(), before) << "a bitmap left behind";
    }
}

HWND waitingWindow;
bool sentMessageHandled;

// Stands for a message box that activates itself through the waiting thread's window: the decoding
// thread reports the broken PNG by sending that window a message.
void SendToWaitingWindow(const char*, const char*, unsigned) {
    DWORD_PTR result = 0;
    sentMessageHandled = SendMessageTimeoutA(waitingWindow, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result) != 0;
}

TEST(PicturePrefetch, ThreadWaitingForAPictureHandlesMessagesThatTheDecodingThreadSends) {
    waitingWindow =
        CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(waitingWindow, nullptr);
    sentMessageHandled = false;
    userMessageHook = SendToWaitingWindow;
    const int queued[] = {461};
    StartPicturePrefetch(TestModule(), queued, 1, 300, 300);
    EXPECT_EQ(LoadPictureResourceAhead(TestModule(), 461, "IMG", 300, 300), nullptr);
    StopPicturePrefetch();
    userMessageHook = nullptr;
    EXPECT_TRUE(sentMessageHandled) << "the waiting thread let the decoding thread's message time out";
    DestroyWindow(waitingWindow);
}

} // namespace
