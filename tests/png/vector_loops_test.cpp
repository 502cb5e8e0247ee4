// The vector loops against the portable ones on the same images, in every build that has both (under
// Wine too, where no libpng oracle runs): every filter on every line, for each pixel size they serve.
#include <gtest/gtest.h>

#include <random>

#include "media/png/png_unfilter.h"
#include "tests/png/png_builder.h"

namespace {

// Random filtered lines: each line's filter type cycles through all five, the bytes are random.
Bytes RandomPng(uint32_t width, uint32_t height, uint8_t bitDepth, uint8_t colourType,
                uint32_t bytesPerPixel) {
    std::mt19937 random(width * 131 + colourType * 7 + bitDepth);
    Bytes raw;
    for (uint32_t row = 0; row < height; ++row) {
        raw.push_back(static_cast<uint8_t>(row % 5));
        for (uint32_t i = 0; i < width * bytesPerPixel; ++i)
            raw.push_back(static_cast<uint8_t>(random()));
    }
    return AssemblePng(HeaderData(width, height, bitDepth, colourType), StoredZlibStream(raw));
}

TEST(PngVectorLoops, GiveThePortableLoopsPixels) {
    if (!PngVectorLoopsCompiled()) GTEST_SKIP() << "this build has no vector loops";
    const bool savedChoice = pngUseSimd;
    const struct {
        uint8_t bitDepth, colourType;
        uint32_t bytesPerPixel;
    } kinds[] = {{8, 4, 2}, {8, 2, 3}, {8, 6, 4}, {16, 2, 6}, {16, 6, 8}, {16, 4, 4}};
    for (const auto& kind : kinds)
        for (uint32_t width : {1u, 2u, 5u, 33u}) {
            SCOPED_TRACE(testing::Message() << "colour type " << int(kind.colourType) << ", depth "
                                            << int(kind.bitDepth) << ", width " << width);
            const Bytes png = RandomPng(width, 10, kind.bitDepth, kind.colourType, kind.bytesPerPixel);
            pngUseSimd = false;
            const DecodeOutcome portable = DecodeWithJorvo(png);
            pngUseSimd = true;
            const DecodeOutcome vector = DecodeWithJorvo(png);
            ASSERT_EQ(portable.stage, 3) << PngErrorName(portable.error);
            ASSERT_EQ(vector.stage, 3) << PngErrorName(vector.error);
            EXPECT_EQ(vector.pixels, portable.pixels);
        }
    pngUseSimd = savedChoice;
}

} // namespace
