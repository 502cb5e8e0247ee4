#include "tests/png/libpng_oracle.h"

#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <cstring>
#include <random>

Bytes MakeSamples(uint32_t width, uint32_t height, uint32_t bitsPerPixel, uint32_t seed) {
    const size_t rowBytes = (size_t(width) * bitsPerPixel + 7) / 8;
    Bytes samples(rowBytes * height);
    std::mt19937 random(seed);
    for (uint32_t y = 0; y < height; y++) {
        uint8_t* row = samples.data() + y * rowBytes;
        switch ((y + seed) % 4) {
        case 0:
            for (size_t i = 0; i < rowBytes; i++)
                row[i] = uint8_t(random());
            break;
        case 1:
            for (size_t i = 0; i < rowBytes; i++)
                row[i] = uint8_t(i * 3 + y);
            break;
        case 2:
            for (size_t i = 0; i < rowBytes; i++)
                row[i] = uint8_t((y ? row[i - rowBytes] : 0) + (random() % 5 == 0));
            break;
        default:
            for (size_t i = 0; i < rowBytes;) {
                const uint8_t value = uint8_t(random());
                for (size_t run = 1 + random() % 20; run > 0 && i < rowBytes; run--)
                    row[i++] = value;
            }
        }
    }
    return samples;
}

Bytes MakePalette(uint32_t entries, uint32_t seed) {
    std::mt19937 random(seed * 7919 + 1);
    Bytes palette(entries * 3);
    for (auto& byte : palette)
        byte = uint8_t(random());
    return palette;
}

namespace {

struct MemoryReader {
    const Bytes* data;
    size_t at;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t size) {
    auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (size > reader->data->size() - reader->at) png_error(png, "read past the end");
    std::memcpy(out, reader->data->data() + reader->at, size);
    reader->at += size;
}

void WriteToMemory(png_structp png, png_bytep data, png_size_t size) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + size);
}

void FlushNothing(png_structp) {}

} // namespace

Bytes EncodeWithLibpng(const EncodeOptions& o, const Bytes& samples, const Bytes& palette) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &out, WriteToMemory, FlushNothing);
    png_set_IHDR(png, info, o.width, o.height, o.bitDepth, o.colourType,
                 o.interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (o.colourType == PNG_COLOR_TYPE_PALETTE) {
        std::vector<png_color> colours(palette.size() / 3);
        for (size_t i = 0; i < colours.size(); i++)
            colours[i] = {palette[3 * i], palette[3 * i + 1], palette[3 * i + 2]};
        png_set_PLTE(png, info, colours.data(), int(colours.size()));
    }
    png_set_filter(png, 0, o.filters);
    png_set_compression_level(png, o.level);
    png_set_compression_strategy(png, o.strategy);
    png_set_compression_buffer_size(png, o.idatBytes);
    png_write_info(png, info);
    const size_t rowBytes = samples.size() / o.height;
    std::vector<png_bytep> rows(o.height);
    for (uint32_t y = 0; y < o.height; y++)
        rows[y] = const_cast<png_bytep>(samples.data() + y * rowBytes);
    png_write_image(png, rows.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

bool DecodeWithLibpng(const Bytes& file, uint32_t outBitsPerPixel, uint32_t stride, Bytes* pixels) {
    MemoryReader reader{&file, 0};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    Bytes rows;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &reader, ReadFromMemory);
    png_read_info(png, info);
    const uint32_t width = png_get_image_width(png, info), height = png_get_image_height(png, info);
    const int colourType = png_get_color_type(png, info), bitDepth = png_get_bit_depth(png, info);
    if (bitDepth == 16) png_set_strip_16(png);
    if (colourType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_strip_alpha(png);
    if (colourType == PNG_COLOR_TYPE_RGB || colourType == PNG_COLOR_TYPE_RGB_ALPHA) png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const size_t rowBytes = png_get_rowbytes(png, info);
    rows.resize(rowBytes * height);
    std::vector<png_bytep> pointers(height);
    for (uint32_t y = 0; y < height; y++)
        pointers[y] = rows.data() + y * rowBytes;
    png_read_image(png, pointers.data());
    png_destroy_read_struct(&png, &info, nullptr);

    pixels->assign(size_t(stride) * height, 0);
    for (uint32_t y = 0; y < height; y++) {
        const uint8_t* in = rows.data() + y * rowBytes;
        uint8_t* out = pixels->data() + size_t(y) * stride;
        if (bitDepth == 2) {
            for (uint32_t x = 0; x < width; x++) {
                const uint32_t value = in[x / 4] >> (6 - 2 * (x % 4)) & 3;
                out[x / 2] |= uint8_t(value << (x % 2 ? 0 : 4));
            }
        } else {
            std::memcpy(out, in, rowBytes);
            const uint64_t bits = uint64_t(width) * outBitsPerPixel;
            if (bits % 8) out[bits / 8] &= uint8_t(0xFF << (8 - bits % 8));
        }
    }
    return true;
}

Bytes CompressWithZlib(const Bytes& data, int level, int strategy) {
    z_stream z{};
    deflateInit2(&z, level, Z_DEFLATED, 15, 9, strategy);
    Bytes out(deflateBound(&z, uLong(data.size())));
    z.next_in = const_cast<Bytef*>(data.data());
    z.avail_in = uInt(data.size());
    z.next_out = out.data();
    z.avail_out = uInt(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}
