#include "bench/png/bench_images.h"

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <climits>
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

// A palette of `colours` entries fitted to the picture by median cut over a sample of its pixels.
Bytes MedianCutPalette(const Bytes& rgb, unsigned colours) {
    std::vector<std::array<uint8_t, 3>> sample;
    for (size_t i = 0; i + 3 <= rgb.size(); i += 3 * 7)
        sample.push_back({rgb[i], rgb[i + 1], rgb[i + 2]});
    std::vector<std::pair<size_t, size_t>> boxes{{0, sample.size()}};
    auto widest = [&](const std::pair<size_t, size_t>& box, int* channel) {
        int best = -1;
        for (int c = 0; c < 3; c++) {
            int lo = 255, hi = 0;
            for (size_t i = box.first; i < box.second; i++)
                lo = std::min<int>(lo, sample[i][c]), hi = std::max<int>(hi, sample[i][c]);
            if (hi - lo > best) best = hi - lo, *channel = c;
        }
        return box.second - box.first < 2 ? -1 : best;
    };
    while (boxes.size() < colours) {
        size_t pick = 0;
        int channel = 0, pickRange = -1;
        for (size_t b = 0; b < boxes.size(); b++) {
            int c = 0;
            const int range = widest(boxes[b], &c);
            if (range > pickRange) pickRange = range, pick = b, channel = c;
        }
        if (pickRange <= 0) break;
        const auto box = boxes[pick];
        const size_t middle = (box.first + box.second) / 2;
        std::nth_element(sample.begin() + box.first, sample.begin() + middle, sample.begin() + box.second,
                         [channel](const auto& a, const auto& b) { return a[channel] < b[channel]; });
        boxes[pick] = {box.first, middle};
        boxes.push_back({middle, box.second});
    }
    Bytes palette;
    for (const auto& box : boxes)
        for (int c = 0; c < 3; c++) {
            uint64_t sum = 0;
            for (size_t i = box.first; i < box.second; i++)
                sum += sample[i][c];
            palette.push_back(uint8_t(sum / (box.second - box.first)));
        }
    return palette;
}

// The picture reduced to `palette` with Floyd-Steinberg error diffusion, as palette indices. The
// nearest entry is looked up through a cache on 5 bits a channel.
Bytes DitherToPalette(const Bytes& rgb, uint32_t width, uint32_t height, const Bytes& palette) {
    const size_t entries = palette.size() / 3;
    std::vector<int16_t> nearest(1u << 15, -1);
    auto lookup = [&](int r, int g, int b) {
        const uint32_t key = uint32_t(r >> 3) << 10 | uint32_t(g >> 3) << 5 | uint32_t(b >> 3);
        if (nearest[key] < 0) {
            const int cr = (r & ~7) + 4, cg = (g & ~7) + 4, cb = (b & ~7) + 4;
            int best = 0, bestDistance = INT32_MAX;
            for (size_t e = 0; e < entries; e++) {
                const int dr = cr - palette[3 * e], dg = cg - palette[3 * e + 1],
                          db = cb - palette[3 * e + 2];
                const int distance = dr * dr + dg * dg + db * db;
                if (distance < bestDistance) bestDistance = distance, best = int(e);
            }
            nearest[key] = int16_t(best);
        }
        return nearest[key];
    };
    std::vector<int> error(size_t(width + 2) * 3 * 2, 0); // this row's and the next row's, with margins
    Bytes indices(size_t(width) * height);
    for (uint32_t y = 0; y < height; y++) {
        int* here = &error[(y % 2) * (width + 2) * 3];
        int* below = &error[((y + 1) % 2) * (width + 2) * 3];
        std::fill(below, below + (width + 2) * 3, 0);
        for (uint32_t x = 0; x < width; x++) {
            int wanted[3];
            for (int c = 0; c < 3; c++)
                wanted[c] = Clamp(rgb[(size_t(y) * width + x) * 3 + c] + here[(x + 1) * 3 + c] / 16);
            const int index = lookup(wanted[0], wanted[1], wanted[2]);
            indices[size_t(y) * width + x] = uint8_t(index);
            for (int c = 0; c < 3; c++) {
                const int e = wanted[c] - palette[3 * index + c];
                here[(x + 2) * 3 + c] += e * 7;
                below[x * 3 + c] += e * 3;
                below[(x + 1) * 3 + c] += e * 5;
                below[(x + 2) * 3 + c] += e;
            }
        }
    }
    return indices;
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
    // A photo reduced to 256 fitted colours with dithering: noisy indices, mostly literals.
    const uint32_t width = 1920, height = 1080;
    const Bytes rgb = PhotoRgb(width, height, 13);
    const Bytes palette = MedianCutPalette(rgb, 256);
    images.push_back(Encode("photo_1920x1080_dithered256", width, height, 3, 8, false,
                            DitherToPalette(rgb, width, height, palette), palette));
    return images;
}
