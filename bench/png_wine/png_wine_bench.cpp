// The PNG decoder's time in the Windows builds (run under Wine): each picture of a folder decoded to the
// bitmap layout with the vector loops and with the portable ones, in the same run. Prints one line per
// picture: name, then the median milliseconds (wall clock) of each kind of loop.
// Usage: png_wine_bench FOLDER [REPETITIONS]   (the pictures come from png_bench --write-images)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "media/png/png_decoder.h"
#include "media/png/png_unfilter.h"

namespace {

// Wall-clock time: Wine's thread CPU times advance in scheduler ticks (10 ms and more), too coarse here.
// The median of several runs keeps out most of what other processes cost.
double Milliseconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    std::fseek(file, 0, SEEK_END);
    const long size = std::ftell(file);
    std::fseek(file, 0, SEEK_SET);
    bytes.resize(size > 0 ? size_t(size) : 0);
    const bool ok = size > 0 && std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    std::fclose(file);
    return ok;
}

bool Decode(const std::vector<uint8_t>& png, std::vector<uint8_t>& pixels) {
    PngImage image;
    PngInit(&image);
    PngOutputLayout layout{};
    bool ok = PngAttachMemory(&image, png.data(), uint32_t(png.size()), PNG_INPUT_RESOURCE) &&
              PngDecode(&image) && PngDescribeOutput(&image, &layout);
    if (ok) {
        pixels.resize(size_t(layout.stride) * image.height);
        ok = PngFillRows(&image, pixels.data(), layout.stride);
    }
    PngCleanup(&image);
    return ok;
}

// Median CPU time of `repetitions` runs of as many decodes as fill about 20 ms each.
double MedianMilliseconds(const std::vector<uint8_t>& png, int repetitions, std::vector<uint8_t>& pixels) {
    double start = Milliseconds();
    int perRun = 0;
    do {
        Decode(png, pixels);
        ++perRun;
    } while (Milliseconds() - start < 20 && perRun < 1000);
    std::vector<double> times;
    for (int r = 0; r < repetitions; ++r) {
        start = Milliseconds();
        for (int i = 0; i < perRun; ++i)
            Decode(png, pixels);
        times.push_back((Milliseconds() - start) / perRun);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: png_wine_bench FOLDER [REPETITIONS]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const int repetitions = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*.png").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "no pictures in %s\n", folder.c_str());
        return 1;
    }
    std::vector<std::string> names;
    do
        names.push_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());

    int failures = 0;
    for (const std::string& name : names) {
        std::vector<uint8_t> png, vectorPixels, portablePixels;
        if (!ReadWholeFile(folder + "\\" + name, png)) {
            std::fprintf(stderr, "%s: cannot read\n", name.c_str());
            ++failures;
            continue;
        }
        PngSetVectorLoops(IsProcessorFeaturePresent(PF_XMMI64_INSTRUCTIONS_AVAILABLE) != FALSE);
        const bool vectorOn = pngUseSimd;
        const double vectorTime = MedianMilliseconds(png, repetitions, vectorPixels);
        pngUseSimd = false;
        const double portableTime = MedianMilliseconds(png, repetitions, portablePixels);
        if (vectorPixels.empty() || vectorPixels != portablePixels) {
            std::fprintf(stderr, "%s: the two kinds of loop disagree or fail\n", name.c_str());
            ++failures;
        }
        std::printf("%s\t%.3f\t%.3f\t%s\n", name.substr(0, name.size() - 4).c_str(), vectorTime, portableTime,
                    vectorOn ? "vector" : "no-vector");
    }
    return failures ? 1 : 0;
}
