// libpng and zlib as the decoder's oracle (native test builds only): images encoded the way the tests
// ask, and libpng's decoding of a file brought to the bitmap layout that our decoder writes.
#pragma once

#include <cstdint>

#include "tests/png/png_builder.h"

struct EncodeOptions {
    uint32_t width;
    uint32_t height;
    uint8_t bitDepth;
    uint8_t colourType;
    bool interlace;
    int filters;      // libpng filter mask (PNG_FILTER_NONE ... PNG_ALL_FILTERS)
    int level;        // zlib level; 0 gives stored blocks
    int strategy;     // zlib strategy; Z_FIXED gives fixed-code blocks
    size_t idatBytes; // data bytes per IDAT chunk
};

// Scanlines (without filter bytes) of noise, gradients, repeated rows and short runs, so that every
// filter and match distance turns up. `seed` makes them differ between images.
Bytes MakeSamples(uint32_t width, uint32_t height, uint32_t bitsPerPixel, uint32_t seed);

// `entries` random colours, red-green-blue.
Bytes MakePalette(uint32_t entries, uint32_t seed);

Bytes EncodeWithLibpng(const EncodeOptions& options, const Bytes& samples, const Bytes& palette);

// libpng's pixels of `png` in the bitmap layout: high bytes of 16-bit samples, alpha of grey images
// dropped, blue-green-red order, 2-bit samples widened to 4 bits, bits past the last pixel cleared,
// rows `stride` apart with zero padding. False when libpng refuses the file.
bool DecodeWithLibpng(const Bytes& png, uint32_t outBitsPerPixel, uint32_t stride, Bytes* pixels);

// zlib's compression of `data` at `level` with `strategy`.
Bytes CompressWithZlib(const Bytes& data, int level, int strategy);
