// What a play press costs before the medium plays: the press's own work (the item written to its file,
// handed to the real player and started) and the time until the player's position first advances.
// Nine presses per medium, one player hosted in a shown window; medians in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "media/media_host.h"
#include "shell/shell_state.h"

namespace {

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Dispatches messages until the slot's position passes zero; false after ten seconds.
bool WaitUntilPlaying(const MediaSlot& slot) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < 10000;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        double seconds = 0;
        if (SUCCEEDED(slot.controls->get_currentPosition(&seconds)) && seconds > 0) return true;
        Sleep(1);
    }
    return false;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    quizDocument = new QuizDocument;
    quizDocument->quizKind = kQuizVideo;
    InstallMediaHost();
    HWND window = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 320, 220, nullptr, nullptr,
                                  nullptr, nullptr);
    HWND host = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 10, 10, 300, 200, window, nullptr,
                                nullptr, nullptr);
    MediaSlot slot{};
    if (!CreateMediaPlayer(&slot, host) || !slot.controls) {
        std::printf("no media player\n");
        return 1;
    }
    const char* names[] = {"fromage.wav", "grenouille.mp3", "parapluie.wma",
                           "cercle.wmv",  "carre.avi",      "etoile.mpg"};
    std::printf("%-16s %12s %14s   (median of 9, ms)\n", "medium", "press", "until playing");
    for (int item = 0; item < 6; ++item) {
        std::vector<double> press, playing;
        for (int round = 0; round < 9; ++round) {
            StopMediaPlayer(&slot);
            DeleteFileA(currentMediaPath);
            LARGE_INTEGER start, started, moving;
            QueryPerformanceCounter(&start);
            const bool ok =
                ExtractMediaResource(nullptr, 401 + item, 2) && StartMediaPlayer(&slot, currentMediaPath);
            QueryPerformanceCounter(&started);
            if (!ok || !WaitUntilPlaying(slot)) {
                std::printf("%-16s does not play\n", names[item]);
                break;
            }
            QueryPerformanceCounter(&moving);
            press.push_back(Milliseconds(start, started));
            playing.push_back(Milliseconds(start, moving));
        }
        if (press.size() == 9)
            std::printf("%-16s %12.1f %14.1f\n", names[item], Median(press), Median(playing));
    }
    StopMediaPlayer(&slot);
    DeleteFileA(currentMediaPath);
    slot.controls->Release();
    slot.player->Release();
    ShutdownMediaHost(window);
    return 0;
}
