// Sizes are read from headers so that the question panel can lay out a picture it may never have to
// decode: a found question shows its reward instead.
#include "media/picture_size.h"

namespace {

constexpr uint32_t kLargestSide = 65535;

uint32_t BigEndian16(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) << 8 | p[1];
}

uint32_t LittleEndian16(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8;
}

uint32_t LittleEndian32(const uint8_t* p) {
    return LittleEndian16(p) | LittleEndian16(p + 2) << 16;
}

bool Accept(uint32_t w, uint32_t h, uint32_t* width, uint32_t* height) {
    if (w == 0 || h == 0 || w > kLargestSide || h > kLargestSide) return false;
    *width = w;
    *height = h;
    return true;
}

// Start-of-frame markers: C0-CF except C4 (Huffman tables), C8 (reserved) and CC (arithmetic tables).
bool IsFrameMarker(uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool ReadJpegSize(const uint8_t* data, size_t size, uint32_t* width, uint32_t* height) {
    size_t at = 2; // past the start-of-image marker
    for (;;) {
        if (size - at < 2 || data[at] != 0xFF) return false;
        while (at + 1 < size && data[at + 1] == 0xFF)
            ++at; // fill bytes before a marker
        if (size - at < 2) return false;
        const uint8_t marker = data[at + 1];
        at += 2;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue; // no length field
        if (marker == 0xD9 || marker == 0xDA) return false; // the image ends or its data begins: no frame
        if (size - at < 2) return false;
        const uint32_t length = BigEndian16(data + at); // counts itself
        if (length < 2 || size - at < length) return false;
        if (IsFrameMarker(marker)) {
            // precision, height, width: a height of 0 is defined later in the data, which we do not read.
            if (length < 7) return false;
            return Accept(BigEndian16(data + at + 5), BigEndian16(data + at + 3), width, height);
        }
        at += length;
    }
}

bool ReadBmpSize(const uint8_t* data, size_t size, uint32_t* width, uint32_t* height) {
    if (size < 26) return false;
    const uint32_t headerSize = LittleEndian32(data + 14);
    if (headerSize == 12) // core header: unsigned 16-bit sides
        return Accept(LittleEndian16(data + 18), LittleEndian16(data + 20), width, height);
    if (headerSize < 40 || size < 30) return false;
    const int32_t w = static_cast<int32_t>(LittleEndian32(data + 18));
    const int32_t h = static_cast<int32_t>(LittleEndian32(data + 22));
    if (w <= 0 || h == INT32_MIN) return false;
    return Accept(static_cast<uint32_t>(w), static_cast<uint32_t>(h < 0 ? -h : h), width, height);
}

} // namespace

bool ReadPictureSize(const uint8_t* data, size_t size, uint32_t* width, uint32_t* height) {
    if (!data || size < 2) return false;
    if (data[0] == 0xFF && data[1] == 0xD8) return ReadJpegSize(data, size, width, height);
    if (data[0] == 'B' && data[1] == 'M') return ReadBmpSize(data, size, width, height);
    return false;
}

void FitPictureInBox(int64_t width, int64_t height, int boxWidth, int boxHeight, int32_t* fittedWidth,
                     int32_t* fittedHeight) {
    const int64_t bw = boxWidth, bh = boxHeight;
    if (bh * width > bw * height) { // the width limits
        *fittedWidth = boxWidth;
        *fittedHeight = static_cast<int32_t>(height * bw / width);
    } else {
        *fittedWidth = static_cast<int32_t>(width * bh / height);
        *fittedHeight = boxHeight;
    }
    if (*fittedWidth < 1) *fittedWidth = 1;
    if (*fittedHeight < 1) *fittedHeight = 1;
}
