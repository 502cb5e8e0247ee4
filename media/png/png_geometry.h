// Sizes of a PNG image's scanlines and Adam7 passes, shared by the decoder and the row filler.
#pragma once

#include <cstdint>

struct PngPass {
    uint32_t x0, y0, dx, dy; // first pixel and spacing of the pass in the image
    uint32_t width, height;  // pixels of the pass; a pass with either 0 has no scanlines at all
};

// Adam7's seven passes (interlace 1), or the whole image as one pass (interlace 0). Answers the count.
inline int PngPasses(uint32_t width, uint32_t height, uint8_t interlace, PngPass passes[7]) {
    if (interlace == 0) {
        passes[0] = {0, 0, 1, 1, width, height};
        return 1;
    }
    static constexpr uint8_t kAdam7[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                             {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    for (int p = 0; p < 7; p++) {
        PngPass& pass = passes[p];
        pass.x0 = kAdam7[p][0];
        pass.y0 = kAdam7[p][1];
        pass.dx = kAdam7[p][2];
        pass.dy = kAdam7[p][3];
        pass.width = width > pass.x0 ? (width - pass.x0 + pass.dx - 1) / pass.dx : 0;
        pass.height = height > pass.y0 ? (height - pass.y0 + pass.dy - 1) / pass.dy : 0;
    }
    return 7;
}

inline uint32_t PngSamplesPerPixel(uint8_t colourType) {
    switch (colourType) {
    case 2: return 3;
    case 4: return 2;
    case 6: return 4;
    default: return 1; // grey, palette
    }
}

// Bytes of one scanline's pixels (without its filter-type byte), for widths up to 2^32 - 1.
inline uint64_t PngRowBytes(uint32_t width, uint32_t bitsPerPixel) {
    return (uint64_t(width) * bitsPerPixel + 7) / 8;
}

// Bits per pixel of the output bitmap: sub-byte greys and palettes keep their samples (2 bits are
// widened to 4), 16-bit samples keep their high byte, grey with alpha drops the alpha.
inline uint32_t PngOutputBitsPerPixel(uint8_t colourType, uint8_t bitDepth) {
    switch (colourType) {
    case 0: return bitDepth == 1 ? 1 : bitDepth <= 4 ? 4 : 8;
    case 2: return 24;
    case 3: return bitDepth == 2 ? 4 : bitDepth;
    case 4: return 8;
    default: return 32;
    }
}

// Bytes per output row, padded to a multiple of 4 (at most 256 KiB for the largest accepted width).
inline uint32_t PngOutputStride(uint32_t width, uint32_t bitsPerPixel) {
    return uint32_t((uint64_t(width) * bitsPerPixel + 31) / 32 * 4);
}
