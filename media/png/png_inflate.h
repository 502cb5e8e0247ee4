// zlib stream decompression (RFC 1950 framing around RFC 1951 deflate) into a buffer sized in advance.
#pragma once

#include <cstddef>
#include <cstdint>

enum InflateResult {
    kInflateOk = 0,
    kInflateBadHeader,       // not compression method 8, window above 32 KiB, or a preset dictionary
    kInflateBadBlockType,    // block type 3
    kInflateBadStoredLength, // a stored block's length and its complement disagree
    kInflateBadCodeLengths,  // a Huffman code that cannot be built (over-full, repeat with nothing before)
    kInflateBadSymbol,       // a code that no symbol has, or a length or distance symbol that deflate forbids
    kInflateBadDistance,     // a match reaching back before the start of the output
    kInflateOverflow,        // more data than the output buffer holds
    kInflateTruncated,       // the input ends inside the stream
    kInflateShort,           // the stream ends before the output buffer is full
};

// Decompresses the zlib stream `in` into exactly `outSize` bytes of `out`. The trailing Adler-32 value
// is not checked (a stream missing it still decodes). Never reads or writes outside the two buffers.
InflateResult InflateZlibStream(const uint8_t* in, size_t inSize, uint8_t* out, size_t outSize);
