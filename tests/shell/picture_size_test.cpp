// Picture sizes read from headers. Each item sits in a buffer of exactly its own length, so a look past
// its end is caught by the sanitizer build.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "media/picture_size.h"

using namespace std::string_literals;

namespace {

bool SizeOf(const std::string& bytes, uint32_t* width, uint32_t* height) {
    std::unique_ptr<uint8_t[]> exact(new uint8_t[bytes.size()]);
    std::memcpy(exact.get(), bytes.data(), bytes.size());
    return ReadPictureSize(exact.get(), bytes.size(), width, height);
}

// A JPEG's start: start of image, an APP0 segment, a quantisation table, then the frame header.
const std::string kJpegStart = "\xFF\xD8"s + "\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00"s +
                               "\xFF\xDB\x00\x04\x00\x10"s;
std::string Frame(uint8_t marker, uint16_t height, uint16_t width) {
    return "\xFF"s + char(marker) + "\x00\x0B\x08"s + char(height >> 8) + char(height & 0xFF) +
           char(width >> 8) + char(width & 0xFF) + "\x01\x01\x11\x00"s;
}

std::string Bmp(uint32_t headerSize, int32_t width, int32_t height) {
    std::string bytes = "BM"s + std::string(12, '\0');
    for (uint32_t value : {headerSize, uint32_t(width), uint32_t(height)})
        for (int shift = 0; shift < 32; shift += 8)
            bytes += char(value >> shift & 0xFF);
    return bytes + std::string(headerSize > 12 ? headerSize - 12 : 0, '\0');
}

std::string BmpCore(uint16_t width, uint16_t height) {
    return "BM"s + std::string(12, '\0') + "\x0C\x00\x00\x00"s + char(width & 0xFF) + char(width >> 8) +
           char(height & 0xFF) + char(height >> 8) + "\x01\x00\x18\x00"s;
}

} // namespace

TEST(PictureSize, ReadsTheDeclaredSizeOrRefuses) {
    const struct {
        const char* what;
        std::string bytes;
        bool known;
        uint32_t width, height;
    } cases[] = {
        {"baseline JPEG", kJpegStart + Frame(0xC0, 480, 640) + "\xFF\xDA"s, true, 640, 480},
        {"progressive JPEG", kJpegStart + Frame(0xC2, 7, 65535), true, 65535, 7},
        {"fill bytes and a restart marker before the frame", "\xFF\xD8\xFF\xFF\xFF\xD3"s + Frame(0xC1, 2, 3),
         true, 3, 2},
        {"Huffman tables (C4) are no frame",
         "\xFF\xD8\xFF\xC4\x00\x07\x00\x01\x00\x02\x00"s + Frame(0xC0, 5, 6), true, 6, 5},
        {"the scan begins before any frame", kJpegStart + "\xFF\xDA\x00\x02"s + Frame(0xC0, 5, 6), false, 0,
         0},
        {"height defined later in the data", kJpegStart + Frame(0xC0, 0, 6), false, 0, 0},
        {"a segment length running past the end", "\xFF\xD8\xFF\xE1\xFF\xF0"s + Frame(0xC0, 5, 6), false, 0,
         0},
        {"a segment length below its own two bytes", "\xFF\xD8\xFF\xE1\x00\x01"s + Frame(0xC0, 5, 6), false,
         0, 0},
        {"garbage where a marker belongs", "\xFF\xD8\x12\x34"s + Frame(0xC0, 5, 6), false, 0, 0},
        {"BMP info header", Bmp(40, 150, 600), true, 150, 600},
        {"top-down BMP", Bmp(40, 4, -2), true, 4, 2},
        {"BMP V5 header", Bmp(124, 9, 8), true, 9, 8},
        {"BMP core header", BmpCore(300, 20), true, 300, 20},
        {"BMP of width 0", Bmp(40, 0, 5), false, 0, 0},
        {"BMP of negative width", Bmp(40, -3, 5), false, 0, 0},
        {"BMP of the most negative height", Bmp(40, 3, INT32_MIN), false, 0, 0},
        {"BMP wider than 65535", Bmp(40, 70000, 5), false, 0, 0},
        {"BMP with an unknown header size", Bmp(16, 3, 5), false, 0, 0},
        {"GIF is left to the decoder", "GIF89a\x0A\x00\x0A\x00\x00\x00\x00"s, false, 0, 0},
        {"one byte", "\xFF"s, false, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        uint32_t width = 12345, height = 12345;
        ASSERT_EQ(SizeOf(c.bytes, &width, &height), c.known);
        EXPECT_EQ(width, c.known ? c.width : 12345u);
        EXPECT_EQ(height, c.known ? c.height : 12345u);
        // Any shorter piece of a picture whose size sits at its end tells nothing.
        if (c.known)
            for (size_t length = 0; length + 1 < c.bytes.size(); ++length) {
                uint32_t w = 0, h = 0;
                const bool cut = SizeOf(c.bytes.substr(0, length), &w, &h);
                if (c.bytes.compare(0, 2, "BM") == 0 && length >= 30) continue; // the rest of a BMP header
                if (c.bytes.size() - length <= 2 && c.bytes.compare(c.bytes.size() - 2, 2, "\xFF\xDA"s) == 0)
                    continue; // the scan marker after the frame
                EXPECT_FALSE(cut) << "cut to " << length << " bytes";
            }
    }
}
