// The PNG decoder's record: header parsing, the chunk scanner, decompression into the raw buffer and
// the output layout.
#include "media/png/png_decoder.h"

#include <cstdlib>
#include <cstring>

#include "media/png/png_geometry.h"
#include "media/png/png_inflate.h"

namespace {

const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

// The best deflate can do is a 258-byte match for two bits of input (one-bit length and distance
// codes): no stream of n bytes fills more than this many.
constexpr uint64_t kMaxInflateRatio = 258 * 4;

enum ChunkKind {
    kNoChunk,
    kHeaderChunk,
    kPaletteChunk,
    kDataChunk,
    kEndChunk,
    kAncillaryChunk,
    kUnknownCritical
};

struct Chunk {
    ChunkKind kind;
    uint32_t length;
    const uint8_t* name;
    const uint8_t* data;
    const uint8_t* next;
};

uint32_t ReadBigEndian32(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

bool NameIs(const uint8_t* name, const char* expected) {
    return (name[0] | 0x20) == (expected[0] | 0x20) && std::memcmp(name + 1, expected + 1, 3) == 0;
}

// The chunk at `cursor`, or kNoChunk when fewer than 12 bytes remain or its data would pass the end.
// Names are compared with the case of their first letter ignored; any other name is ancillary when it
// starts with a lower-case letter and critical (hence unknown) otherwise.
Chunk ScanChunk(const PngImage* image, const uint8_t* cursor) {
    Chunk chunk{};
    const uint8_t* end = image->input + image->inputSize;
    if (cursor < image->input || cursor >= end || end - cursor < 12) return chunk;
    const uint32_t length = ReadBigEndian32(cursor);
    if (length > uint64_t(end - cursor) - 12) return chunk;
    chunk.length = length;
    chunk.name = cursor + 4;
    chunk.data = cursor + 8;
    chunk.next = cursor + 12 + length;
    if (NameIs(chunk.name, "IHDR"))
        chunk.kind = kHeaderChunk;
    else if (NameIs(chunk.name, "PLTE"))
        chunk.kind = kPaletteChunk;
    else if (NameIs(chunk.name, "IDAT"))
        chunk.kind = kDataChunk;
    else if (NameIs(chunk.name, "IEND"))
        chunk.kind = kEndChunk;
    else if (chunk.name[0] >= 'a' && chunk.name[0] <= 'z')
        chunk.kind = kAncillaryChunk;
    else
        chunk.kind = kUnknownCritical;
    return chunk;
}

bool IsDefinedPair(uint8_t colourType, uint8_t bitDepth) {
    switch (colourType) {
    case 0: return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8 || bitDepth == 16;
    case 3: return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8;
    case 2:
    case 4:
    case 6: return bitDepth == 8 || bitDepth == 16;
    default: return false;
    }
}

int Fail(PngImage* image, uint32_t code) {
    image->error = code;
    return 0;
}

int ParseHeader(PngImage* image) {
    image->chunkCursor = nullptr;
    image->header = nullptr;
    image->firstIdat = nullptr;
    image->palette = nullptr;
    image->paletteCount = 0;
    image->error = 0;
    if (image->inputSize < 16 || std::memcmp(image->input, kSignature, 8) != 0)
        return Fail(image, PNG_ERR_FORMAT);

    const Chunk header = ScanChunk(image, image->input + 8);
    if (header.kind != kHeaderChunk || header.length < 13) return Fail(image, PNG_ERR_FORMAT);
    image->header = header.data;
    image->width = ReadBigEndian32(header.data);
    image->height = ReadBigEndian32(header.data + 4);
    if (image->width == 0 || image->height == 0) return Fail(image, PNG_ERR_FORMAT);

    // IEND does not stop the walk: it ends where the data ends or a chunk would overrun it.
    for (const uint8_t* cursor = header.next;; cursor = image->chunkCursor) {
        const Chunk chunk = ScanChunk(image, cursor);
        if (chunk.kind == kNoChunk) break;
        if (chunk.kind == kUnknownCritical) return Fail(image, PNG_ERR_UNSUPPORTED);
        if (chunk.kind == kPaletteChunk && !image->palette) {
            image->palette = chunk.data;
            image->paletteCount = chunk.length / 3;
        }
        if (chunk.kind == kDataChunk && !image->firstIdat) image->firstIdat = cursor;
        image->chunkCursor = chunk.next;
    }

    image->bitDepth = header.data[8];
    image->colourType = header.data[9];
    image->interlace = header.data[12];
    if (!IsDefinedPair(image->colourType, image->bitDepth) || header.data[10] != 0 || header.data[11] != 0 ||
        image->interlace > 1)
        return Fail(image, PNG_ERR_UNSUPPORTED);
    if (image->width > kPngMaxDimension || image->height > kPngMaxDimension)
        return Fail(image, PNG_ERR_UNSUPPORTED);
    return 1;
}

uint64_t RawSize(const PngImage* image) {
    const uint32_t bitsPerPixel = image->bitDepth * PngSamplesPerPixel(image->colourType);
    PngPass passes[7];
    const int passCount = PngPasses(image->width, image->height, image->interlace, passes);
    uint64_t size = 0;
    for (int p = 0; p < passCount; p++)
        if (passes[p].width && passes[p].height)
            size += uint64_t(passes[p].height) * (1 + PngRowBytes(passes[p].width, bitsPerPixel));
    return size;
}

bool IsDataContinuation(const Chunk& chunk) {
    return chunk.kind != kNoChunk && std::memcmp(chunk.name, "IDA", 3) == 0 && (chunk.name[3] | 0x20) == 't';
}

} // namespace

const char* PngErrorName(uint32_t code) {
    switch (code) {
    case 0: return "PNG_OK";
    case PNG_ERR_NOMEM: return "PNG_ERR_NOMEM";
    case PNG_ERR_NOTEMPTY: return "PNG_ERR_NOTEMPTY";
    case PNG_ERR_FORMAT: return "PNG_ERR_FORMAT";
    case PNG_ERR_UNSUPPORTED: return "PNG_ERR_UNSUPPORTED";
    case PNG_ERR_OUTFORMAT: return "PNG_ERR_OUTFORMAT";
    case PNG_ERR_STATE: return "PNG_ERR_STATE";
    case PNG_ERR_BITMAP: return "PNG_ERR_BITMAP";
    case PNG_ERR_NORESOURCE: return "PNG_ERR_NORESOURCE";
    case PNG_ERR_RESOURCE: return "PNG_ERR_RESOURCE";
    default: return "PNG_ERR_UNKNOWN";
    }
}

int PngInit(PngImage* image) {
    if (!image) return 0;
    std::memset(image, 0, sizeof *image);
    return 1;
}

int PngAttachMemory(PngImage* image, const uint8_t* data, uint32_t size, uint32_t inputKind) {
    if (image->state != PNG_STATE_EMPTY || image->inputKind != PNG_INPUT_NONE)
        return Fail(image, PNG_ERR_NOTEMPTY);
    image->error = 0;
    image->input = data;
    image->inputSize = data ? size : 0;
    image->inputKind = inputKind;
    if (!ParseHeader(image)) {
        image->inputKind = PNG_INPUT_NONE;
        return 0;
    }
    image->state = PNG_STATE_LOADED;
    return 1;
}

int PngDecode(PngImage* image) {
    if (image->state != PNG_STATE_LOADED) return Fail(image, PNG_ERR_STATE);
    const uint64_t rawSize = RawSize(image);
    if (rawSize > UINT32_MAX) return Fail(image, PNG_ERR_UNSUPPORTED);

    // The zlib stream: the first IDAT's data and that of the IDAT chunks right after it.
    if (!image->firstIdat) return Fail(image, PNG_ERR_FORMAT);
    const Chunk first = ScanChunk(image, image->firstIdat);
    if (first.kind == kNoChunk) return Fail(image, PNG_ERR_FORMAT);
    uint64_t streamSize = first.length;
    int chunkCount = 1;
    for (Chunk chunk = ScanChunk(image, first.next); IsDataContinuation(chunk);
         chunk = ScanChunk(image, chunk.next)) {
        streamSize += chunk.length;
        chunkCount++;
    }
    // A stream too short to fill the buffer fails before the buffer is allocated.
    if (rawSize > streamSize * kMaxInflateRatio + 258) return Fail(image, PNG_ERR_FORMAT);

    uint8_t* raw = static_cast<uint8_t*>(std::malloc(rawSize ? size_t(rawSize) : 1));
    if (!raw) return Fail(image, PNG_ERR_NOMEM);
    const uint8_t* stream = first.data;
    uint8_t* joined = nullptr;
    if (chunkCount > 1) {
        joined = static_cast<uint8_t*>(std::malloc(size_t(streamSize)));
        if (!joined) {
            std::free(raw);
            return Fail(image, PNG_ERR_NOMEM);
        }
        uint8_t* at = joined;
        for (Chunk chunk = first; chunkCount-- > 0; chunk = ScanChunk(image, chunk.next)) {
            std::memcpy(at, chunk.data, chunk.length);
            at += chunk.length;
        }
        stream = joined;
    }
    const InflateResult result = InflateZlibStream(stream, size_t(streamSize), raw, size_t(rawSize));
    std::free(joined);
    if (result != kInflateOk) {
        std::free(raw);
        return Fail(image, PNG_ERR_FORMAT);
    }
    image->raw = raw;
    image->rawSize = uint32_t(rawSize);
    image->error = 0;
    image->state = PNG_STATE_DECODED;
    return 1;
}

int PngDescribeOutput(const PngImage* image, PngOutputLayout* layout) {
    if (!image || !layout || image->state == PNG_STATE_EMPTY) return 0;
    std::memset(layout, 0, sizeof *layout);
    layout->bitsPerPixel = PngOutputBitsPerPixel(image->colourType, image->bitDepth);
    layout->stride = PngOutputStride(image->width, layout->bitsPerPixel);
    if (image->colourType == 3) {
        layout->colourCount = 1u << layout->bitsPerPixel;
        const uint32_t copied =
            image->paletteCount < layout->colourCount ? image->paletteCount : layout->colourCount;
        for (uint32_t i = 0; i < copied && image->palette; i++) {
            layout->colourTable[i][0] = image->palette[3 * i + 2];
            layout->colourTable[i][1] = image->palette[3 * i + 1];
            layout->colourTable[i][2] = image->palette[3 * i];
        }
    } else if (layout->bitsPerPixel <= 8) {
        // Grey: as many evenly spaced greys as the samples can tell apart.
        const uint32_t greys = image->bitDepth < 8 ? 1u << image->bitDepth : 256;
        layout->colourCount = greys;
        layout->usedColours = greys;
        for (uint32_t i = 0; i < greys; i++) {
            const uint8_t grey = uint8_t(i * 255 / (greys - 1));
            layout->colourTable[i][0] = layout->colourTable[i][1] = layout->colourTable[i][2] = grey;
        }
    }
    return 1;
}

int PngCleanup(PngImage* image) {
    if (!image) return 0;
    if (image->state == PNG_STATE_DECODED && image->raw) std::free(image->raw);
    std::memset(image, 0, sizeof *image);
    return 1;
}
