// Decoding time of our PNG decoder and of libpng, libspng and stb_image, each from memory to the
// bitmap layout (blue-green-red order, 8-bit samples, palette indices, rows padded to 4 bytes).
// libpng is told to give BGR and 8-bit samples; libspng and stb_image give red-green-blue, which is
// then reordered (stb_image cannot keep palette indices: its palette images stay RGB). The peers run
// with their default checksum handling. Before timing, every decoder's pixels are compared with ours.
// Palette images are also timed as most programs read them with libpng: expanded to 8-bit RGBA
// ("libpng_rgba"), checked against our indices looked up in the palette.
#include <benchmark/benchmark.h>
#include <png.h>
#include <spng.h>
#include <stb/stb_image.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/png/bench_images.h"
#include "media/png/png_decoder.h"

namespace {

struct Output {
    uint32_t stride;
    Bytes pixels;
};

Output MakeOutput(const BenchImage& image) {
    const uint32_t bits = image.colourType == 2 ? 24 : image.colourType == 6 ? 32 : 8;
    const uint32_t stride = (image.width * bits + 31) / 32 * 4;
    return {stride, Bytes(size_t(stride) * image.height)};
}

bool DecodeJorvo(const BenchImage& image, Output& out) {
    PngImage png;
    PngInit(&png);
    bool ok = PngAttachMemory(&png, image.png.data(), uint32_t(image.png.size()), PNG_INPUT_RESOURCE) &&
              PngDecode(&png) && PngFillRows(&png, out.pixels.data(), out.stride);
    PngCleanup(&png);
    return ok;
}

struct PngReader {
    const Bytes* data;
    size_t at;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t size) {
    auto* reader = static_cast<PngReader*>(png_get_io_ptr(png));
    if (size > reader->data->size() - reader->at) png_error(png, "read past the end");
    std::memcpy(out, reader->data->data() + reader->at, size);
    reader->at += size;
}

bool DecodeLibpng(const BenchImage& image, Output& out) {
    PngReader reader{&image.png, 0};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<png_bytep> rows(image.height);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &reader, ReadFromMemory);
    png_read_info(png, info);
    png_set_strip_16(png);
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    for (uint32_t y = 0; y < image.height; y++)
        rows[y] = out.pixels.data() + size_t(y) * out.stride;
    png_read_image(png, rows.data());
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

// A palette image expanded to red, green, blue and alpha, four bytes a pixel, rows packed.
bool DecodeLibpngRgba(const BenchImage& image, Bytes& rgba) {
    PngReader reader{&image.png, 0};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<png_bytep> rows(image.height);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &reader, ReadFromMemory);
    png_read_info(png, info);
    png_set_palette_to_rgb(png);
    png_set_tRNS_to_alpha(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    rgba.resize(size_t(image.width) * 4 * image.height);
    for (uint32_t y = 0; y < image.height; y++)
        rows[y] = rgba.data() + size_t(y) * image.width * 4;
    png_read_image(png, rows.data());
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

// Our indices of a palette image (no transparency) looked up in its palette, as red, green, blue, 255.
bool SameColours(const BenchImage& image, const Output& ours, const Bytes& rgba) {
    PngImage png;
    PngInit(&png);
    bool same = PngAttachMemory(&png, image.png.data(), uint32_t(image.png.size()), PNG_INPUT_RESOURCE) &&
                png.palette && rgba.size() == size_t(image.width) * 4 * image.height;
    for (uint32_t y = 0; same && y < image.height; y++)
        for (uint32_t x = 0; same && x < image.width; x++) {
            const uint8_t index = ours.pixels[size_t(y) * ours.stride + x];
            const uint8_t* colour = rgba.data() + (size_t(y) * image.width + x) * 4;
            same = index < png.paletteCount && std::memcmp(colour, png.palette + index * 3, 3) == 0 &&
                   colour[3] == 0xFF;
        }
    PngCleanup(&png);
    return same;
}

// Red-green-blue rows, `channels` bytes a pixel, packed, to bitmap rows.
void ToBitmapRows(const uint8_t* in, const BenchImage& image, int channels, Output& out) {
    for (uint32_t y = 0; y < image.height; y++) {
        uint8_t* row = out.pixels.data() + size_t(y) * out.stride;
        if (channels < 3) {
            std::memcpy(row, in, image.width);
            in += image.width;
            continue;
        }
        for (uint32_t x = 0; x < image.width; x++, in += channels, row += channels) {
            row[0] = in[2];
            row[1] = in[1];
            row[2] = in[0];
            if (channels == 4) row[3] = in[3];
        }
    }
}

bool DecodeSpng(const BenchImage& image, Output& out, Bytes& scratch) {
    const int format = image.colourType == 3   ? SPNG_FMT_PNG
                       : image.colourType == 0 ? SPNG_FMT_G8
                       : image.colourType == 6 ? SPNG_FMT_RGBA8
                                               : SPNG_FMT_RGB8;
    spng_ctx* ctx = spng_ctx_new(0);
    size_t size = 0;
    bool ok = spng_set_png_buffer(ctx, image.png.data(), image.png.size()) == 0 &&
              spng_decoded_image_size(ctx, format, &size) == 0;
    if (ok) {
        scratch.resize(size);
        ok = spng_decode_image(ctx, scratch.data(), size, format, 0) == 0;
    }
    spng_ctx_free(ctx);
    if (ok)
        ToBitmapRows(scratch.data(), image, image.colourType == 6 ? 4 : image.colourType == 2 ? 3 : 1, out);
    return ok;
}

bool DecodeStb(const BenchImage& image, Output& out) {
    const int channels = image.colourType == 0 ? 1 : image.colourType == 6 ? 4 : 3;
    int width, height, stored;
    stbi_uc* pixels =
        stbi_load_from_memory(image.png.data(), int(image.png.size()), &width, &height, &stored, channels);
    if (!pixels) return false;
    if (image.colourType != 3) ToBitmapRows(pixels, image, channels, out);
    stbi_image_free(pixels);
    return true;
}

enum Decoder { kJorvo, kLibpng, kSpng, kStb, kLibpngRgba };
const char* const kDecoderNames[] = {"jorvo", "libpng", "spng", "stb", "libpng_rgba"};

bool Decode(Decoder decoder, const BenchImage& image, Output& out, Bytes& scratch) {
    switch (decoder) {
    case kJorvo: return DecodeJorvo(image, out);
    case kLibpng: return DecodeLibpng(image, out);
    case kSpng: return DecodeSpng(image, out, scratch);
    case kLibpngRgba: return DecodeLibpngRgba(image, scratch);
    default: return DecodeStb(image, out);
    }
}

void RunDecoder(benchmark::State& state, const BenchImage* image, Decoder decoder) {
    Output out = MakeOutput(*image);
    Bytes scratch;
    for (auto _ : state) {
        if (!Decode(decoder, *image, out, scratch)) state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(out.pixels.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(out.pixels.size()));
}

// Every decoder's pixels against ours; answers false when libpng disagrees (a fault of ours).
bool CheckAgreement(const std::vector<BenchImage>& images) {
    bool ok = true;
    for (const BenchImage& image : images) {
        Output ours = MakeOutput(image);
        Bytes scratch;
        if (!DecodeJorvo(image, ours)) {
            std::fprintf(stderr, "%s: our decoder failed\n", image.name.c_str());
            ok = false;
            continue;
        }
        for (Decoder peer : {kLibpng, kSpng, kStb}) {
            if (peer == kStb && image.colourType == 3) continue;
            Output theirs = MakeOutput(image);
            const bool decoded = Decode(peer, image, theirs, scratch);
            if (decoded && theirs.pixels == ours.pixels) continue;
            std::fprintf(stderr, "%s: %s %s\n", image.name.c_str(), kDecoderNames[peer],
                         decoded ? "gives other pixels (its 16-to-8-bit reduction may round)" : "failed");
            if (peer == kLibpng) ok = false;
        }
        if (image.colourType == 3) {
            const bool decoded = DecodeLibpngRgba(image, scratch);
            if (!decoded || !SameColours(image, ours, scratch)) {
                std::fprintf(stderr, "%s: libpng_rgba %s\n", image.name.c_str(),
                             decoded ? "gives other colours" : "failed");
                ok = false;
            }
        }
    }
    return ok;
}

// --write-images=FOLDER: writes the pictures as NAME.png for the Windows builds' benchmark, and stops.
bool WriteImages(const std::vector<BenchImage>& images, const std::string& folder) {
    for (const BenchImage& image : images) {
        const std::string path = folder + "/" + image.name + ".png";
        FILE* file = std::fopen(path.c_str(), "wb");
        const bool ok = file && std::fwrite(image.png.data(), 1, image.png.size(), file) == image.png.size();
        if (file) std::fclose(file);
        if (!ok) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    static const std::vector<BenchImage> images = MakeBenchImages();
    const std::string writeOption = "--write-images=";
    if (argc == 2 && std::strncmp(argv[1], writeOption.c_str(), writeOption.size()) == 0)
        return WriteImages(images, argv[1] + writeOption.size()) ? 0 : 1;
    if (!CheckAgreement(images)) return 1;
    for (const BenchImage& image : images)
        for (Decoder decoder : {kJorvo, kLibpng, kSpng, kStb, kLibpngRgba})
            if (decoder != kLibpngRgba || image.colourType == 3)
                benchmark::RegisterBenchmark((image.name + "/" + kDecoderNames[decoder]).c_str(), RunDecoder,
                                             &image, decoder)
                    ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
