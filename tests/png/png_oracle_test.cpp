// Our decoder against libpng on a generated corpus: every colour type and bit depth, plain and Adam7,
// odd sizes, every filter, stored, fixed and dynamic blocks, image data split over many IDAT chunks.
// Each image is decoded with and without the vector loops.
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <string>

#include "media/png/png_unfilter.h"
#include "tests/png/libpng_oracle.h"

namespace {

struct FormatCase {
    uint8_t colourType;
    uint8_t bitDepth;
    uint32_t outBitsPerPixel; // the bitmap's, by the output table
};

const FormatCase kFormats[] = {
    {0, 1, 1}, {0, 2, 4}, {0, 4, 4}, {0, 8, 8}, {0, 16, 8}, {2, 8, 24}, {2, 16, 24}, {3, 1, 1},
    {3, 2, 4}, {3, 4, 4}, {3, 8, 8}, {4, 8, 8}, {4, 16, 8}, {6, 8, 32}, {6, 16, 32},
};

struct OracleCase {
    std::string name;
    EncodeOptions options;
    uint32_t outBitsPerPixel;
};

std::vector<OracleCase> MakeCorpus() {
    std::vector<OracleCase> corpus;
    auto add = [&](const FormatCase& f, const std::string& variant, uint32_t width, uint32_t height,
                   bool interlace, int filters, int level, int strategy, size_t idatBytes) {
        std::string name = "type" + std::to_string(f.colourType) + "_depth" + std::to_string(f.bitDepth) +
                           "_" + std::to_string(width) + "x" + std::to_string(height) +
                           (interlace ? "_adam7" : "") + (variant.empty() ? "" : "_" + variant);
        corpus.push_back(
            {name,
             {width, height, f.bitDepth, f.colourType, interlace, filters, level, strategy, idatBytes},
             f.outBitsPerPixel});
    };
    const uint32_t sizes[][2] = {{1, 1}, {1, 9}, {9, 1}, {33, 17}, {257, 131}};
    const struct {
        const char* name;
        int mask;
    } filters[] = {{"none", PNG_FILTER_NONE},
                   {"sub", PNG_FILTER_SUB},
                   {"up", PNG_FILTER_UP},
                   {"avg", PNG_FILTER_AVG},
                   {"paeth", PNG_FILTER_PAETH}};
    for (const FormatCase& f : kFormats) {
        for (bool interlace : {false, true}) {
            for (const auto& size : sizes)
                add(f, "", size[0], size[1], interlace, PNG_ALL_FILTERS, 6, Z_DEFAULT_STRATEGY, 8192);
            for (const auto& filter : filters)
                add(f, filter.name, 33, 17, interlace, filter.mask, 6, Z_DEFAULT_STRATEGY, 8192);
        }
        add(f, "stored", 61, 23, false, PNG_ALL_FILTERS, 0, Z_DEFAULT_STRATEGY, 8192);
        add(f, "stored_split", 300, 5, true, PNG_ALL_FILTERS, 0, Z_DEFAULT_STRATEGY, 700);
        add(f, "fixed", 61, 23, false, PNG_ALL_FILTERS, 6, Z_FIXED, 8192);
        add(f, "huffman_only", 61, 23, false, PNG_ALL_FILTERS, 6, Z_HUFFMAN_ONLY, 8192);
        add(f, "rle", 61, 23, true, PNG_ALL_FILTERS, 9, Z_RLE, 8192);
        add(f, "idat_7_bytes", 61, 23, false, PNG_ALL_FILTERS, 9, Z_DEFAULT_STRATEGY, 7);
        add(f, "idat_100_bytes", 61, 23, true, PNG_ALL_FILTERS, 1, Z_FILTERED, 100);
    }
    return corpus;
}

class OracleTest : public testing::TestWithParam<OracleCase> {};

TEST_P(OracleTest, PixelsMatchLibpng) {
    const OracleCase& c = GetParam();
    const EncodeOptions& o = c.options;
    const uint32_t samplesPerPixel = o.colourType == 2   ? 3
                                     : o.colourType == 4 ? 2
                                     : o.colourType == 6 ? 4
                                                         : 1;
    const uint32_t seed = o.width * 31 + o.height + o.colourType * 7 + o.bitDepth;
    const Bytes samples = MakeSamples(o.width, o.height, o.bitDepth * samplesPerPixel, seed);
    const Bytes palette = o.colourType == 3 ? MakePalette(1u << o.bitDepth, seed) : Bytes();
    const Bytes png = EncodeWithLibpng(o, samples, palette);
    ASSERT_FALSE(png.empty());

    const uint32_t stride = (o.width * c.outBitsPerPixel + 31) / 32 * 4;
    Bytes expected;
    ASSERT_TRUE(DecodeWithLibpng(png, c.outBitsPerPixel, stride, &expected));
    for (bool simd : {true, false}) {
        SCOPED_TRACE(simd ? "vector loops" : "portable loops");
        pngUseSimd = simd;
        const DecodeOutcome ours = DecodeWithJorvo(png);
        pngUseSimd = true;
        ASSERT_EQ(ours.stage, 3) << PngErrorName(ours.error);
        EXPECT_EQ(ours.layout.bitsPerPixel, c.outBitsPerPixel);
        ASSERT_EQ(ours.layout.stride, stride);
        ASSERT_EQ(ours.pixels.size(), expected.size());
        for (size_t i = 0; i < expected.size(); i++)
            ASSERT_EQ(int(ours.pixels[i]), int(expected[i]))
                << "first difference at row " << i / stride << ", byte " << i % stride;
        if (o.colourType == 3) {
            EXPECT_EQ(ours.layout.colourCount, 1u << c.outBitsPerPixel);
            EXPECT_EQ(ours.layout.usedColours, 0u);
            for (uint32_t i = 0; i < ours.layout.colourCount; i++) {
                const bool inPalette = i < palette.size() / 3;
                EXPECT_EQ(ours.layout.colourTable[i][0], inPalette ? palette[3 * i + 2] : 0) << i;
                EXPECT_EQ(ours.layout.colourTable[i][1], inPalette ? palette[3 * i + 1] : 0) << i;
                EXPECT_EQ(ours.layout.colourTable[i][2], inPalette ? palette[3 * i] : 0) << i;
                EXPECT_EQ(ours.layout.colourTable[i][3], 0) << i;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, OracleTest, testing::ValuesIn(MakeCorpus()),
                         [](const testing::TestParamInfo<OracleCase>& info) { return info.param.name; });

} // namespace
