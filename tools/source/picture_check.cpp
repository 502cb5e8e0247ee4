#include "tools/source/picture_check.h"

#include <cstring>
#include <vector>

#include "media/picture_size.h"
#include "media/png/png_decoder.h"
#include "tools/common/messages.h"
#include "tools/source/media_format.h"

namespace {

uint32_t Big16(const ByteVector& b, size_t at) {
    return uint32_t(b[at]) << 8 | b[at + 1];
}

uint32_t Little16(const ByteVector& b, size_t at) {
    return b[at] | uint32_t(b[at + 1]) << 8;
}

uint32_t Little32(const ByteVector& b, size_t at) {
    return Little16(b, at) | Little16(b, at + 2) << 16;
}

// Decodes every row, as the player will when it shows the picture.
std::string PngProblem(const ByteVector& png, PictureSize* size) {
    PngOutputLayout layout;
    ByteVector pixels;
    const uint32_t error = DecodePngRows(png, &size->width, &size->height, &layout, &pixels);
    return error ? DescribePngError(error) : "";
}

// Walks the markers up to the frame header, which says how the picture is coded.
std::string JpegProblem(const ByteVector& b, PictureSize* size) {
    size_t at = 2;
    while (true) {
        while (at < b.size() && b[at] == 0xFF && at + 1 < b.size() && b[at + 1] == 0xFF)
            ++at; // fill bytes
        if (at + 1 >= b.size() || b[at] != 0xFF) return Say(Msg::JpegDamaged);
        const uint8_t marker = b[at + 1];
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA) return Say(Msg::JpegNoFrame);
        if (at + 4 > b.size()) return Say(Msg::JpegCut);
        const size_t length = Big16(b, at + 2);
        if (length < 2 || at + 2 + length > b.size()) return Say(Msg::JpegDamaged);
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (!frame) {
            at += 2 + length;
            continue;
        }
        if (marker == 0xC2) return Say(Msg::JpegProgressive);
        if (marker != 0xC0 && marker != 0xC1) return Say(Msg::JpegOtherCoding);
        if (length < 8) return Say(Msg::JpegFrameDamaged);
        const uint32_t precision = b[at + 4], height = Big16(b, at + 5), width = Big16(b, at + 7),
                       components = b[at + 9];
        if (precision != 8) return Say(Msg::Jpeg12Bits);
        if (width == 0 || height == 0) return Say(Msg::JpegNoSize);
        if (components == 4) return Say(Msg::JpegCmyk);
        if (components != 1 && components != 3) return Say(Msg::JpegFrameDamaged);
        *size = {width, height};
        return "";
    }
}

std::string GifProblem(const ByteVector& b, PictureSize* size) {
    if (b.size() < 13) return Say(Msg::GifCut);
    if (Little16(b, 6) == 0 || Little16(b, 8) == 0) return Say(Msg::GifNoSize);
    *size = {Little16(b, 6), Little16(b, 8)};
    return "";
}

std::string BmpProblem(const ByteVector& b, PictureSize* size) {
    const uint32_t pixelsAt = Little32(b, 10), headerSize = Little32(b, 14);
    const bool core = headerSize == 12;
    if (!core && headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 &&
        headerSize != 124)
        return Say(Msg::BmpUnknownHeader);
    if (b.size() < 14 + size_t(headerSize)) return Say(Msg::BmpCut);
    const int64_t width = core ? int64_t(Little16(b, 18)) : int64_t(int32_t(Little32(b, 18)));
    int64_t height = core ? int64_t(Little16(b, 20)) : int64_t(int32_t(Little32(b, 22)));
    const uint32_t planes = Little16(b, core ? 22 : 26), bits = Little16(b, core ? 24 : 28);
    const uint32_t compression = core ? 0 : Little32(b, 30);
    if (height < 0) height = -height;
    if (width <= 0 || height == 0 || planes != 1) return Say(Msg::BmpDamaged);
    if (width > 65535 || height > 65535) return Say(Msg::BmpTooLarge);
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return Say(Msg::BmpBits);
    if (compression > 3) return Say(Msg::BmpHoldsJpeg);
    if (compression == 0 || compression == 3) {
        const uint64_t stride = (uint64_t(width) * bits + 31) / 32 * 4;
        if (pixelsAt > b.size() || stride * uint64_t(height) > b.size() - pixelsAt) return Say(Msg::BmpCut);
    } else if (pixelsAt >= b.size()) {
        return Say(Msg::BmpCut);
    }
    *size = {static_cast<uint32_t>(width), static_cast<uint32_t>(height)};
    return "";
}

} // namespace

std::string PictureProblem(const ByteVector& bytes, PictureSize* size) {
    PictureSize unused;
    if (!size) size = &unused;
    *size = PictureSize();
    const MediaFormat format = SniffMediaFormat(bytes);
    if (format.kind != MediaKind::Picture) return Say(Msg::NotAPicture);
    if (!std::strcmp(format.name, "PNG")) return PngProblem(bytes, size);
    if (!std::strcmp(format.name, "JPEG")) return JpegProblem(bytes, size);
    if (!std::strcmp(format.name, "GIF")) return GifProblem(bytes, size);
    return BmpProblem(bytes, size);
}

PictureSize ShownPictureSize(PictureSize picture) {
    if (!picture.width || !picture.height) return picture;
    int32_t width, height;
    FitPictureInBox(picture.width, picture.height, kPictureBoxSide, kPictureBoxSide, &width, &height);
    return {static_cast<uint32_t>(width), static_cast<uint32_t>(height)};
}

std::string DescribePngError(uint32_t code) {
    switch (code) {
    case 0: return "";
    case PNG_ERR_NOMEM: return Say(Msg::PngNoMemory);
    case PNG_ERR_FORMAT: return Say(Msg::PngDamaged);
    case PNG_ERR_UNSUPPORTED: return Say(Msg::PngUnsupported);
    default: return Say(Msg::PngUndecodable);
    }
}

uint32_t DecodePngRows(const ByteVector& png, uint32_t* width, uint32_t* height, PngOutputLayout* layout,
                       ByteVector* pixels) {
    if (png.size() > UINT32_MAX) return PNG_ERR_FORMAT;
    PngImage image;
    PngInit(&image);
    uint32_t error = 0;
    if (!PngAttachMemory(&image, png.data(), uint32_t(png.size()), PNG_INPUT_RESOURCE) ||
        !PngDecode(&image)) {
        error = image.error;
    } else {
        PngDescribeOutput(&image, layout);
        *width = image.width;
        *height = image.height;
        pixels->resize(size_t(layout->stride) * image.height);
        // A fill fails only on a scanline with an undefined filter type: broken image data.
        if (!PngFillRows(&image, pixels->data(), layout->stride)) error = PNG_ERR_FORMAT;
    }
    PngCleanup(&image);
    return error;
}
