// What the pictures of a quiz program cost alone: each question's picture (400 + n) and reward picture
// (10400 + n) decoded and fitted into the 300-pixel box the question panel uses, read from the program's
// resources as the player reads them. Prints each run's milliseconds for all pictures, then
// "median M min A max B". With "questions" only the question pictures are decoded (what a fresh start
// shows), with "rewards" only the reward pictures (what a start with every question found shows).
// Usage: picture_decode_bench PROGRAM RUNS [questions|rewards]
#include <windows.h>
#include <objbase.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "media/picture_loader.h"
#include "media/png_picture.h"

namespace {

double Milliseconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: picture_decode_bench PROGRAM RUNS\n");
        return 2;
    }
    HMODULE program =
        LoadLibraryExA(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!program) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 1;
    }
    PngChooseLoopsForThisProcessor();
    // As in the player, COM is initialised once for the run, so each picture costs only its decoding.
    const bool comInitialised = SUCCEEDED(CoInitialize(nullptr));
    const int runs = std::max(1, std::atoi(argv[2]));
    const char* only = argc > 3 ? argv[3] : "";
    const bool withQuestions = std::strcmp(only, "rewards") != 0;
    const bool withRewards = std::strcmp(only, "questions") != 0;
    // An untimed first decode loads the codecs: the player pays that too, so leaving it out only makes
    // the pictures' own time smaller, the comparison stricter.
    DeleteObject(LoadPictureResource(program, (withQuestions ? 400 : 10400) + 1, "IMG", 300, 300));
    std::vector<double> times;
    int pictures = 0;
    for (int run = 0; run < runs; ++run) {
        pictures = 0;
        const double start = Milliseconds();
        for (int id : {400, 10400}) {
            if (!(id == 400 ? withQuestions : withRewards)) continue;
            for (int n = 1; n <= 96; ++n) {
                HBITMAP bitmap = LoadPictureResource(program, id + n, "IMG", 300, 300);
                if (!bitmap) continue;
                ++pictures;
                DeleteObject(bitmap);
            }
        }
        times.push_back(Milliseconds() - start);
        std::printf("%.1f\n", times.back());
    }
    if (comInitialised) CoUninitialize();
    FreeLibrary(program);
    if (pictures == 0) {
        std::fprintf(stderr, "no pictures in %s\n", argv[1]);
        return 1;
    }
    std::sort(times.begin(), times.end());
    std::printf("median %.1f min %.1f max %.1f (%d pictures)\n", times[times.size() / 2], times.front(),
                times.back(), pictures);
    return 0;
}
