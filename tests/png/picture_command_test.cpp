// jorvo-maker picture: the BMP it writes, read back field by field and compared with libpng's pixels;
// refusals print the decoder's error name and write nothing.
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cstdio>
#include <string>

#include "tests/png/libpng_oracle.h"
#include "tools/common/file_bytes.h"

int RunPictureCommand(int argc, char** argv);

namespace {

int RunPicture(std::string in, std::string out) {
    char* argv[] = {&in[0], &out[0]};
    return RunPictureCommand(2, argv);
}

uint32_t Read32(const Bytes& b, size_t at) {
    return b[at] | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

uint32_t Read16(const Bytes& b, size_t at) {
    return b[at] | uint32_t(b[at + 1]) << 8;
}

TEST(PictureCommand, WritesTheDecodedBitmapAsBmp) {
    const struct {
        uint8_t colourType, bitDepth;
        bool interlace;
        uint32_t bitsPerPixel, tableEntries, usedColours;
    } cases[] = {
        {3, 4, true, 4, 16, 0},  {0, 2, false, 4, 4, 4},     {6, 8, false, 32, 0, 0},
        {2, 16, true, 24, 0, 0}, {4, 8, false, 8, 256, 256},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("colour type " + std::to_string(c.colourType) + " depth " + std::to_string(c.bitDepth));
        const uint32_t width = 13, height = 7,
                       channels = c.colourType == 6   ? 4
                                  : c.colourType == 2 ? 3
                                  : c.colourType == 4 ? 2
                                                      : 1;
        const Bytes palette = c.colourType == 3 ? MakePalette(16, 3) : Bytes();
        const Bytes png = EncodeWithLibpng({width, height, c.bitDepth, c.colourType, c.interlace,
                                            PNG_ALL_FILTERS, 6, Z_DEFAULT_STRATEGY, 8192},
                                           MakeSamples(width, height, c.bitDepth * channels, 4), palette);
        ASSERT_TRUE(WriteFileBytes("picture_in.png", png));
        std::remove("picture_out.bmp");
        ASSERT_EQ(RunPicture("picture_in.png", "picture_out.bmp"), 0);
        Bytes bmp;
        ASSERT_TRUE(ReadFileBytes("picture_out.bmp", &bmp));

        const uint32_t stride = (width * c.bitsPerPixel + 31) / 32 * 4;
        const uint32_t offset = 14 + 40 + 4 * c.tableEntries;
        ASSERT_EQ(bmp.size(), offset + stride * height);
        EXPECT_EQ(bmp[0], 'B');
        EXPECT_EQ(bmp[1], 'M');
        EXPECT_EQ(Read32(bmp, 2), bmp.size());
        EXPECT_EQ(Read32(bmp, 10), offset);
        EXPECT_EQ(Read32(bmp, 14), 40u);
        EXPECT_EQ(Read32(bmp, 18), width);
        EXPECT_EQ(int32_t(Read32(bmp, 22)), -int32_t(height)); // top-down
        EXPECT_EQ(Read16(bmp, 26), 1u);
        EXPECT_EQ(Read16(bmp, 28), c.bitsPerPixel);
        EXPECT_EQ(Read32(bmp, 30), 0u);
        EXPECT_EQ(Read32(bmp, 46), c.usedColours);
        for (uint32_t i = 0; i < c.tableEntries; i++) {
            const size_t at = 54 + 4 * i;
            if (c.colourType == 3) {
                const bool inPalette = i < palette.size() / 3;
                EXPECT_EQ(bmp[at], inPalette ? palette[3 * i + 2] : 0);
                EXPECT_EQ(bmp[at + 2], inPalette ? palette[3 * i] : 0);
            } else {
                const uint8_t grey = uint8_t(i * 255 / (c.tableEntries - 1));
                EXPECT_EQ(bmp[at], grey);
                EXPECT_EQ(bmp[at + 1], grey);
                EXPECT_EQ(bmp[at + 2], grey);
            }
            EXPECT_EQ(bmp[at + 3], 0);
        }
        Bytes expected;
        ASSERT_TRUE(DecodeWithLibpng(png, c.bitsPerPixel, stride, &expected));
        EXPECT_TRUE(Bytes(bmp.begin() + offset, bmp.end()) == expected);
    }
}

TEST(PictureCommand, RefusalsNameTheErrorAndWriteNothing) {
    const struct {
        const char* name;
        Bytes file;
        const char* printed;
    } cases[] = {
        {"not_png", Bytes(64, 'x'), "PNG_ERR_FORMAT"},
        {"unsupported", AssemblePng(HeaderData(4, 4, 4, 2), StoredZlibStream(Bytes(20))),
         "PNG_ERR_UNSUPPORTED"},
        {"bad_filter", AssemblePng(HeaderData(1, 1, 8, 0), StoredZlibStream({7, 0})), "PNG_ERR_FORMAT"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteFileBytes("picture_bad.png", c.file));
        std::remove("picture_bad.bmp");
        testing::internal::CaptureStderr();
        EXPECT_EQ(RunPicture("picture_bad.png", "picture_bad.bmp"), 1);
        EXPECT_NE(testing::internal::GetCapturedStderr().find(c.printed), std::string::npos);
        EXPECT_EQ(std::fopen("picture_bad.bmp", "rb"), nullptr);
    }
    testing::internal::CaptureStderr();
    EXPECT_EQ(RunPicture("no_such_picture.png", "picture_bad.bmp"), 1);
    testing::internal::GetCapturedStderr();
}

} // namespace
