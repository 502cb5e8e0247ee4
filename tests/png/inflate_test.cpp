// Our inflate against zlib's deflate: every strategy and level on data that produces long and short
// matches, far distances, codes of every length and stored blocks above 64 KiB; streams cut anywhere; buffers
// of the wrong size.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <random>
#include <string>

#include "media/png/png_inflate.h"
#include "tests/png/libpng_oracle.h"

namespace {

Bytes MakeData(const std::string& kind, size_t size, uint32_t seed) {
    std::mt19937 random(seed);
    Bytes data(size);
    if (kind == "noise") {
        for (auto& b : data)
            b = uint8_t(random());
    } else if (kind == "text") {
        const char* words[] = {"quiz ", "answer ", "bravo ", "presque ", "faux ", "question ", "\n"};
        for (size_t i = 0; i < size;)
            for (const char* w = words[random() % 7]; *w && i < size; w++)
                data[i++] = uint8_t(*w);
    } else if (kind == "periods") {
        // Runs repeating with every period from 1 to 12, for the short-distance copies.
        for (size_t i = 0; i < size;) {
            const size_t period = 1 + random() % 12, run = 3 + random() % 600;
            for (size_t k = 0; k < run && i < size; k++, i++)
                data[i] = k < period ? uint8_t(random()) : data[i - period];
        }
    } else if (kind == "skewed") {
        // Byte values falling off exponentially: codes from a few bits up to the longest, so that
        // several primary entries lead to subtables, in every block.
        std::exponential_distribution<double> falling(1.0 / 20);
        for (auto& b : data)
            b = uint8_t(std::min(255.0, falling(random)));
    } else if (kind == "far") {
        // A block of noise repeated ~32 KiB later, for the longest distances.
        for (size_t i = 0; i < size; i++)
            data[i] = i >= 32000 && i % 40000 < 8000 ? data[i - 32000] : uint8_t(random() % 7);
    } else {
        for (size_t i = 0; i < size; i++)
            data[i] = 0;
    }
    return data;
}

struct RoundTripCase {
    std::string name;
    std::string kind;
    size_t size;
    int level;
    int strategy;
};

std::vector<RoundTripCase> RoundTripCases() {
    std::vector<RoundTripCase> cases;
    const struct {
        const char* name;
        int level;
        int strategy;
    } settings[] = {{"stored", 0, Z_DEFAULT_STRATEGY},
                    {"fast", 1, Z_DEFAULT_STRATEGY},
                    {"default", 6, Z_DEFAULT_STRATEGY},
                    {"best", 9, Z_DEFAULT_STRATEGY},
                    {"fixed", 6, Z_FIXED},
                    {"rle", 6, Z_RLE},
                    {"huffman", 6, Z_HUFFMAN_ONLY},
                    {"filtered", 6, Z_FILTERED}};
    for (const char* kind : {"noise", "text", "periods", "skewed", "far", "zeros"})
        for (const auto& s : settings)
            for (size_t size : {size_t(0), size_t(1), size_t(300), size_t(150000)})
                cases.push_back({std::string(kind) + "_" + s.name + "_" + std::to_string(size), kind, size,
                                 s.level, s.strategy});
    return cases;
}

class RoundTripTest : public testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTripTest, GivesBackWhatZlibCompressed) {
    const RoundTripCase& c = GetParam();
    const Bytes data = MakeData(c.kind, c.size, uint32_t(c.size + c.level * 3 + c.strategy));
    const Bytes stream = CompressWithZlib(data, c.level, c.strategy);
    Bytes out(data.size() + 1, 0xAA);
    ASSERT_EQ(InflateZlibStream(stream.data(), stream.size(), out.data(), data.size()), kInflateOk);
    EXPECT_EQ(out.back(), 0xAA) << "wrote past the buffer";
    out.pop_back();
    EXPECT_TRUE(out == data);
}

INSTANTIATE_TEST_SUITE_P(Zlib, RoundTripTest, testing::ValuesIn(RoundTripCases()),
                         [](const testing::TestParamInfo<RoundTripCase>& info) { return info.param.name; });

TEST(InflateLimits, StreamCutAnywhereBeforeItsChecksumIsTruncated) {
    for (const char* kind : {"text", "periods", "noise"}) {
        for (int strategy : {Z_DEFAULT_STRATEGY, Z_FIXED}) {
            const Bytes data = MakeData(kind, 3000, 5);
            const Bytes stream = CompressWithZlib(data, 6, strategy);
            Bytes out(data.size());
            for (size_t cut = 0; cut + 4 < stream.size(); cut++) {
                const Bytes head(stream.begin(), stream.begin() + long(cut));
                ASSERT_EQ(InflateZlibStream(head.data(), head.size(), out.data(), out.size()),
                          kInflateTruncated)
                    << kind << " cut to " << cut << " bytes";
            }
            // The checksum is not verified: without it, or with part of it, the data is complete.
            for (size_t cut = stream.size() - 4; cut <= stream.size(); cut++)
                EXPECT_EQ(InflateZlibStream(stream.data(), cut, out.data(), out.size()), kInflateOk);
            EXPECT_TRUE(out == data);
        }
    }
}

TEST(InflateLimits, OutputOfTheWrongSizeIsRefusedWithoutWritingPastIt) {
    for (const char* kind : {"text", "periods", "zeros", "noise"}) {
        for (int level : {0, 6}) {
            const Bytes data = MakeData(kind, 20000, 9);
            const Bytes stream = CompressWithZlib(data, level, Z_DEFAULT_STRATEGY);
            for (size_t shortBy : {size_t(1), size_t(7), size_t(258), size_t(5000)}) {
                Bytes out(data.size(), 0);
                const size_t size = data.size() - shortBy;
                out[size] = 0x5A; // guard byte just past the buffer
                EXPECT_EQ(InflateZlibStream(stream.data(), stream.size(), out.data(), size), kInflateOverflow)
                    << kind << " short by " << shortBy;
                EXPECT_EQ(out[size], 0x5A) << kind << " short by " << shortBy;
            }
            Bytes longer(data.size() + 1);
            EXPECT_EQ(InflateZlibStream(stream.data(), stream.size(), longer.data(), longer.size()),
                      kInflateShort);
        }
    }
}

} // namespace
