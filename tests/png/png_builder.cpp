#include "tests/png/png_builder.h"

#include <cstring>

uint32_t Crc32(const uint8_t* data, size_t size) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; i++) {
        crc ^= data[i];
        for (int k = 0; k < 8; k++)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return crc ^ 0xFFFFFFFFu;
}

namespace {

uint32_t Adler32(const Bytes& data);

void AppendBigEndian32(Bytes& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(uint8_t(value >> shift));
}

} // namespace

void AppendChunk(Bytes& png, const char* name, const Bytes& data) {
    AppendBigEndian32(png, uint32_t(data.size()));
    const size_t crcStart = png.size();
    png.insert(png.end(), name, name + 4);
    png.insert(png.end(), data.begin(), data.end());
    AppendBigEndian32(png, Crc32(png.data() + crcStart, png.size() - crcStart));
}

Bytes HeaderData(uint32_t width, uint32_t height, uint8_t bitDepth, uint8_t colourType, uint8_t interlace,
                 uint8_t compression, uint8_t filter) {
    Bytes data;
    AppendBigEndian32(data, width);
    AppendBigEndian32(data, height);
    data.insert(data.end(), {bitDepth, colourType, compression, filter, interlace});
    return data;
}

Bytes StoredZlibStream(const Bytes& raw, size_t blockSize) {
    Bytes stream = {0x78, 0x01};
    size_t at = 0;
    do {
        const size_t length = raw.size() - at < blockSize ? raw.size() - at : blockSize;
        const bool final = at + length == raw.size();
        stream.insert(stream.end(), {uint8_t(final), uint8_t(length), uint8_t(length >> 8), uint8_t(~length),
                                     uint8_t(~length >> 8)});
        stream.insert(stream.end(), raw.begin() + long(at), raw.begin() + long(at + length));
        at += length;
    } while (at < raw.size());
    AppendBigEndian32(stream, Adler32(raw));
    return stream;
}

void BitWriter::Put(uint32_t value, unsigned count) {
    for (unsigned i = 0; i < count; i++) {
        pending |= (value >> i & 1) << pendingBits;
        if (++pendingBits == 8) {
            bytes.push_back(uint8_t(pending));
            pending = 0;
            pendingBits = 0;
        }
    }
}

void BitWriter::PutCode(uint32_t code, unsigned length) {
    for (unsigned i = length; i-- > 0;)
        Put(code >> i & 1, 1);
}

Bytes BitWriter::Finish() {
    if (pendingBits) bytes.push_back(uint8_t(pending));
    pending = 0;
    pendingBits = 0;
    return bytes;
}

namespace {

const uint16_t kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                  31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
const uint8_t kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                  2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
const uint16_t kDistanceBase[30] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                    33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                    1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};

uint32_t Adler32(const Bytes& data) {
    uint32_t a = 1, b = 0;
    for (uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

} // namespace

FixedCodeStream::FixedCodeStream() {
    bits.Put(0x78, 8);
    bits.Put(0x01, 8);
    bits.Put(1, 1); // final
    bits.Put(1, 2); // fixed codes
}

void FixedCodeStream::Symbol(uint32_t symbol) {
    if (symbol < 144)
        bits.PutCode(0x30 + symbol, 8);
    else if (symbol < 256)
        bits.PutCode(0x190 + symbol - 144, 9);
    else if (symbol < 280)
        bits.PutCode(symbol - 256, 7);
    else
        bits.PutCode(0xC0 + symbol - 280, 8);
}

void FixedCodeStream::Literal(uint8_t value) {
    Symbol(value);
    expected.push_back(value);
}

void FixedCodeStream::Match(uint32_t length, uint32_t distance) {
    int l = 28;
    while (kLengthBase[l] > length)
        l--;
    Symbol(257 + uint32_t(l));
    bits.Put(length - kLengthBase[l], kLengthExtra[l]);
    int d = 29;
    while (kDistanceBase[d] > distance)
        d--;
    bits.PutCode(uint32_t(d), 5);
    bits.Put(distance - kDistanceBase[d], d < 4 ? 0 : unsigned(d / 2 - 1));
    for (uint32_t i = 0; i < length; i++) {
        const size_t from = expected.size() - distance;
        expected.push_back(from < expected.size() ? expected[from] : 0);
    }
}

Bytes FixedCodeStream::Finish(bool withAdler) {
    Symbol(256);
    Bytes stream = bits.Finish();
    if (withAdler)
        for (int shift = 24; shift >= 0; shift -= 8)
            stream.push_back(uint8_t(Adler32(expected) >> shift));
    return stream;
}

Bytes AssemblePng(const Bytes& header, const Bytes& stream, const Bytes& palette) {
    Bytes png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    AppendChunk(png, "IHDR", header);
    if (!palette.empty()) AppendChunk(png, "PLTE", palette);
    AppendChunk(png, "IDAT", stream);
    AppendChunk(png, "IEND", {});
    return png;
}

DecodeOutcome DecodeWithJorvo(const Bytes& png) {
    DecodeOutcome outcome{};
    PngImage image;
    PngInit(&image);
    if (!PngAttachMemory(&image, png.data(), uint32_t(png.size()), PNG_INPUT_RESOURCE)) {
        outcome.error = image.error;
        return outcome;
    }
    outcome.stage = 1;
    if (!PngDecode(&image)) {
        outcome.error = image.error;
        PngCleanup(&image);
        return outcome;
    }
    outcome.stage = 2;
    PngDescribeOutput(&image, &outcome.layout);
    outcome.pixels.assign(size_t(outcome.layout.stride) * image.height, 0xCD);
    if (PngFillRows(&image, outcome.pixels.data(), outcome.layout.stride)) outcome.stage = 3;
    outcome.error = image.error;
    PngCleanup(&image);
    return outcome;
}
