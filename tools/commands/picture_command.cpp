// jorvo-maker picture IN.png OUT.bmp: decodes IN.png with the player's own PNG decoder (no fitting) and
// writes the bitmap it makes as a BMP file, so an author sees exactly what the player will show.
// The BMP is top-down, with the colour table of palette and grey images; 32-bit pixels keep alpha.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/common/console.h"
#include "tools/common/messages.h"
#include "media/png/png_decoder.h"
#include "tools/common/file_bytes.h"
#include "tools/source/media_format.h"
#include "tools/source/picture_check.h"

namespace {

void Put16(ByteVector& out, uint32_t value) {
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void Put32(ByteVector& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// BITMAPFILEHEADER, BITMAPINFOHEADER (negative height: top-down), colour table, pixels.
ByteVector MakeBmp(uint32_t width, uint32_t height, const PngOutputLayout& layout, const ByteVector& pixels) {
    const uint32_t headersSize = 14 + 40 + layout.colourCount * 4;
    ByteVector bmp;
    bmp.reserve(headersSize + pixels.size());
    bmp.push_back('B');
    bmp.push_back('M');
    Put32(bmp, headersSize + uint32_t(pixels.size()));
    Put32(bmp, 0);
    Put32(bmp, headersSize);
    Put32(bmp, 40);
    Put32(bmp, width);
    Put32(bmp, uint32_t(-int32_t(height)));
    Put16(bmp, 1);
    Put16(bmp, layout.bitsPerPixel);
    Put32(bmp, 0); // uncompressed
    Put32(bmp, uint32_t(pixels.size()));
    Put32(bmp, 2835); // 72 dots per inch
    Put32(bmp, 2835);
    Put32(bmp, layout.usedColours);
    Put32(bmp, 0);
    for (uint32_t i = 0; i < layout.colourCount; i++)
        bmp.insert(bmp.end(), layout.colourTable[i], layout.colourTable[i] + 4);
    bmp.insert(bmp.end(), pixels.begin(), pixels.end());
    return bmp;
}

// Decodes `png` into a BMP file's bytes; 0 on success, else the decoder's error code.
uint32_t DecodeToBmp(const ByteVector& png, ByteVector* bmp) {
    uint32_t width = 0, height = 0;
    PngOutputLayout layout;
    ByteVector pixels;
    const uint32_t error = DecodePngRows(png, &width, &height, &layout, &pixels);
    if (!error) *bmp = MakeBmp(width, height, layout, pixels);
    return error;
}

} // namespace

int RunPictureCommand(int argc, char** argv) {
    if (argc != 2) {
        PrintLine(stderr, Say(Msg::UsageOf, {"picture IN.png OUT.bmp"}));
        return 2;
    }
    ByteVector png;
    if (!ReadFileBytes(argv[0], &png)) {
        PrintLine(stderr, "jorvo-maker picture: " + Say(Msg::CannotRead, {argv[0]}));
        return 1;
    }
    ByteVector bmp;
    const MediaFormat format = SniffMediaFormat(png);
    if (format.kind == MediaKind::Picture && std::strcmp(format.name, "PNG") != 0) {
        // Windows decodes these in the player; this command shows the player's own PNG decoding only.
        const std::string problem = PictureProblem(png);
        PrintLine(stderr,
                  "jorvo-maker picture: " +
                      Say(Msg::PictureOfFormat,
                          {argv[0], format.name, problem.empty() ? Say(Msg::OnlyPngShown) : problem}));
        return 1;
    }
    const uint32_t error = DecodeToBmp(png, &bmp);
    if (error) {
        PrintLine(stderr, "jorvo-maker picture: " + std::string(argv[0]) + ": " + DescribePngError(error) +
                              " (" + PngErrorName(error) + ")");
        return 1;
    }
    if (!WriteFileBytes(argv[1], bmp)) {
        PrintLine(stderr, "jorvo-maker picture: " + Say(Msg::CannotWrite, {argv[1]}));
        return 1;
    }
    return 0;
}
