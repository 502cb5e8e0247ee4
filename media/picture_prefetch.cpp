#include "media/picture_prefetch.h"

#include <objbase.h>

#include <cstring>

#include "media/picture_loader.h"
#include "quizdata/quiz_document.h"
#include "quizdata/user_message.h"

namespace {

// The panel asks for at most one picture and one reward per question.
constexpr int kPicturesPerQuestion = 2;
constexpr int kMaxQueued = kPicturesPerQuestion * kMaxQuestions;

// What decoding a picture would have shown; a decode shows one message at most.
struct KeptMessage {
    char text[128];
    char caption[16];
    unsigned flags;
};

struct PrefetchQueue {
    HINSTANCE module;
    int boxWidth;
    int boxHeight;
    int count;
    int ids[kMaxQueued];
    HBITMAP bitmaps[kMaxQueued];
    KeptMessage messages[kMaxQueued];
    bool taken[kMaxQueued];
    HANDLE thread;
    HANDLE progress;        // set after each picture
    int decoding;           // the picture the thread is at (the thread's own)
    volatile LONG decoded;  // pictures finished, in queue order
    volatile LONG stopping; // the thread ends after its current picture
};

// Taken from the heap while a build runs (a static one would be stored whole in the program file).
PrefetchQueue* queue;

// The decoding thread shows no message box: a box would appear before the build reaches its picture,
// and would let other threads' messages into the build while it waits. Its messages are kept with the
// picture and shown when the picture is taken, where decoding it then would have shown them.
void KeepMessage(const char* text, const char* caption, unsigned flags) {
    KeptMessage& kept = queue->messages[queue->decoding];
    if (kept.caption[0]) return;
    lstrcpynA(kept.text, text, sizeof kept.text);
    lstrcpynA(kept.caption, caption, sizeof kept.caption);
    kept.flags = flags;
}

DWORD WINAPI DecodeQueue(void*) {
    messagesAsideThread = GetCurrentThreadId();
    // One apartment for the thread's decodes rather than one each.
    const bool comInitialised = SUCCEEDED(CoInitialize(nullptr));
    for (int i = 0; i < queue->count && !InterlockedCompareExchange(&queue->stopping, 0, 0); ++i) {
        queue->decoding = i;
        queue->bitmaps[i] =
            LoadPictureResource(queue->module, queue->ids[i], "IMG", queue->boxWidth, queue->boxHeight);
        InterlockedIncrement(&queue->decoded); // a full barrier: the picture is stored before it counts
        SetEvent(queue->progress);
    }
    if (comInitialised) CoUninitialize();
    return 0;
}

} // namespace

void StartPicturePrefetch(HINSTANCE module, const int* ids, int count, int boxWidth, int boxHeight) {
    StopPicturePrefetch();
    if (count <= 0) return;
    queue = static_cast<PrefetchQueue*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof *queue));
    if (!queue) return; // decoded when asked for, as without a queue
    queue->module = module;
    queue->boxWidth = boxWidth;
    queue->boxHeight = boxHeight;
    queue->count = count < kMaxQueued ? count : kMaxQueued;
    std::memcpy(queue->ids, ids, sizeof ids[0] * queue->count);
    messagesAside = KeepMessage;
    queue->progress = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    queue->thread = queue->progress ? CreateThread(nullptr, 0, DecodeQueue, nullptr, 0, nullptr) : nullptr;
    if (!queue->thread) StopPicturePrefetch();
}

HBITMAP LoadPictureResourceAhead(HINSTANCE module, int id, const char* type, int boxWidth, int boxHeight) {
    if (queue && module == queue->module && boxWidth == queue->boxWidth && boxHeight == queue->boxHeight &&
        std::strcmp(type, "IMG") == 0) {
        for (int i = 0; i < queue->count; ++i) {
            if (queue->ids[i] != id || queue->taken[i]) continue;
            queue->taken[i] = true;
            while (InterlockedCompareExchange(&queue->decoded, 0, 0) <= i)
                WaitForSingleObject(queue->progress, INFINITE);
            const KeptMessage& kept = queue->messages[i];
            if (kept.caption[0]) ShowUserMessage(kept.text, kept.caption, kept.flags);
            HBITMAP bitmap = queue->bitmaps[i];
            queue->bitmaps[i] = nullptr;
            return bitmap;
        }
    }
    return LoadPictureResource(module, id, type, boxWidth, boxHeight);
}

void StopPicturePrefetch() {
    if (!queue) return;
    if (queue->thread) {
        InterlockedExchange(&queue->stopping, 1);
        WaitForSingleObject(queue->thread, INFINITE);
        CloseHandle(queue->thread);
    }
    messagesAside = nullptr;
    messagesAsideThread = 0;
    if (queue->progress) CloseHandle(queue->progress);
    // Pictures nobody took go unseen, and so do their messages, as when they were never decoded.
    for (int i = 0; i < queue->count; ++i)
        if (queue->bitmaps[i]) DeleteObject(queue->bitmaps[i]);
    HeapFree(GetProcessHeap(), 0, queue);
    queue = nullptr;
}
