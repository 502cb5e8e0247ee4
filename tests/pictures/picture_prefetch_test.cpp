// Pictures decoded ahead on a second thread: each is the loader's own picture, served once and in any
// order; what nobody takes is deleted; a picture's message is shown where the picture is taken.
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

// A run leaves no GDI object behind, though one of its pictures is never taken. The two threads may
// each hold a screen DC at once, which makes the system cache a second one for good: whether the first
// run does so depends on timing, so two are held at once beforehand.
TEST(PicturePrefetch, ServesTheLoadersPicturesOnceInAnyOrderAndDeletesTheRest) {
    MessageRecorder recorder;
    RunQueue(&recorder);
    HDC first = GetDC(nullptr);
    HDC second = GetDC(nullptr);
    ReleaseDC(nullptr, second);
    ReleaseDC(nullptr, first);
    const int before = CountGdiObjects();
    RunQueue(&recorder);
    if (before >= 0) {
        EXPECT_EQ(CountGdiObjects(), before) << "a bitmap left behind";
    }
}

DWORD messageThread;
int messageCount;

void RecordMessageThread(const char*, const char*, unsigned) {
    messageThread = GetCurrentThreadId();
    ++messageCount;
}

// Decoding shows its message when, and where, the picture is taken: never from the decoding thread,
// never before the build asks for the picture, never for a picture nobody takes.
TEST(PicturePrefetch, APicturesMessageIsShownByTheThreadThatTakesIt) {
    messageCount = 0;
    userMessageHook = RecordMessageThread;
    const int queued[] = {461, 401};
    StartPicturePrefetch(TestModule(), queued, 2, 300, 300);
    DeleteObject(LoadPictureResourceAhead(TestModule(), 401, "IMG", 300, 300)); // 461 is decoded by then
    EXPECT_EQ(messageCount, 0) << "shown before its picture was asked for";
    EXPECT_EQ(LoadPictureResourceAhead(TestModule(), 461, "IMG", 300, 300), nullptr);
    EXPECT_EQ(messageCount, 1);
    EXPECT_EQ(messageThread, GetCurrentThreadId());
    StopPicturePrefetch();

    const int untaken[] = {461};
    StartPicturePrefetch(TestModule(), untaken, 1, 300, 300);
    Sleep(200); // decoded, or stopped before: either way unseen
    StopPicturePrefetch();
    EXPECT_EQ(messageCount, 1) << "shown for a picture nobody took";
    userMessageHook = nullptr;
}

} // namespace
