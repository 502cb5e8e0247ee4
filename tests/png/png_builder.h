// Hand-made PNG files for the decoder's tests (no compression library: zlib streams of stored blocks),
// and the decoder run end to end.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "media/png/png_decoder.h"

using Bytes = std::vector<uint8_t>;

uint32_t Crc32(const uint8_t* data, size_t size);

// Appends a chunk (length, name, data, CRC over name and data).
void AppendChunk(Bytes& png, const char* name, const Bytes& data);

// IHDR's 13 data bytes.
Bytes HeaderData(uint32_t width, uint32_t height, uint8_t bitDepth, uint8_t colourType, uint8_t interlace = 0,
                 uint8_t compression = 0, uint8_t filter = 0);

// A zlib stream holding `raw` in stored blocks of at most `blockSize` bytes, with its Adler-32 value.
Bytes StoredZlibStream(const Bytes& raw, size_t blockSize = 65535);

// Deflate data written a few bits at a time, least significant bit first.
struct BitWriter {
    Bytes bytes;
    uint32_t pending = 0;
    unsigned pendingBits = 0;
    void Put(uint32_t value, unsigned count);     // extra bits, header fields
    void PutCode(uint32_t code, unsigned length); // a Huffman code, most significant bit first
    Bytes Finish();                               // pads the last byte
};

// A zlib stream of fixed-code blocks built symbol by symbol, knowing the bytes it decodes to.
struct FixedCodeStream {
    BitWriter bits;
    Bytes expected;
    FixedCodeStream(); // zlib header, first block's header
    void Literal(uint8_t value);
    void Match(uint32_t length,
               uint32_t distance);       // also records the expected bytes (distance checked by caller)
    void Symbol(uint32_t symbol);        // a raw literal/length symbol (for invalid ones)
    Bytes Finish(bool withAdler = true); // end-of-block, padding, Adler-32 of `expected`
};

// Signature, IHDR, PLTE (when `palette` is not empty), one IDAT holding `stream`, IEND.
Bytes AssemblePng(const Bytes& header, const Bytes& stream, const Bytes& palette = {});

// Every step of the decoder: where it stopped (0 load, 1 decode, 2 fill, 3 done) and what it gave.
struct DecodeOutcome {
    int stage;
    uint32_t error;
    PngOutputLayout layout;
    Bytes pixels; // top-down rows, layout.stride apart
};

DecodeOutcome DecodeWithJorvo(const Bytes& png);
