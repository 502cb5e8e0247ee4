// The benchmark's images, made once at start-up and encoded by libpng with its default settings
// (adaptive filters, level 6): noisy photo-like pictures and flat screenshot-like ones.
#pragma once

#include <string>
#include <vector>

#include "tests/png/png_builder.h"

struct BenchImage {
    std::string name;
    Bytes png;
    uint32_t width;
    uint32_t height;
    uint8_t colourType;
    uint8_t bitDepth;
};

std::vector<BenchImage> MakeBenchImages();
