// The decoder on hand-made files: every refusal in its place, the steps' order, the exact output of
// small images (filters undone, samples converted, Adam7 positions), and hand-written deflate streams
// good and bad. Needs no library, so it also runs in the Windows builds.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "media/png/png_inflate.h"
#include "tests/png/png_builder.h"

namespace {

// A 3 x 2 RGB image whose scanlines use filter None.
Bytes SmallRgbRaw() {
    return {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 10, 20, 30, 40, 50, 60, 70, 80, 90};
}

Bytes SmallRgbPng() {
    return AssemblePng(HeaderData(3, 2, 8, 2), StoredZlibStream(SmallRgbRaw()));
}

Bytes PngWithChunks(const std::vector<std::pair<const char*, Bytes>>& chunks) {
    Bytes png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    for (const auto& chunk : chunks)
        AppendChunk(png, chunk.first, chunk.second);
    return png;
}

Bytes WithChunkBeforeIdat(const char* name) {
    return PngWithChunks({{"IHDR", HeaderData(3, 2, 8, 2)},
                          {name, {1, 2, 3}},
                          {"IDAT", StoredZlibStream(SmallRgbRaw())},
                          {"IEND", {}}});
}

Bytes WithHeader(const Bytes& header, const Bytes& raw = SmallRgbRaw()) {
    return AssemblePng(header, StoredZlibStream(raw));
}

struct RefusalCase {
    const char* name;
    Bytes png;
    int stage; // where the decoder stops: 0 load, 1 decode, 2 fill, 3 not at all
    uint32_t error;
};

std::vector<RefusalCase> RefusalCases() {
    const Bytes good = SmallRgbPng();
    Bytes badSignature = good;
    badSignature[1] = 'Q';
    Bytes badCrcs = good;
    badCrcs[8 + 8 + 13] ^= 0xFF;        // IHDR's CRC
    badCrcs[good.size() - 1 - 12] ^= 1; // IDAT's CRC
    const Bytes stream = StoredZlibStream(SmallRgbRaw());
    Bytes badStoredLength = stream;
    badStoredLength[5] ^= 1; // complement no longer matches
    Bytes presetDictionary = stream;
    presetDictionary[1] |= 0x20;
    Bytes rawMissingARow = SmallRgbRaw();
    rawMissingARow.resize(10);
    Bytes rawWithExtra = SmallRgbRaw();
    rawWithExtra.push_back(0);
    Bytes badFilter = SmallRgbRaw();
    badFilter[10] = 5;
    FixedCodeStream farBack;
    farBack.Literal(0);
    farBack.Match(19, 2); // reaches before the first byte
    Bytes withoutAdler = stream;
    withoutAdler.resize(withoutAdler.size() - 4);
    Bytes blockType3 = {0x78, 0x01, 0x07, 0, 0, 0, 0};
    Bytes headerOf12 = HeaderData(3, 2, 8, 2);
    headerOf12.pop_back();

    return {
        {"fifteen_bytes", Bytes(good.begin(), good.begin() + 15), 0, PNG_ERR_FORMAT},
        {"cut_inside_header_chunk", Bytes(good.begin(), good.begin() + 24), 0, PNG_ERR_FORMAT},
        {"bad_signature", badSignature, 0, PNG_ERR_FORMAT},
        {"first_chunk_not_header", PngWithChunks({{"tEXt", {1}}, {"IHDR", HeaderData(3, 2, 8, 2)}}), 0,
         PNG_ERR_FORMAT},
        {"header_chunk_of_12_bytes", PngWithChunks({{"IHDR", headerOf12}}), 0, PNG_ERR_FORMAT},
        {"zero_width", WithHeader(HeaderData(0, 2, 8, 2)), 0, PNG_ERR_FORMAT},
        {"zero_height", WithHeader(HeaderData(3, 0, 8, 2)), 0, PNG_ERR_FORMAT},
        {"unknown_critical_chunk", WithChunkBeforeIdat("ABCD"), 0, PNG_ERR_UNSUPPORTED},
        {"unknown_critical_chunk_after_end",
         PngWithChunks({{"IHDR", HeaderData(3, 2, 8, 2)}, {"IDAT", stream}, {"IEND", {}}, {"QUUX", {}}}), 0,
         PNG_ERR_UNSUPPORTED},
        {"rgb_of_4_bits", WithHeader(HeaderData(3, 2, 4, 2)), 0, PNG_ERR_UNSUPPORTED},
        {"palette_of_16_bits", WithHeader(HeaderData(3, 2, 16, 3)), 0, PNG_ERR_UNSUPPORTED},
        {"grey_of_3_bits", WithHeader(HeaderData(3, 2, 3, 0)), 0, PNG_ERR_UNSUPPORTED},
        {"grey_alpha_of_4_bits", WithHeader(HeaderData(3, 2, 4, 4)), 0, PNG_ERR_UNSUPPORTED},
        {"colour_type_5", WithHeader(HeaderData(3, 2, 8, 5)), 0, PNG_ERR_UNSUPPORTED},
        {"compression_method_1", WithHeader(HeaderData(3, 2, 8, 2, 0, 1)), 0, PNG_ERR_UNSUPPORTED},
        {"filter_method_1", WithHeader(HeaderData(3, 2, 8, 2, 0, 0, 1)), 0, PNG_ERR_UNSUPPORTED},
        {"interlace_method_2", WithHeader(HeaderData(3, 2, 8, 2, 2)), 0, PNG_ERR_UNSUPPORTED},
        {"width_16385", WithHeader(HeaderData(16385, 1, 8, 0)), 0, PNG_ERR_UNSUPPORTED},
        {"height_16385", WithHeader(HeaderData(1, 16385, 8, 0)), 0, PNG_ERR_UNSUPPORTED},
        {"no_image_data", PngWithChunks({{"IHDR", HeaderData(3, 2, 8, 2)}, {"IEND", {}}}), 1, PNG_ERR_FORMAT},
        {"image_data_cut_off", Bytes(good.begin(), good.end() - 20), 1, PNG_ERR_FORMAT},
        {"stream_ends_a_row_early", WithHeader(HeaderData(3, 2, 8, 2), rawMissingARow), 1, PNG_ERR_FORMAT},
        {"stream_holds_a_byte_too_many", WithHeader(HeaderData(3, 2, 8, 2), rawWithExtra), 1, PNG_ERR_FORMAT},
        {"stored_length_complement_wrong", AssemblePng(HeaderData(3, 2, 8, 2), badStoredLength), 1,
         PNG_ERR_FORMAT},
        {"preset_dictionary", AssemblePng(HeaderData(3, 2, 8, 2), presetDictionary), 1, PNG_ERR_FORMAT},
        {"block_type_3", AssemblePng(HeaderData(3, 2, 8, 2), blockType3), 1, PNG_ERR_FORMAT},
        {"match_before_start", AssemblePng(HeaderData(3, 2, 8, 2), farBack.Finish()), 1, PNG_ERR_FORMAT},
        {"huge_image_tiny_stream", WithHeader(HeaderData(16384, 16384, 16, 6)), 1, PNG_ERR_FORMAT},
        {"filter_type_5", WithHeader(HeaderData(3, 2, 8, 2), badFilter), 2, 0},
        {"ancillary_chunk_ignored", WithChunkBeforeIdat("tEXt"), 3, 0},
        {"corrupt_crcs_ignored", badCrcs, 3, 0},
        {"missing_adler_ignored", AssemblePng(HeaderData(3, 2, 8, 2), withoutAdler), 3, 0},
    };
}

class RefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, StopsAtTheRightStepWithTheRightCode) {
    const DecodeOutcome outcome = DecodeWithJorvo(GetParam().png);
    EXPECT_EQ(outcome.stage, GetParam().stage);
    EXPECT_STREQ(PngErrorName(outcome.error), PngErrorName(GetParam().error));
}

