#include "media/picture_prefetch.h"

#include <objbase.h>

#include <cstring>

#include "media/picture_loader.h"

namespace {

// The panel asks for at most one picture and one reward per question.
constexpr int kMaxQueued = 2 * 96;

struct PrefetchQueue {
    HINSTANCE module;
    int boxWidth;
    int boxHeight;
    int count;
    int ids[kMaxQueued];
    HBITMAP bitmaps[kMaxQueued];
    bool taken[kMaxQueued];
    HANDLE thread;
    HANDLE progress;        // set after each picture
    volatile LONG decoded;  // pictures finished, in queue order
    volatile LONG stopping; // the thread ends after its current picture
};

// Taken from the heap while a build runs (a static one would be stored whole in the program file).
PrefetchQueue* queue;

DWORD WINAPI DecodeQueue(void*) {
    // One apartment for the thread's decodes rather than one each.
    const bool comInitialised = SUCCEEDED(CoInitialize(nullptr));
    for (int i = 0; i < queue->count && !InterlockedCompareExchange(&queue->stopping, 0, 0); ++i) {
        queue->bitmaps[i] =
            LoadPictureResource(queue->module, queue->ids[i], "IMG", queue->boxWidth, queue->boxHeight);
        InterlockedIncrement(&queue->decoded); // a full barrier: the bitmap is stored before it counts
        SetEvent(queue->progress);
    }
    if (comInitialised) CoUninitialize();
    return 0;
}

// Waits for `handle`, handling the messages that other threads send meanwhile: a message box shown by
// the decoding thread activates itself through this thread's windows.
void WaitHandlingSentMessages(HANDLE handle) {
    while (MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

// Waits until the queue has decoded its picture `index`.
void WaitForDecoded(int index) {
    while (InterlockedCompareExchange(&queue->decoded, 0, 0) <= index)
        WaitHandlingSentMessages(queue->progress);
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
    queue->progress = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    queue->thread = queue->progress ? CreateThread(nullptr, 0, DecodeQueue, nullptr, 0, nullptr) : nullptr;
    if (!queue->thread) StopPicturePrefetch();
}

HBITMAP LoadPictureResourceAhead(HINSTANCE module, int id, const char* type, int boxWidth, int boxHeight) {
    if (queue && module == queue->module && boxWidth == queue->boxWidth && boxHeight == queue->boxHeight &&
        std::strcmp(type, "IMG") == 0) {
        for (int i = 0; i < queue->count; ++i) {
            if (queue->ids[i] != id || queue->taken[i]) continue;
            WaitForDecoded(i);
            queue->taken[i] = true;
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
        WaitHandlingSentMessages(queue->thread);
        CloseHandle(queue->thread);
    }
    if (queue->progress) CloseHandle(queue->progress);
    for (int i = 0; i < queue->count; ++i)
        if (queue->bitmaps[i]) DeleteObject(queue->bitmaps[i]);
    HeapFree(GetProcessHeap(), 0, queue);
    queue = nullptr;
}
