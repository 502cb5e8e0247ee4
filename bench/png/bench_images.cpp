#include "bench/png/bench_images.h"

#include <png.h>
#include <zlib.h>

#include <cmath>
#include <random>

#include "tests/png/libpng_oracle.h"

namespace {

uint8_t Clamp(double v) {
    return uint8_t(v < 0 ? 0 : v > 255 ? 255 : v);
}

// Smooth shading plus sensor-like noise, red, green, blue.
Bytes PhotoRgb(uint32_t width, uint32_t height, uint32_t seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> noise(-6, 6);
    Bytes rgb(size_t(width) * height * 3);
    uint8_t* p = rgb.data();
    for (uint32_t y = 0; y < height; y++)
        for (uint32_t x = 0; x < width; x++)
            for (int c = 0; c < 3; c++)
                *p++ = Clamp(128 + 50 * std::sin(x * 0.011 + c * 1.3 + y * 0.004) +
                             40 * std::sin(y * 0.017 - x * 0.006 + c) +
                             20 * std::sin((x + y) * 0.05 + c * 0.7) + noise(random));
    return rgb;
}

// Windows with title bars, solid panels, lines of small dark glyphs and a gradient bar.
Bytes FlatRgb(uint32_t width, uint32_t height, uint32_t seed) {
    std::mt19937 random(seed);
    Bytes rgb(size_t(width) * height * 3);
    auto fill = [&](uint32_t x0, uint32_t y0, uint32_t w, uint32_t h, uint8_t r, uint8_t g, uint8_t b) {
        for (uint32_t y = y0; y < y0 + h && y < height; y++)
            for (uint32_t x = x0; x < x0 + w && x < width; x++) {
                uint8_t* p = &rgb[(size_t(y) * width + x) * 3];
                p[0] = r, p[1] = g, p[2] = b;
            }
    };
    fill(0, 0, width, height, 58, 110, 165);
    for (int window = 0; window < 6; window++) {
        const uint32_t x0 = random() % (width / 2), y0 = random() % (height / 2);
        const uint32_t w = width / 4 + random() % (width / 3), h = height / 4 + random() % (height / 3);
        fill(x0, y0, w, h, 240, 240, 240);
        fill(x0, y0, w, 24, 0, 84, 227);
        fill(x0 + 4, y0 + 30, w - 8, 1, 160, 160, 160);
        for (uint32_t line = y0 + 40; line + 12 < y0 + h; line += 16)
            for (uint32_t x = x0 + 10; x + 8 < x0 + w - 60 * (line % 3); x += 7)
                if (random() % 5)
                    for (int dot = 0; dot < 9; dot++)
                        if (random() % 3 == 0) fill(x + random() % 6, line + random() % 11, 1, 1, 20, 20, 20);
        for (uint32_t x = 0; x < w / 3; x++)
            fill(x0 + 10 + x, y0 + h - 20, 1, 10, uint8_t(x * 255 / (w / 3)), 200, 80);
    }
    return rgb;
}

BenchImage Encode(const std::string& name, uint32_t width, uint32_t height, uint8_t colourType,
                  uint8_t bitDepth, bool interlace, const Bytes& samples, const Bytes& palette = {}) {
    const EncodeOptions options{width,           height, bitDepth,           colourType, interlace,
                                PNG_ALL_FILTERS, 6,      Z_DEFAULT_STRATEGY, 8192};
    return {name, EncodeWithLibpng(options, samples, palette), width, height, colourType, bitDepth};
}

void AddFormats(std::vector<BenchImage>& images, const std::string& kind, const Bytes& rgb, uint32_t width,
                uint32_t height, bool allFormats) {
    const std::string size = "_" + std::to_string(width) + "x" + std::to_string(height);
    const size_t pixels = size_t(width) * height;
    images.push_back(Encode(kind + size + "_rgb8", width, height, 2, 8, false, rgb));

    Bytes rgba(pixels * 4);
    for (size_t i = 0; i < pixels; i++) {
        rgba[4 * i] = rgb[3 * i], rgba[4 * i + 1] = rgb[3 * i + 1], rgba[4 * i + 2] = rgb[3 * i + 2];
        const uint32_t x = uint32_t(i % width), y = uint32_t(i / width);
        rgba[4 * i + 3] = x < width / 3 ? 255 : uint8_t((x + y) * 255 / (width + height));
    }
    images.push_back(Encode(kind + size + "_rgba8", width, height, 6, 8, false, rgba));

    // Palette: the colours quantised to a 6 x 7 x 6 cube.
    Bytes indices(pixels), palette;
    for (int r = 0; r < 6; r++)
        for (int g = 0; g < 7; g++)
            for (int b = 0; b < 6; b++)
                palette.insert(palette.end(), {uint8_t(r * 51), uint8_t(g * 42), uint8_t(b * 51)});
    for (size_t i = 0; i < pixels; i++)
        indices[i] =
            uint8_t((rgb[3 * i] * 6 / 256) * 42 + (rgb[3 * i + 1] * 7 / 256) * 6 + rgb[3 * i + 2] * 6 / 256);
    images.push_back(Encode(kind + size + "_palette8", width, height, 3, 8, false, indices, palette));
    if (!allFormats) return;

    Bytes grey(pixels);
    for (size_t i = 0; i < pixels; i++)
        grey[i] = uint8_t((rgb[3 * i] * 77 + rgb[3 * i + 1] * 150 + rgb[3 * i + 2] * 29) >> 8);
    images.push_back(Encode(kind + size + "_grey8", width, height, 0, 8, false, grey));

    std::mt19937 random(width);
    Bytes rgb16(pixels * 6);
    for (size_t i = 0; i < pixels * 3; i++)
        rgb16[2 * i] = rgb[i], rgb16[2 * i + 1] = uint8_t(random());
    images.push_back(Encode(kind + size + "_rgb16", width, height, 2, 16, false, rgb16));

    images.push_back(Encode(kind + size + "_rgb8_adam7", width, height, 2, 8, true, rgb));
}

} // namespace

std::vector<BenchImage> MakeBenchImages() {
    std::vector<BenchImage> images;
    for (const auto& size : {std::pair<uint32_t, uint32_t>{1920, 1080}, {640, 480}}) {
        AddFormats(images, "photo", PhotoRgb(size.first, size.second, 7), size.first, size.second, true);
        AddFormats(images, "flat", FlatRgb(size.first, size.second, 11), size.first, size.second, false);
    }
    return images;
}