INSTANTIATE_TEST_SUITE_P(HandMade, RefusalTest, testing::ValuesIn(RefusalCases()),
                         [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST(PngSteps, RefuseToRunOutOfOrder) {
    const Bytes png = SmallRgbPng();
    PngImage image;
    PngInit(&image);
    uint8_t pixels[64];
    EXPECT_EQ(PngDecode(&image), 0);
    EXPECT_EQ(image.error, PNG_ERR_STATE);
    EXPECT_EQ(PngFillRows(&image, pixels, 12), 0);

    ASSERT_EQ(PngAttachMemory(&image, png.data(), uint32_t(png.size()), PNG_INPUT_RESOURCE), 1);
    EXPECT_EQ(PngFillRows(&image, pixels, 12), 0); // not decoded yet
    EXPECT_EQ(PngAttachMemory(&image, png.data(), uint32_t(png.size()), PNG_INPUT_RESOURCE), 0);
    EXPECT_EQ(image.error, PNG_ERR_NOTEMPTY);
    EXPECT_EQ(image.state, uint32_t(PNG_STATE_LOADED)); // the refused load left the image alone

    ASSERT_NE(PngDecode(&image), 0);
    EXPECT_EQ(image.error, 0u);
    EXPECT_EQ(PngDecode(&image), 0);
    EXPECT_EQ(image.error, PNG_ERR_STATE);
    EXPECT_EQ(PngFillRows(&image, pixels, 8), 0); // stride below the 12 bytes a row needs
    EXPECT_EQ(PngFillRows(&image, pixels, 12), 1);
    PngCleanup(&image);
    EXPECT_EQ(image.raw, nullptr);
    EXPECT_EQ(image.state, uint32_t(PNG_STATE_EMPTY));
    EXPECT_EQ(PngAttachMemory(&image, png.data(), uint32_t(png.size()), PNG_INPUT_RESOURCE), 1);
    PngCleanup(&image);
}

TEST(PngSteps, FailuresLeaveTheRecordAsDocumented) {
    PngImage image;
    PngInit(&image);
    const Bytes notPng(40, 'x');
    EXPECT_EQ(PngAttachMemory(&image, notPng.data(), uint32_t(notPng.size()), PNG_INPUT_RESOURCE), 0);
    EXPECT_EQ(image.inputKind, uint32_t(PNG_INPUT_NONE));
    EXPECT_EQ(image.state, uint32_t(PNG_STATE_EMPTY));

    Bytes shortRaw = SmallRgbRaw();
    shortRaw.pop_back();
    const Bytes png = WithHeader(HeaderData(3, 2, 8, 2), shortRaw);
    ASSERT_EQ(PngAttachMemory(&image, png.data(), uint32_t(png.size()), PNG_INPUT_RESOURCE), 1);
    EXPECT_EQ(PngDecode(&image), 0);
    EXPECT_EQ(image.state, uint32_t(PNG_STATE_LOADED));
    EXPECT_EQ(image.raw, nullptr);
    PngCleanup(&image);
}

TEST(PngSteps, IdatSplitIntoOneByteChunksDecodesLikeOne) {
    const Bytes stream = StoredZlibStream(SmallRgbRaw(), 7);
    std::vector<std::pair<const char*, Bytes>> chunks = {{"IHDR", HeaderData(3, 2, 8, 2)}};
    for (uint8_t byte : stream)
        chunks.push_back({"IDAT", {byte}});
    chunks.push_back({"IEND", {}});
    const DecodeOutcome split = DecodeWithJorvo(PngWithChunks(chunks));
    const DecodeOutcome whole = DecodeWithJorvo(SmallRgbPng());
    ASSERT_EQ(split.stage, 3);
    ASSERT_EQ(whole.stage, 3);
    EXPECT_EQ(split.pixels, whole.pixels);
}

TEST(PngSteps, ImageDataEndsAtTheFirstOtherChunk) {
    // The second IDAT run is not part of the stream, so the first alone falls a row short.
    Bytes firstRow = SmallRgbRaw();
    firstRow.resize(10);
    const Bytes stream = StoredZlibStream(SmallRgbRaw());
    const Bytes png = PngWithChunks({{"IHDR", HeaderData(3, 2, 8, 2)},
                                     {"IDAT", Bytes(stream.begin(), stream.begin() + 12)},
                                     {"tEXt", {1}},
                                     {"IDAT", Bytes(stream.begin() + 12, stream.end())},
                                     {"IEND", {}}});
    EXPECT_EQ(DecodeWithJorvo(png).error, PNG_ERR_FORMAT);
}

// The forward filters, as an encoder applies them to one line of `unit`-byte pixels.
Bytes ApplyFilter(int type, const Bytes& line, const Bytes& above, size_t unit) {
    Bytes out(line.size());
    for (size_t i = 0; i < line.size(); i++) {
        const int a = i >= unit ? line[i - unit] : 0, b = above.empty() ? 0 : above[i];
        const int c = i >= unit && !above.empty() ? above[i - unit] : 0;
        int predicted = 0;
        if (type == 1) predicted = a;
        if (type == 2) predicted = b;
        if (type == 3) predicted = (a + b) / 2;
        if (type == 4) {
            const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
            predicted = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
        }
        out[i] = uint8_t(line[i] - predicted);
    }
    return out;
}

struct ExactCase {
    const char* name;
    uint32_t width;
    uint8_t bitDepth;
    uint8_t colourType;
    Bytes rows[2];    // two scanlines as stored, before filtering
    Bytes outRows[2]; // the bitmap's rows with their padding
    Bytes palette = {};
};

std::vector<ExactCase> ExactCases() {
    return {
        {"grey_2_bits_widened",
         5,
         2,
         0,
         {{0x1B, 0x80}, {0xE4, 0x40}},
         {{0x01, 0x23, 0x20, 0}, {0x32, 0x10, 0x10, 0}}},
        {"grey_1_bit_trailing_bits_cleared",
         10,
         1,
         0,
         {{0xA5, 0xFF}, {0x00, 0x7F}},
         {{0xA5, 0xC0, 0, 0}, {0x00, 0x40, 0, 0}}},
        {"grey_16_bits_high_bytes",
         3,
         16,
         0,
         {{0x12, 0x34, 0xAB, 0xCD, 0xFF, 0x01}, {0, 1, 2, 3, 4, 5}},
         {{0x12, 0xAB, 0xFF, 0}, {0, 2, 4, 0}}},
        {"grey_alpha_8_drops_alpha",
         3,
         8,
         4,
         {{10, 1, 20, 2, 30, 3}, {40, 4, 50, 5, 60, 6}},
         {{10, 20, 30, 0}, {40, 50, 60, 0}}},
        {"grey_alpha_16_drops_alpha",
         1,
         16,
         4,
         {{0x80, 1, 0x22, 2}, {0x7F, 0xFF, 0, 0}},
         {{0x80, 0, 0, 0}, {0x7F, 0, 0, 0}}},
        {"rgb_8_becomes_bgr",
         2,
         8,
         2,
         {{1, 2, 3, 4, 5, 6}, {200, 100, 50, 7, 8, 9}},
         {{3, 2, 1, 6, 5, 4, 0, 0}, {50, 100, 200, 9, 8, 7, 0, 0}}},
        {"rgb_16_keeps_high_bytes",
         2,
         16,
         2,
         {{0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xFF, 0xEE, 0x00, 0x11, 0x80, 0x00},
          {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
         {{0x9A, 0x56, 0x12, 0x80, 0x00, 0xFF, 0, 0}, {5, 3, 1, 11, 9, 7, 0, 0}}},
        {"rgba_8_keeps_alpha",
         1,
         8,
         6,
         {{0x10, 0x20, 0x30, 0x40}, {0xFF, 0x00, 0x7F, 0x01}},
         {{0x30, 0x20, 0x10, 0x40}, {0x7F, 0x00, 0xFF, 0x01}}},
        {"rgba_16_keeps_high_bytes",
         1,
         16,
         6,
         {{1, 2, 3, 4, 5, 6, 7, 8}, {9, 10, 11, 12, 13, 14, 15, 16}},
         {{5, 3, 1, 7}, {13, 11, 9, 15}}},
        {"palette_2_bits_widened",
         3,
         2,
         3,
         {{0x6C}, {0xE4}},
         {{0x12, 0x30, 0, 0}, {0x32, 0x10, 0, 0}},
         Bytes(12, 9)},
        {"palette_4_bits_as_stored",
         3,
         4,
         3,
         {{0x1F, 0xA0}, {0x23, 0x45}},
         {{0x1F, 0xA0, 0, 0}, {0x23, 0x40, 0, 0}},
         Bytes(48, 9)},
    };
}

class ExactOutputTest : public testing::TestWithParam<ExactCase> {};

TEST_P(ExactOutputTest, EveryFilterGivesTheSameRows) {
    const ExactCase& c = GetParam();
    const size_t unit = c.rows[0].size() / c.width ? c.rows[0].size() / c.width : 1;
    for (int top = 0; top <= 4; top++) {
        for (int bottom = 0; bottom <= 4; bottom++) {
            SCOPED_TRACE("filters " + std::to_string(top) + " and " + std::to_string(bottom));
            Bytes raw = {uint8_t(top)};
            const Bytes first = ApplyFilter(top, c.rows[0], {}, unit);
            raw.insert(raw.end(), first.begin(), first.end());
            raw.push_back(uint8_t(bottom));
            const Bytes second = ApplyFilter(bottom, c.rows[1], c.rows[0], unit);
            raw.insert(raw.end(), second.begin(), second.end());
            const DecodeOutcome outcome = DecodeWithJorvo(AssemblePng(
                HeaderData(c.width, 2, c.bitDepth, c.colourType), StoredZlibStream(raw), c.palette));
            ASSERT_EQ(outcome.stage, 3) << PngErrorName(outcome.error);
            Bytes expected = c.outRows[0];
            expected.insert(expected.end(), c.outRows[1].begin(), c.outRows[1].end());
            EXPECT_EQ(outcome.pixels, expected);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(HandMade, ExactOutputTest, testing::ValuesIn(ExactCases()),
                         [](const testing::TestParamInfo<ExactCase>& info) { return info.param.name; });

TEST(PngOutput, GreyTablesHoldEvenlySpacedGreys) {
    const struct {
        uint8_t bitDepth;
        uint8_t colourType;
        uint32_t bitsPerPixel;
        std::vector<uint8_t> greys;
    } cases[] = {
        {1, 0, 1, {0, 255}},
        {2, 0, 4, {0, 85, 170, 255}},
        {4, 0, 4, {0, 17, 34, 51, 68, 85, 102, 119, 136, 153, 170, 187, 204, 221, 238, 255}},
        {8, 4, 8, {}},
        {16, 0, 8, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.bitDepth));
        const Bytes png = WithHeader(HeaderData(1, 1, c.bitDepth, c.colourType), {0, 0, 0, 0, 0});
        PngImage image;
        PngInit(&image);
        ASSERT_EQ(PngAttachMemory(&image, png.data(), uint32_t(png.size()), PNG_INPUT_RESOURCE), 1);
        PngOutputLayout layout;
        ASSERT_EQ(PngDescribeOutput(&image, &layout), 1);
        EXPECT_EQ(layout.bitsPerPixel, c.bitsPerPixel);
        const size_t count = c.greys.empty() ? 256 : c.greys.size();
        EXPECT_EQ(layout.colourCount, count);
        EXPECT_EQ(layout.usedColours, count);
        for (size_t i = 0; i < count; i++) {
            const uint8_t grey = c.greys.empty() ? uint8_t(i) : c.greys[i];
            const uint8_t expected[4] = {grey, grey, grey, 0};
            EXPECT_EQ(std::memcmp(layout.colourTable[i], expected, 4), 0) << i;
        }
        PngCleanup(&image);
    }
}

TEST(PngOutput, Adam7PlacesEveryPassPixel) {
    // 3 x 3: pass 1 (0,0); 4 (2,0); 5 (0,2) (2,2); 6 (1,0) and (1,2); 7 the middle row. Passes 2 and 3
    // are empty and have no scanlines at all.
    const Bytes raw = {0, 11, 0, 13, 0, 31, 33, 0, 12, 0, 32, 0, 21, 22, 23};
    DecodeOutcome grey = DecodeWithJorvo(WithHeader(HeaderData(3, 3, 8, 0, 1), raw));
    ASSERT_EQ(grey.stage, 3);
    EXPECT_EQ(grey.pixels, (Bytes{11, 12, 13, 0, 21, 22, 23, 0, 31, 32, 33, 0}));

    // The same positions in a 1-bit image, pixels merged into their bits.
    const Bytes bits = {0, 0x80, 0, 0x80, 0, 0x40, 0, 0x00, 0, 0x80, 0, 0xA0};
    DecodeOutcome mono = DecodeWithJorvo(WithHeader(HeaderData(3, 3, 1, 0, 1), bits));
    ASSERT_EQ(mono.stage, 3);
    EXPECT_EQ(mono.pixels, (Bytes{0xA0, 0, 0, 0, 0xA0, 0, 0, 0, 0x60, 0, 0, 0}));

    DecodeOutcome single = DecodeWithJorvo(WithHeader(HeaderData(1, 1, 8, 6, 1), {0, 1, 2, 3, 4}));
    ASSERT_EQ(single.stage, 3);
    EXPECT_EQ(single.pixels, (Bytes{3, 2, 1, 4}));
}

TEST(PngOutput, WiderStrideGetsZeroPadding) {
    const Bytes png = SmallRgbPng();
    PngImage image;
    PngInit(&image);
    ASSERT_EQ(PngAttachMemory(&image, png.data(), uint32_t(png.size()), PNG_INPUT_RESOURCE), 1);
    ASSERT_NE(PngDecode(&image), 0);
    Bytes pixels(2 * 16, 0xEE);
    ASSERT_EQ(PngFillRows(&image, pixels.data(), 16), 1);
    EXPECT_EQ(pixels, (Bytes{3,  2,  1,  6,  5,  4,  9,  8,  7,  0, 0, 0, 0, 0, 0, 0,
                             30, 20, 10, 60, 50, 40, 90, 80, 70, 0, 0, 0, 0, 0, 0, 0}));
    PngCleanup(&image);
}

// Deflate streams written bit by bit.
Bytes DynamicHeaderWithoutEndOfBlock() {
    BitWriter w;
    w.Put(0x78, 8);
    w.Put(0x01, 8);
    w.Put(1, 1);
    w.Put(2, 2);
    w.Put(0, 5);  // 257 literal/length codes
    w.Put(0, 5);  // 1 distance code
    w.Put(14, 4); // 18 code-length code lengths
    // Code-length code: symbol 1 one bit (code 0), symbols 0 and 18 two bits (10, 11).
    const unsigned order[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
    for (unsigned i = 0; i < 18; i++)
        w.Put(order[i] == 1 ? 1 : order[i] == 0 || order[i] == 18 ? 2 : 0, 3);
    w.PutCode(0, 1); // literal 0: length 1
    w.PutCode(0, 1); // literal 1: length 1
    w.PutCode(3, 2); // 138 zeros
    w.Put(127, 7);
    w.PutCode(3, 2); // 117 zeros, through symbol 256
    w.Put(106, 7);
    w.PutCode(0, 1); // distance 0: length 1
    return w.Finish();
}

Bytes DynamicHeaderOverfullCode() {
    BitWriter w;
    w.Put(0x78, 8);
    w.Put(0x01, 8);
    w.Put(1, 1);
    w.Put(2, 2);
    w.Put(0, 5);
    w.Put(0, 5);
    w.Put(0, 4); // 4 code-length code lengths: 16, 17, 18, 0
    for (int i = 0; i < 4; i++)
        w.Put(1, 3); // four one-bit codes cannot exist
    return w.Finish();
}

Bytes RepeatWithNothingBefore() {
    BitWriter w;
    w.Put(0x78, 8);
    w.Put(0x01, 8);
    w.Put(1, 1);
    w.Put(2, 2);
    w.Put(0, 5);
    w.Put(0, 5);
    w.Put(0, 4);
    w.Put(1, 3); // symbol 16: one bit, code 1 (symbol 0 comes first in the canonical order)
    w.Put(0, 3);
    w.Put(0, 3);
    w.Put(1, 3);     // symbol 0: one bit, code 0
    w.PutCode(1, 1); // "repeat the previous length" first of all
    w.Put(0, 2);
    return w.Finish();
}

struct StreamCase {
    const char* name;
    Bytes stream;
    size_t outSize;
    InflateResult result;
};

std::vector<StreamCase> StreamCases() {
    FixedCodeStream invalidLength;
    invalidLength.Literal(1);
    invalidLength.Symbol(286);
    FixedCodeStream invalidDistance;
    invalidDistance.Literal(1);
    invalidDistance.Symbol(257);
    invalidDistance.bits.PutCode(30, 5);
    return {
        {"method_7", {0x77, 0x01, 0x03, 0x00}, 0, kInflateBadHeader},
        {"window_64k", {0x88, 0x01, 0x03, 0x00}, 0, kInflateBadHeader},
        {"preset_dictionary", {0x78, 0x21, 0x03, 0x00}, 0, kInflateBadHeader},
        {"one_byte", {0x78}, 0, kInflateTruncated},
        {"block_type_3", {0x78, 0x01, 0x07}, 0, kInflateBadBlockType},
        {"stored_complement_wrong",
         {0x78, 0x01, 0x01, 0x02, 0x00, 0xFD, 0xFE, 'a', 'b'},
         2,
         kInflateBadStoredLength},
        {"stored_data_cut", {0x78, 0x01, 0x01, 0x03, 0x00, 0xFC, 0xFF, 'a', 'b'}, 3, kInflateTruncated},
        {"stored_too_long_for_output",
         {0x78, 0x01, 0x01, 0x02, 0x00, 0xFD, 0xFF, 'a', 'b'},
         1,
         kInflateOverflow},
        {"no_final_block", {0x78, 0x01, 0x00, 0x00, 0x00, 0xFF, 0xFF}, 0, kInflateTruncated},
        {"literal_length_286", invalidLength.Finish(), 1, kInflateBadSymbol},
        {"distance_30", invalidDistance.Finish(), 1, kInflateBadSymbol},
        {"no_end_of_block_code", DynamicHeaderWithoutEndOfBlock(), 0, kInflateBadCodeLengths},
        {"overfull_code_length_code", DynamicHeaderOverfullCode(), 0, kInflateBadCodeLengths},
        {"repeat_with_nothing_before", RepeatWithNothingBefore(), 0, kInflateBadCodeLengths},
    };
}

class MalformedStreamTest : public testing::TestWithParam<StreamCase> {};

TEST_P(MalformedStreamTest, IsRefusedForItsReason) {
    const StreamCase& c = GetParam();
    Bytes out(c.outSize + 1);
    EXPECT_EQ(InflateZlibStream(c.stream.data(), c.stream.size(), out.data(), c.outSize), c.result);
}

INSTANTIATE_TEST_SUITE_P(HandMade, MalformedStreamTest, testing::ValuesIn(StreamCases()),
                         [](const testing::TestParamInfo<StreamCase>& info) { return info.param.name; });

// Fixed-code matches of every short distance and of long lengths, long enough for the fast loop.
TEST(FixedCodeStreamTest, MatchesOfEveryShortDistanceCopyTheirPattern) {
    FixedCodeStream s;
    for (int i = 0; i < 40; i++)
        s.Literal(uint8_t(i * 37));
    for (uint32_t distance = 1; distance <= 20; distance++) {
        for (uint32_t length : {3u, 7u, 8u, 9u, 17u, 100u, 258u}) {
            s.Match(length, distance);
            s.Literal(uint8_t(distance * 11 + length));
        }
    }
    s.Match(258, 4000);
    const Bytes stream = s.Finish();
    Bytes out(s.expected.size());
    ASSERT_EQ(InflateZlibStream(stream.data(), stream.size(), out.data(), out.size()), kInflateOk);
    EXPECT_EQ(out, s.expected);
}

} // namespace
